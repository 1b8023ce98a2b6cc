#include "reader/DataLocationDialog.h"

#include "platform/Dialogs.h"
#include "platform/FolderBrowser.h"
#include "platform/Folders.h"
#include "platform/ProductName.h"
#include "reader/DataLocation.h"
#include "reader/ReaderSettings.h"
#include "store/Schema.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace reader {

DataLocationDialog::DataLocationDialog(platform::Dialogs& dialogs,
                                       platform::SettingsStore& settings, QString programFolder,
                                       QString dataFolder, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), settings_(settings),
      programFolder_(std::move(programFolder)), dataFolder_(std::move(dataFolder)),
      txtLocation_(new QLineEdit(this)), cmdBrowse_(new QPushButton(QStringLiteral("..."), this)),
      cmdOK_(new QPushButton(QStringLiteral("OK"), this)),
      cmdCancel_(new QPushButton(QStringLiteral("Batal"), this)) {
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Lokasi Data"));
    txtLocation_->setObjectName(QStringLiteral("txtLocation"));
    txtLocation_->setReadOnly(true);
    txtLocation_->setAccessibleName(QStringLiteral("Lokasi data"));
    cmdBrowse_->setAccessibleName(QStringLiteral("Pilih folder data"));
    txtLocation_->setMinimumWidth(360);
    cmdBrowse_->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse_->setFixedWidth(32);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    connect(txtLocation_, &QLineEdit::textChanged, txtLocation_, &QLineEdit::setToolTip);
    connect(cmdBrowse_, &QPushButton::clicked, this, &DataLocationDialog::browse);
    connect(cmdOK_, &QPushButton::clicked, this, &DataLocationDialog::confirm);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(txtLocation_, 1);
    folderRow->addWidget(cmdBrowse_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Folder data ") + platform::kProductName + u':', this));
    layout->addLayout(folderRow);
    layout->addLayout(buttons);
}

void DataLocationDialog::showEvent(QShowEvent* event) {
    if (chosen_.isEmpty())
        showFolder(dataFolder_, Qt::black);
    QDialog::showEvent(event);
}

void DataLocationDialog::showFolder(const QString& folder, const QColor& colour) {
    QPalette palette = txtLocation_->palette();
    palette.setColor(QPalette::Text, colour);
    txtLocation_->setPalette(palette);
    txtLocation_->setText(folder);
}

void DataLocationDialog::browse() {
    const QString picked = platform::BrowseForFolder(dialogs_);
    if (picked.trimmed().isEmpty())
        return;
    const QString folder = CutAtNul(picked);
    if (QFileInfo(platform::JoinPath(folder, store::kDataFileName)).isFile()) {
        chosen_ = folder;
        showFolder(folder, Qt::black);
        return;
    }
    const platform::DialogResult answer = dialogs_.message(
        QStringLiteral("File Vermara2000.DAT tidak ditemukan di lokasi yang anda pilih. ") +
            QStringLiteral("\r\n") + QStringLiteral("Tetap gunakan lokasi baru ini?"),
        platform::MessageButtons::OkCancel, platform::MessageIcon::Warning,
        QStringLiteral("Lokasi Data"));
    // A declined folder is not saved by OK: only what the box shows is chosen.
    if (answer == platform::DialogResult::Ok) {
        chosen_ = folder;
        showFolder(folder, QColor(255, 0, 0));
    }
}

void DataLocationDialog::confirm() {
    if (!chosen_.isEmpty()) {
        ReaderSettings settings(settings_, programFolder_);
        settings.setLocation(platform::JoinPath(chosen_, store::kDataFileName));
    }
    accept();
}

} // namespace reader
