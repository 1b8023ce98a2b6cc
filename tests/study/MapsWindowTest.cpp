#include "study/MapsWindow.h"

#include "StudyHarness.h"
#include "study/PictureView.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

void WriteImage(const QString& path, QSize size) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_Mono);
    image.fill(1);
    ASSERT_TRUE(image.save(path, "PNG"));
}

// The fixture's pictures: "Peta Israel" (israel.png) only in the data folder; "Bagan Kanon"
// (kanon.png, small) and "Peta Yerusalem" (yerusalem.png, taller than 16 bits of twips)
// in the program folder.
StudyHarness& WithPictures(StudyHarness& h) {
    WriteImage(h.dataFolder() + QStringLiteral("Peta/israel.png"), QSize(30, 20));
    WriteImage(h.programFolder() + QStringLiteral("/peta/kanon.png"), QSize(20, 10));
    WriteImage(h.programFolder() + QStringLiteral("/peta/yerusalem.png"), QSize(40, 40000));
    return h;
}

QSize PictureSize(const QWidget& window) {
    return Find<QLabel>(window, "Picture2")->size();
}

} // namespace

TEST(MapsWindow, AllPicturesListsOnlyTheProgramFolderButACategoryShowsFromTheDataFolder) {
    StudyHarness h;
    WithPictures(h);
    auto& window = h.open().maps();
    auto* combo = Find<QComboBox>(window, "Combo1");
    auto* list = Find<QListWidget>(window, "List1");
    EXPECT_EQ(combo->itemText(0), QStringLiteral(" - Semua Gambar - "));
    EXPECT_EQ(Items(list),
              QStringList({QStringLiteral("Bagan Kanon"), QStringLiteral("Peta Yerusalem")}));
    EXPECT_EQ(PictureSize(window), QSize(20, 10));

    const int peta = combo->findText(QStringLiteral("Peta"));
    ASSERT_GT(peta, 0);
    combo->setCurrentIndex(peta);
    emit combo->activated(peta);
    EXPECT_EQ(Items(list), QStringList({QStringLiteral("Peta Israel")}));
    window.showFor(0);
    EXPECT_EQ(PictureSize(window), QSize(30, 20));
    EXPECT_EQ(Find<QLabel>(window, "labelStatus")->text(), QStringLiteral("Peta Israel"));
    EXPECT_EQ(Find<QTextEdit>(window, "rt1")->toPlainText(), QStringLiteral("Keterangan gambar"));
    EXPECT_TRUE(h.dialogs.messages().isEmpty());
}

TEST(MapsWindow, SmallPictureDisablesBothBarsAndALargeOneScrollsToItsEnd) {
    StudyHarness h;
    WithPictures(h);
    auto& window = h.open().maps();
    window.resize(900, 480);
    Activate(window);
    auto* vertical = Find<QScrollBar>(window, "VScroll1");
    auto* horizontal = Find<QScrollBar>(window, "HScroll1");
    EXPECT_FALSE(vertical->isEnabled());
    EXPECT_FALSE(horizontal->isEnabled());

    window.showFor(1);
    const QWidget* viewport = Find<QWidget>(window, "Picture1");
    EXPECT_TRUE(vertical->isEnabled());
    EXPECT_FALSE(horizontal->isEnabled());
    EXPECT_EQ(vertical->maximum(), 40000 - viewport->height());
    vertical->setValue(vertical->maximum());
    const QLabel* picture = Find<QLabel>(window, "Picture2");
    EXPECT_EQ(picture->geometry().bottom(), viewport->height() - 1); // its last row is on screen
}

TEST(MapsWindow, ABadPictureIsReportedAndThePreviousOneStays) {
    StudyHarness h;
    WithPictures(h);
    QFile bad(h.programFolder() + QStringLiteral("/peta/rusak.png"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("bukan gambar");
    bad.close();
    h.add(QStringLiteral("UsysGambar"), {{"Kategori", QStringLiteral("Rusak")},
                                         {"Judul", QStringLiteral("Peta Daud's")},
                                         {"Gambar", QStringLiteral("rusak.png")}});
    h.add(QStringLiteral("UsysGambar"), {{"Kategori", QStringLiteral("Rusak")},
                                         {"Judul", QStringLiteral("Hilang")},
                                         {"Gambar", QStringLiteral("hilang.png")}});
    auto& window = h.open().maps();
    auto* combo = Find<QComboBox>(window, "Combo1");
    const int rusak = combo->findText(QStringLiteral("Rusak"));
    emit combo->activated(rusak);
    ASSERT_EQ(Items(Find<QListWidget>(window, "List1")).size(), 2);

    window.showFor(0);
    window.showFor(1);
    ASSERT_EQ(h.dialogs.messages().size(), 2);
    for (const auto& message : h.dialogs.messages()) {
        EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
        EXPECT_TRUE(message.title.isEmpty());
    }
    // The reason is said in Indonesian, with the file it concerns.
    EXPECT_TRUE(h.dialogs.messages()[0].text.startsWith(
        QStringLiteral("Jenis berkas gambar ini tidak dikenal.\n")));
    EXPECT_TRUE(h.dialogs.messages()[0].text.endsWith(QStringLiteral("rusak.png")));
    EXPECT_TRUE(h.dialogs.messages()[1].text.startsWith(
        QStringLiteral("Berkas gambar tidak ditemukan.\n")));
    EXPECT_TRUE(h.dialogs.messages()[1].text.endsWith(QStringLiteral("hilang.png")));
    EXPECT_EQ(PictureSize(window), QSize(20, 10)); // the first title's picture stays
}

TEST(MapsWindow, MinimizeMaximizeHidesAndRestoresTheList) {
    StudyHarness h;
    WithPictures(h);
    auto& window = h.open().maps();
    Activate(window);
    auto* panel = Find<QWidget>(window, "picListPanel");
    auto* toggle = Find<QPushButton>(window, "Command1");
    EXPECT_EQ(toggle->text(), QStringLiteral(" Minimize / Maximize View"));
    const int viewWidth = Find<QWidget>(window, "Picture1")->width();
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    QTest::qWait(0);
    EXPECT_GT(Find<QWidget>(window, "Picture1")->width(), viewWidth);
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(panel->isVisible());
}
