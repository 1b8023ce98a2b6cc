#include "reader/ChoiceList.h"

namespace reader {

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        changedByPress_ = pressing_;
        emit chosen(row);
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!changedByPress_)
            emit chosen(row(item));
        changedByPress_ = false;
    });
}

void ChoiceList::mousePressEvent(QMouseEvent* event) {
    changedByPress_ = false;
    pressing_ = true;
    QListWidget::mousePressEvent(event);
    pressing_ = false;
}

} // namespace reader
