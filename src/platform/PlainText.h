#pragma once

#include <QString>

namespace platform {

// A tool tip that shows text exactly as written: Qt takes a tip that looks like markup for
// rich text, so such a text is escaped (and may then load no picture); any other text is
// returned unchanged.
QString PlainToolTip(const QString& text);

} // namespace platform
