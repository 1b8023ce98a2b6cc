#include "reader/HoverLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

namespace reader {

HoverLabel::HoverLabel(QListWidget* list, QWidget* overlayParent)
    : QFrame(overlayParent), list_(list), viewport_(list->viewport()), label_(new QLabel(this)) {
    setObjectName(QStringLiteral("picHoverLabel"));
    label_->setObjectName(QStringLiteral("Label3"));
    label_->setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    label_->setForegroundRole(QPalette::ToolTipText);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 1, 3, 1);
    layout->addWidget(label_);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    list_->setMouseTracking(true);
    viewport_->installEventFilter(this);
}

bool HoverLabel::eventFilter(QObject* watched, QEvent* event) {
    // Only the stored pointer is compared: while the main window closes, the list may be
    // half destroyed when its viewport hides.
    if (watched == viewport_) {
        if (event->type() == QEvent::MouseMove)
            showFor(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::Leave || event->type() == QEvent::Hide)
            hide();
    }
    return QFrame::eventFilter(watched, event);
}

void HoverLabel::showFor(const QPoint& viewportPos) {
    QListWidgetItem* item = list_->itemAt(viewportPos);
    if (!item) {
        hide();
        return;
    }
    const QRect rect = list_->visualItemRect(item);
    const int textWidth = list_->fontMetrics().horizontalAdvance(item->text());
    if (textWidth + 6 <= list_->viewport()->width()) {
        hide();
        return;
    }
    label_->setFont(list_->font());
    label_->setText(item->text());
    adjustSize();
    const QPoint topLeft = list_->viewport()->mapTo(parentWidget(), rect.topLeft());
    move(topLeft.x(), topLeft.y() - 1);
    raise();
    show();
}

} // namespace reader
