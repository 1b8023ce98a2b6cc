#include "reader/JumpWindow.h"

#include "reader/Jumps.h"
#include "scripture/ReferenceRoutines.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace reader {

JumpWindow::JumpWindow(QWidget* parent)
    : QDialog(parent), list1_(new QListWidget(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      cancel_(new QPushButton(QStringLiteral("Batal"), this)) {
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Referensi Silang"));
    setModal(true);
    auto* title = new QLabel(QStringLiteral("Referensi Silang"), this);
    title->setObjectName(QStringLiteral("Label2"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* prompt = new QLabel(QStringLiteral("Pilih bagian kitab yang dituju"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    list1_->setObjectName(QStringLiteral("List1"));
    ok_->setObjectName(QStringLiteral("Command2"));
    ok_->setDefault(true);
    cancel_->setObjectName(QStringLiteral("Command1"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(prompt);
    layout->addWidget(list1_, 1);
    layout->addLayout(buttons);
    resize(300, 260);

    connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
        ok_->setEnabled(row >= 0 && CanConfirmJumpItem(list1_->item(row)->text()));
    });
    connect(list1_, &QListWidget::itemDoubleClicked, this, [this] {
        if (ok_->isEnabled())
            confirm();
    });
    connect(ok_, &QPushButton::clicked, this, &JumpWindow::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void JumpWindow::FillJumpList(const QStringList& items) {
    list1_->clear();
    list1_->addItems(items);
    list1_->setCurrentRow(items.isEmpty() ? -1 : 0);
    ok_->setEnabled(!items.isEmpty() && CanConfirmJumpItem(items.first()));
}

void JumpWindow::confirm() {
    const QListWidgetItem* item = list1_->currentItem();
    if (!item || !ok_->isEnabled())
        return;
    QString reference = item->text();
    const QString key = scripture::ToLocationKey(reference);
    accept();
    emit locationChosen(key);
}

bool JumpWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && fontSource_) {
        QFont font = list1_->font();
        font.setFamily(fontSource_());
        list1_->setFont(font);
    }
    return QDialog::event(event);
}

} // namespace reader
