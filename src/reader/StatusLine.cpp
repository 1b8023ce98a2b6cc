#include "reader/StatusLine.h"

#include "reader/ReaderTexts.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace reader {

StatusLine::StatusLine(QWidget* parent) : QFrame(parent), label_(new QLabel(this)) {
    setObjectName(QStringLiteral("picStatusBar"));
    setFrameShape(QFrame::StyledPanel);
    label_->setObjectName(QStringLiteral("labelStatus"));
    label_->setTextFormat(Qt::PlainText);
    label_->setText(IdleStatusText());
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(label_);
}

void StatusLine::watch(QAbstractButton* button) {
    button->installEventFilter(this);
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter)
        label_->setText(static_cast<QWidget*>(watched)->toolTip());
    else if (event->type() == QEvent::Leave)
        label_->setText(IdleStatusText());
    return QFrame::eventFilter(watched, event);
}

} // namespace reader
