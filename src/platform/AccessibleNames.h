#pragma once

#include <QString>

class QWidget;

namespace platform {

// Sets the control's tool tip and, trimmed, the name a screen reader says for it: buttons
// that show only a picture are otherwise heard as "button".
void SetTip(QWidget* control, const QString& tip);

} // namespace platform
