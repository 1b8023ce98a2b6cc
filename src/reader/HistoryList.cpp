#include "reader/HistoryList.h"

#include "reader/History.h"
#include "reader/UiMetrics.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace reader {

HistoryList::HistoryList(const History& history, QWidget* readingView, QWidget* parent)
    : QFrame(parent), history_(history), readingView_(readingView), cmdPanel_(new QFrame(this)),
      list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("HistoryList"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    cmdPanel_->setObjectName(QStringLiteral("cmdPanel"));
    auto* caption =
        new QLabel(QStringLiteral("Riwayat (F3 mundur, F4 maju, F5 terakhir)"), cmdPanel_);
    auto* panelLayout = new QVBoxLayout(cmdPanel_);
    panelLayout->setContentsMargins(4, 2, 4, 2);
    panelLayout->addWidget(caption);
    list_->setObjectName(QStringLiteral("ListHistory"));
    list_->setAccessibleName(caption->text());
    list_->installEventFilter(this);
    // Enter and a double click both activate an item.
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit entryChosen(list_->row(item)); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(cmdPanel_);
    layout->addWidget(list_, 1);
    hide();
    connect(&history_, &History::changed, this, &HistoryList::fill);
    readingView_->installEventFilter(this);
}

bool HistoryList::eventFilter(QObject* watched, QEvent* event) {
    // The list keeps lying over the reading view when the window is resized.
    if (watched == readingView_ && event->type() == QEvent::Resize && isVisible())
        place();
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void HistoryList::close() {
    hide();
    readingView_->setFocus();
}

void HistoryList::fill() {
    list_->clear();
    list_->addItems(history_.entries());
    list_->setCurrentRow(history_.index());
}

void HistoryList::toggle() {
    if (isVisible()) {
        close();
        return;
    }
    fill();
    place();
    show();
    raise();
    list_->setFocus();
}

void HistoryList::place() {
    const QRect view(readingView_->mapTo(parentWidget(), QPoint(0, 0)), readingView_->size());
    const int left = view.left() + Twips(this, 100);
    const int width = std::min(sizeHint().width() + 80, view.right() - left);
    setGeometry(left, view.top(), std::max(width, 120), view.height());
}

} // namespace reader
