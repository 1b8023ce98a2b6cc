#pragma once

#include <QFrame>

class QLabel;
class QListWidget;

namespace reader {

// A small panel beside a list that shows the whole text of the item under the mouse when
// the item is wider than the list.
class HoverLabel : public QFrame {
    Q_OBJECT
public:
    HoverLabel(QListWidget* list, QWidget* overlayParent);

    QLabel* label() const { return label_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFor(const QPoint& viewportPos);

    QListWidget* list_;
    QWidget* viewport_;
    QLabel* label_;
};

} // namespace reader
