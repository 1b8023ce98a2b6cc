#pragma once

#include "reader/CommandTable.h"

#include <QFrame>
#include <array>

class QToolButton;

namespace reader {

// blueBar, "Toolbar Khas VR": ten image buttons mirroring tool buttons 1..10, drawn from
// the set of available images or, for a switched-off module, the set of unavailable ones.
class BlueBar : public QFrame {
    Q_OBJECT
public:
    explicit BlueBar(QWidget* parent);

    QToolButton* button(int k) const { return buttons_[std::size_t(k)]; } // blueBtn0..9
    void applyMarks(const std::array<QString, kMarkedButtons>& marks);
    void setToolTips(const std::array<QString, kMarkedButtons>& tips);

private:
    std::array<QToolButton*, kMarkedButtons> buttons_{};
};

} // namespace reader
