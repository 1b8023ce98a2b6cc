#include "platform/ProductName.h"

namespace platform {

QString VersionText() {
    return QStringLiteral(" %1.%2.%3 ")
        .arg(VERMARA_VERSION_MAJOR)
        .arg(VERMARA_VERSION_MINOR)
        .arg(VERMARA_VERSION_PATCH);
}

QString MainWindowCaption(const QString& notice) {
    return kProductName + VersionText() + QStringLiteral("- ") + notice;
}

} // namespace platform
