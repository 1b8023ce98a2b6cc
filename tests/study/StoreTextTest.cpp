#include "../reader/ReaderHarness.h"
#include "StudyHarness.h"
#include "reader/InfoWindow.h"
#include "reader/ShellCommands.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "study/MapsWindow.h"
#include "study/ParablesWindow.h"
#include "study/PictureFiles.h"
#include "study/ProphecyWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTextDocument>

// Texts of a store that look like markup: a picture outside every folder of the programs and
// bold type. The user must read them as written, and no file may be opened for them.
namespace {

QString Secret(const QTemporaryDir& dir) {
    return dir.filePath(QStringLiteral("rahasia.png"));
}

// Short enough for the store's 50-character fields.
const QString kMarkup = QStringLiteral("<b>Tebal</b><img src=\"/r.png\">");

void WriteSecretPicture(const QTemporaryDir& dir) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(Secret(dir), "PNG"));
}

// What a label shows: its text as written, or, when Qt takes it for markup, what that
// markup renders to.
QString Shown(const QLabel* label) {
    const bool markup = label->textFormat() == Qt::RichText ||
                        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!markup)
        return label->text();
    QTextDocument rendered;
    rendered.setHtml(label->text());
    return rendered.toPlainText();
}

// What a tool tip shows, by the same rule (Qt decides a tip's format by its text alone).
QString ShownTip(const QString& tip) {
    if (!Qt::mightBeRichText(tip))
        return tip;
    QTextDocument rendered;
    rendered.setHtml(tip);
    return rendered.toPlainText();
}

void Update(const QString& path, const QString& sql, const QString& value) {
    store::Database db(path, store::Database::Mode::ReadWrite, store::kStorePassword);
    db.prepare(sql).bind(1, value).run();
}

} // namespace

TEST(StoreText, BookAndVersionNamesWithMarkupAreShownAsWrittenInTheMainWindow) {
    ReaderHarness h;
    const QString book = QStringLiteral("Kejadian ") + kMarkup;
    Update(h.storePath, QStringLiteral("UPDATE UsysKitab SET Kitab1 = ? WHERE Urutan = 1"), book);
    Update(h.storePath, QStringLiteral("UPDATE UsysAlkitab SET Buku = ? WHERE Buku = 'Kejadian'"),
           book);
    const QString version = QStringLiteral("Kabar ") + kMarkup;
    Update(h.storePath, QStringLiteral("UPDATE UsysVersi SET NamaVersi = ? WHERE nr = 2"), version);
    h.saveKitab("aktif2", 2);
    h.open();

    const auto* title = h.find<QLabel>(QStringLiteral("Label1"));
    EXPECT_EQ(Shown(title), book + QStringLiteral("  1"));
    EXPECT_EQ(ShownTip(title->toolTip()), u' ' + book + QStringLiteral("  1 "));
    EXPECT_EQ(ShownTip(h.rtf2()->toolTip()), u' ' + version + u' ');
    EXPECT_EQ(h.list1()->item(0)->text(), book);
    EXPECT_EQ(Shown(h.find<QLabel>(QStringLiteral("lblVersiPadanan"))), version);
}

TEST(StoreText, StudyTitlesWithMarkupAreShownAsWritten) {
    StudyHarness h;
    const QString parable = QStringLiteral("Penabur ") + kMarkup;
    Update(h.storePath, QStringLiteral("UPDATE UsysUmpama SET Perumpamaan = ? WHERE Urutan = 1"),
           parable);
    Update(h.storePath, QStringLiteral("UPDATE UsysNubuat SET Lama = ? WHERE Urutan = 1"),
           QStringLiteral("Zakharia#14:9") + kMarkup);
    auto& windows = h.open();

    auto& parables = windows.parables();
    const QString parableTitle = Shown(Find<QLabel>(parables, "Label1"));
    // Parable names are shown in proper case, so the letters may change but not the markup.
    EXPECT_TRUE(parableTitle.contains(QStringLiteral("<b>"), Qt::CaseInsensitive))
        << parableTitle.toStdString();
    EXPECT_TRUE(parableTitle.contains(QStringLiteral("/r.png"), Qt::CaseInsensitive))
        << parableTitle.toStdString();

    auto& prophecies = windows.prophecies();
    EXPECT_EQ(Shown(Find<QLabel>(prophecies, "Label3")),
              QStringLiteral("Nubuat di Zakharia#14:9") + kMarkup);
}

TEST(StoreText, APictureNamedOutsidePetaIsRefusedAndNoFileOutsideIsRead) {
    StudyHarness h;
    // The very file "../x.png" would reach from either picture folder.
    QImage outside(50, 50, QImage::Format_Mono);
    outside.fill(1);
    ASSERT_TRUE(outside.save(h.dataFolder() + QStringLiteral("x.png"), "PNG"));
    QDir().mkpath(h.programFolder() + QStringLiteral("/peta"));
    ASSERT_TRUE(outside.save(h.programFolder() + QStringLiteral("/x.png"), "PNG"));
    for (const QString& name :
         {QStringLiteral("../x.png"), QStringLiteral("..\\x.png"), QStringLiteral("/etc/x.png")}) {
        h.add(QStringLiteral("UsysGambar"), {{"Kategori", QStringLiteral("Luar")},
                                             {"Judul", QStringLiteral("<b>Luar</b> ") + name},
                                             {"Gambar", name}});
    }
    auto& window = h.open().maps();
    auto* list = Find<QListWidget>(window, "List1");
    EXPECT_TRUE(Items(list).filter(QStringLiteral("Luar")).isEmpty()); // not among all pictures
    auto* combo = Find<QComboBox>(window, "Combo1");
    emit combo->activated(combo->findText(QStringLiteral("Luar")));
    ASSERT_EQ(list->count(), 3);
    const QSize before = Find<QLabel>(window, "Picture2")->size();

    h.dialogs.clear();
    for (int row = 0; row < 3; ++row) {
        window.showFor(row);
        const QString gambar =
            study::FindPicture(h.store->pictures(), list->item(row)->text())->gambar;
        ASSERT_EQ(h.dialogs.messages().size(), row + 1);
        EXPECT_EQ(h.dialogs.messages().last().text, study::BadPictureNameMessage(gambar));
        EXPECT_EQ(Shown(Find<QLabel>(window, "labelStatus")),
                  QStringLiteral("<b>Luar</b> ") + gambar);
    }
    EXPECT_EQ(Find<QLabel>(window, "Picture2")->size(), before);
}

TEST(PictureFiles, ANameStaysInsideItsFolder) {
    for (const char* good : {"israel.png", "sub/peta.png", "a..b.png", "..png", ""})
        EXPECT_TRUE(study::IsPictureName(QString::fromUtf8(good))) << good;
    for (const char* bad : {"../x.png", "sub/../../x.png", "..\\x.png", "/etc/x.png",
                            "\\\\server\\x.png", "C:\\x.png", "c:x.png", ".."})
        EXPECT_FALSE(study::IsPictureName(QString::fromUtf8(bad))) << bad;
}

TEST(StoreText, TheInformationWindowKeepsItsRichTextButLoadsNoPictureItNames) {
    ReaderHarness h;
    WriteSecretPicture(h.dir);
    Update(h.storePath, QStringLiteral("UPDATE UsysInfo SET Keterangan = ? WHERE id = 3"),
           QStringLiteral("<p>Etika <b>Tebal</b><img src=\"%1\"></p>").arg(Secret(h.dir)));
    h.open();
    h.action(QStringLiteral("menuEtika"))->trigger();
    reader::InfoWindow* info = h.window->shell().infoWindow();
    ASSERT_NE(info, nullptr);
    auto* text = info->findChild<QTextEdit*>(QStringLiteral("RichTextBox1"));
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("Etika Tebal")));
    EXPECT_TRUE(text->toHtml().contains(QStringLiteral("font-weight:700")));
    const QVariant picture =
        text->document()->resource(QTextDocument::ImageResource, QUrl(Secret(h.dir)));
    // A document that read the file itself holds its bytes; one given a picture holds that.
    const QImage image = picture.typeId() == QMetaType::QByteArray
                             ? QImage::fromData(picture.toByteArray())
                             : picture.value<QImage>();
    EXPECT_NE(image.size(), QSize(40, 30));
}
