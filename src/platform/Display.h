#pragma once

#include <QStringList>

namespace platform {

// Whether a window can be shown: a display is named in the environment or -platform is
// given. Without one Qt aborts with an English message of its own, so the programs ask first.
bool HasDisplay(const QStringList& arguments);

} // namespace platform
