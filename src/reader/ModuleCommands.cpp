#include "reader/ModuleCommands.h"

namespace reader {

const std::array<ModuleCommand, store::kModuleCount>& ModuleCommands() {
    static const std::array<ModuleCommand, store::kModuleCount> commands{{
        {QStringLiteral("MenuPerikop"), 2},
        {QStringLiteral("MenuPengantar"), 3},
        {QStringLiteral("MenuPerumpamaan"), 4},
        {QStringLiteral("MenuPeta"), 6},
        {QStringLiteral("MenuKamus"), 7},
        {QStringLiteral("MenuNubuat"), 5},
        {QStringLiteral("MenuCommentary"), 0},
        {QStringLiteral("MenuDeuterokanonika"), 8},
        {QStringLiteral("MenuKeterangan"), 0},
        {QStringLiteral("MenuTematik"), 0},
    }};
    return commands;
}

std::array<QString, kMarkedButtons> ModuleMarks(const std::array<bool, store::kModuleCount>& on) {
    std::array<QString, kMarkedButtons> marks;
    for (int i = 0; i < store::kModuleCount; ++i) {
        const int button = ModuleCommands()[std::size_t(i)].toolButton;
        if (!on[std::size_t(i)] && button >= 1 && button <= kMarkedButtons)
            marks[std::size_t(button - 1)] = kUnavailableMark;
    }
    return marks;
}

} // namespace reader
