#pragma once

#include <QIcon>

namespace reader {

// The reader's own drawn icons (SVG resources, sharp at any resolution).
QIcon ToolButtonIcon(int toolButton); // 1..13
QIcon NamedIcon(const QString& name); // "fontup", "fontdown", "fontreset", "textonly"
// The special tool bar's images: set 2 for available buttons, set 3 for the others.
QIcon SpecialButtonImage(int blueButton, bool available); // 0..9

} // namespace reader
