#include "reader/AboutWindow.h"

#include "platform/Dialogs.h"
#include "platform/ProductName.h"
#include "store/Store.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace reader {

namespace {

const QString kMakers = QStringLiteral(
    "Dibuat oleh para pengembang Vermara. Teks Alkitab contoh berasal dari modul SWORD "
    "World English Bible dan King James Version, yang bebas dipakai.");

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

AboutWindow::AboutWindow(platform::Dialogs& dialogs, const store::Store* store, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), store_(store) {
    setObjectName(QStringLiteral("Form7"));
    setModal(true);
    setWindowTitle(QStringLiteral("Tentang ") + platform::kProductName);
    auto* version = new QLabel(
        platform::kProductName + QStringLiteral(" ") + platform::VersionText().trimmed(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    QFont big = version->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    version->setFont(big);
    auto* text1 = new QTextEdit(this);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setAccessibleName(QStringLiteral("Keterangan program"));
    text1->setReadOnly(true);
    text1->setPlainText(store_ ? store_->GetInfoText(1) : QString());
    auto* makers = new QLabel(kMakers, this);
    makers->setObjectName(QStringLiteral("lblMakers"));
    makers->setWordWrap(true);
    QPushButton* command2 = Button(QStringLiteral("Command2"), QStringLiteral("Versi DB"), this);
    QPushButton* command1 = Button(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    command1->setDefault(true);
    connect(command2, &QPushButton::clicked, this, &AboutWindow::showDatabaseVersion);
    connect(command1, &QPushButton::clicked, this, &QDialog::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(command2);
    buttons->addStretch();
    buttons->addWidget(command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(version);
    layout->addWidget(text1, 1);
    layout->addWidget(makers);
    layout->addLayout(buttons);
    resize(560, 440);
}

void AboutWindow::showDatabaseVersion() {
    const QString text = store_ ? store_->GetInfoText(99) : QStringLiteral("Database VR v.1.0");
    dialogs_.message(text, platform::MessageButtons::Ok, platform::MessageIcon::None,
                     platform::kProductName);
}

} // namespace reader
