#include "platform/QtTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace platform {

QTranslator* InstallIndonesianQtTranslation(QCoreApplication& app) {
    // Compiled from qtbase_id.ts at build time and embedded, so no file has to be found.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/vermara/i18n/qtbase_id.qm")) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace platform
