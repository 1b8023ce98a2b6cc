#include "platform/AccessibleNames.h"

#include <QWidget>

namespace platform {

void SetTip(QWidget* control, const QString& tip) {
    control->setToolTip(tip);
    control->setAccessibleName(tip.trimmed());
}

} // namespace platform
