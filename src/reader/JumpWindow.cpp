#include "reader/JumpWindow.h"

#include "platform/LookFonts.h"
#include "platform/ReadingLook.h"
#include "reader/Jumps.h"
#include "scripture/ReferenceRoutines.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace reader {

JumpWindow::JumpWindow(const platform::ReadingLook& look, QWidget* parent)
    : QDialog(parent), look_(look), list1_(new QListWidget(this)),
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
    list1_->setAccessibleName(QStringLiteral("Pilih bagian kitab yang dituju"));
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
    takeLook();
    connect(&look_, &platform::ReadingLook::changed, this, &JumpWindow::takeLook);
}

void JumpWindow::takeLook() {
    platform::TakeFont(list1_, platform::VerseFont(look_), false);
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
    const auto key = scripture::ParseLocationKey(scripture::ToLocationKey(reference));
    accept();
    if (key)
        emit locationChosen(*key);
}

} // namespace reader
