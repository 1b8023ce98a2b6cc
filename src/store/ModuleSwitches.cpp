#include "store/ModuleSwitches.h"

#include "store/Store.h"

namespace store {

const QStringList& ModuleNames() {
    static const QStringList names{QStringLiteral("Perikop"),     QStringLiteral("Pengantar"),
                                   QStringLiteral("Perumpamaan"), QStringLiteral("Peta"),
                                   QStringLiteral("Kamus"),       QStringLiteral("Nubuat"),
                                   QStringLiteral("Commentary"),  QStringLiteral("Deuterokanonika"),
                                   QStringLiteral("Keterangan"),  QStringLiteral("Tematik")};
    return names;
}

std::array<bool, kModuleCount> ReadModuleSwitches(const Store& store) {
    std::array<bool, kModuleCount> switches{};
    for (int i = 0; i < kModuleCount; ++i)
        switches[size_t(i)] = store.moduleSwitch(ModuleNames().at(i)) != 0;
    return switches;
}

} // namespace store
