#include "study/MapsWindow.h"

#include "platform/Dialogs.h"
#include "reader/HoverLabel.h"
#include "reader/UiMetrics.h"
#include "store/Store.h"
#include "study/PictureFiles.h"
#include "study/PictureView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace study {

namespace {

// Why a picture cannot be shown, in the user's language (Qt's own reason is English).
QString PictureError(QImageReader::ImageReaderError error) {
    switch (error) {
    case QImageReader::FileNotFoundError:
        return QStringLiteral("Berkas gambar tidak ditemukan.");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("Jenis berkas gambar ini tidak dikenal.");
    case QImageReader::InvalidDataError:
        return QStringLiteral("Berkas gambar rusak.");
    case QImageReader::DeviceError:
    case QImageReader::UnknownError:
        break;
    }
    return QStringLiteral("Berkas gambar tidak dapat dibaca.");
}

} // namespace

MapsWindow::MapsWindow(const StudyContext& context)
    : StudyWindow(context, QStringLiteral("Form6"), QStringLiteral("Peta Alkitab")),
      picListPanel_(new QWidget(this)), combo1_(new QComboBox(picListPanel_)),
      list_(new QListWidget(picListPanel_)), view_(new PictureView(this)),
      rt1_(new QTextEdit(this)),
      command1_(new QPushButton(QStringLiteral(" Minimize / Maximize View"), this)) {
    picListPanel_->setObjectName(QStringLiteral("picListPanel"));
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setAccessibleName(QStringLiteral("Kategori"));
    list_->setObjectName(QStringLiteral("List1"));
    list_->setAccessibleName(QStringLiteral("Daftar peta dan gambar"));
    rt1_->setObjectName(QStringLiteral("rt1"));
    rt1_->setAccessibleName(QStringLiteral("Keterangan gambar"));
    command1_->setObjectName(QStringLiteral("Command1"));
    rt1_->setReadOnly(true);
    rt1_->setBackgroundRole(QPalette::Button);
    rt1_->setMaximumHeight(70);
    auto* panel = new QVBoxLayout(picListPanel_);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(new QLabel(QStringLiteral("Daftar Gambar"), picListPanel_));
    panel->addWidget(combo1_);
    panel->addWidget(list_, 1);
    auto* pictureSide = new QVBoxLayout;
    pictureSide->addWidget(command1_, 0, Qt::AlignLeft);
    pictureSide->addWidget(view_, 1);
    pictureSide->addWidget(rt1_);
    auto* body = new QHBoxLayout;
    body->addWidget(picListPanel_);
    body->addLayout(pictureSide, 1);
    setBodyLayout(body);
    auto* hover = new reader::HoverLabel(list_, this);
    hover->setObjectName(QStringLiteral("picLabel"));
    hover->label()->setObjectName(QStringLiteral("Label2"));

    const QScreen* screen = this->screen();
    resize(screen ? screen->geometry().width() * 4 / 5 : 800, 480);
    picListPanel_->setFixedWidth(reader::Twips(this, 3390));
    QFont font = list_->font();
    font.setPointSize(fontSize());
    list_->setFont(font);

    const auto& rows = context_.store.pictures();
    for (const auto& row : rows)
        list_->addItem(row.judul);
    combo1_->addItem(kAllPictures);
    combo1_->addItems(context_.store.pictureCategories());
    connect(combo1_, &QComboBox::activated, this, &MapsWindow::onCategory);
    connect(list_, &QListWidget::currentRowChanged, this, &MapsWindow::onTitle);
    connect(command1_, &QPushButton::clicked, this, &MapsWindow::toggleList);
    onCategory(0);
    showFor(0);
}

void MapsWindow::showFor(int row) {
    if (row >= 0 && row < list_->count())
        list_->setCurrentRow(row);
}

void MapsWindow::onCategory(int index) {
    combo1_->setCurrentIndex(index);
    list_->clear();
    list_->addItems(
        TitlesOf(context_.store.pictures(), combo1_->itemText(index), context_.programFolder));
}

void MapsWindow::onTitle(int row) {
    if (row < 0)
        return;
    const QString title = list_->item(row)->text();
    statusBar()->label()->setText(title);
    const store::PictureRow* picture = FindPicture(context_.store.pictures(), title);
    if (!picture)
        return;
    if (!IsPictureName(picture->gambar)) {
        context_.dialogs.message(BadPictureNameMessage(picture->gambar),
                                 platform::MessageButtons::Ok, platform::MessageIcon::Warning,
                                 QString());
        return;
    }
    const QString path = PicturePath(context_.dataFolder, context_.programFolder, picture->gambar);
    if (!loadPicture(path))
        return;
    SetViewText(rt1_, picture->keterangan);
    list_->setFocus();
}

bool MapsWindow::loadPicture(const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        context_.dialogs.message(PictureError(reader.error()) + u'\n' + path,
                                 platform::MessageButtons::Ok, platform::MessageIcon::None,
                                 QString());
        return false;
    }
    view_->setPicture(QPixmap::fromImage(image));
    return true;
}

void MapsWindow::toggleList() {
    picListPanel_->setVisible(picListPanel_->isHidden());
}

void MapsWindow::activated(const std::optional<StudyLook>& look) {
    if (!look)
        return;
    TakeFont(list_, look->listFont, true);
    // The picture's caption is store text like the verses: it takes their family.
    TakeFont(rt1_, look->verseFont, false);
}

} // namespace study
