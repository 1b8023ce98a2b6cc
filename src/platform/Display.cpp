#include "platform/Display.h"

#include <QtGlobal>

namespace platform {

bool HasDisplay(const QStringList& arguments) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return arguments.mid(1).contains(QStringLiteral("-platform"));
}

} // namespace platform
