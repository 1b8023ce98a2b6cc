#include "reader/BlueBar.h"

#include "platform/AccessibleNames.h"
#include "reader/Icons.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace reader {

BlueBar::BlueBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("blueBar"));
    setStyleSheet(QStringLiteral(
        "#blueBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3c6fb4, "
        "stop:1 #244f8c); }"
        "#blueBar QToolButton { border: none; border-radius: 4px; padding: 2px; }"
        "#blueBar QToolButton:hover { background: rgba(255, 255, 255, 40); }"
        "#blueBar QToolButton:focus { border: 2px solid white; }"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 2, 8, 2);
    row->setSpacing(6);
    for (int k = 0; k < kMarkedButtons; ++k) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("blueBtn%1").arg(k));
        button->setIconSize(QSize(32, 32));
        button->setIcon(SpecialButtonImage(k, true));
        buttons_[std::size_t(k)] = button;
        row->addWidget(button);
    }
    row->addStretch();
}

void BlueBar::applyMarks(const std::array<QString, kMarkedButtons>& marks) {
    for (int k = 0; k < kMarkedButtons; ++k) {
        const bool available = marks[std::size_t(k)] != kUnavailableMark;
        buttons_[std::size_t(k)]->setIcon(SpecialButtonImage(k, available));
    }
}

void BlueBar::setToolTips(const std::array<QString, kMarkedButtons>& tips) {
    for (int k = 0; k < kMarkedButtons; ++k)
        platform::SetTip(buttons_[std::size_t(k)], tips[std::size_t(k)]);
}

} // namespace reader
