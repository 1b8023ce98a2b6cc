#pragma once

#include <QFrame>

class QAbstractButton;
class QLabel;

namespace reader {

// picStatusBar: the tool tip of the button under the mouse, else "Program Vermara " and
// the version text.
class StatusLine : public QFrame {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent);

    QLabel* label() const { return label_; }
    void watch(QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label_;
};

} // namespace reader
