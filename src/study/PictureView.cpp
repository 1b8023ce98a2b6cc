#include "study/PictureView.h"

#include "study/PictureFiles.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QScrollBar>

namespace study {

namespace {

void SetRange(QScrollBar* bar, const ScrollRange& range, bool reset) {
    bar->setEnabled(range.enabled);
    bar->setRange(0, range.maximum);
    bar->setPageStep(std::max(1, range.step));
    bar->setSingleStep(std::max(1, range.step));
    if (reset)
        bar->setValue(0);
}

} // namespace

PictureView::PictureView(QWidget* parent)
    : QWidget(parent), viewport_(new QWidget(this)), picture_(new QLabel(viewport_)),
      vScroll_(new QScrollBar(Qt::Vertical, this)), hScroll_(new QScrollBar(Qt::Horizontal, this)) {
    viewport_->setObjectName(QStringLiteral("Picture1"));
    picture_->setObjectName(QStringLiteral("Picture2"));
    vScroll_->setObjectName(QStringLiteral("VScroll1"));
    hScroll_->setObjectName(QStringLiteral("HScroll1"));
    viewport_->setMinimumSize(40, 40);
    picture_->resize(0, 0);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(viewport_, 0, 0);
    layout->addWidget(vScroll_, 0, 1);
    layout->addWidget(hScroll_, 1, 0);
    viewport_->installEventFilter(this);
    connect(vScroll_, &QScrollBar::valueChanged, this, &PictureView::placePicture);
    connect(hScroll_, &QScrollBar::valueChanged, this, &PictureView::placePicture);
    SetPictureScroll(true);
}

void PictureView::setPicture(const QPixmap& picture) {
    picture_->setPixmap(picture);
    picture_->resize(picture.size());
    SetPictureScroll(true);
}

bool PictureView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && event->type() == QEvent::Resize)
        SetPictureScroll(false);
    return QWidget::eventFilter(watched, event);
}

void PictureView::SetPictureScroll(bool reset) {
    const QSize picture = picture_->size();
    const QSize view = viewport_->size();
    SetRange(vScroll_, PictureScrollRange(picture.height(), view.height()), reset);
    SetRange(hScroll_, PictureScrollRange(picture.width(), view.width()), reset);
    placePicture();
}

void PictureView::placePicture() {
    picture_->move(-hScroll_->value(), -vScroll_->value());
}

} // namespace study
