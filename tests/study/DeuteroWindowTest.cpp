#include "study/DeuteroWindow.h"

#include "StudyHarness.h"
#include "study/DictionaryWindow.h"
#include "study/MapsWindow.h"
#include "study/ParablesWindow.h"
#include "study/ProphecyWindow.h"
#include "study/ThematicWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QAction* VersionItem(const QWidget& window, int n) {
    return window.findChild<QAction*>(QStringLiteral("MenuDeuterokanonika%1").arg(n));
}

} // namespace

TEST(DeuteroWindow, OpeningAVersionShowsTobit1InIt) {
    StudyHarness h;
    auto& windows = h.open();
    windows.showDeutero(2);
    auto& window = windows.deutero();
    Activate(window);
    EXPECT_EQ(Find<QListWidget>(window, "List1")->currentRow(), 0);
    EXPECT_EQ(Find<QListWidget>(window, "List1")->item(1)->text(), QStringLiteral("Judit"));
    EXPECT_EQ(Items(Find<QListWidget>(window, "List2")).size(), 14);
    EXPECT_EQ(Find<QTextEdit>(window, "rt1")->toPlainText(), QStringLiteral("1:1 Teks Toba Tobit"));
    EXPECT_EQ(Find<QLabel>(window, "Label1")->text(), QStringLiteral("Deuterokanonika Toba"));
    EXPECT_TRUE(VersionItem(window, 2)->isChecked());
    EXPECT_FALSE(VersionItem(window, 1)->isChecked());
}

TEST(DeuteroWindow, DanielsAdditionsListChapters3_13_14AndSwitchingVersionKeepsTheChapter) {
    StudyHarness h;
    auto& window = h.open().deutero();
    Activate(window);
    auto* books = Find<QListWidget>(window, "List1");
    auto* chapters = Find<QListWidget>(window, "List2");
    auto* text = Find<QTextEdit>(window, "rt1");
    books->setCurrentRow(6);
    EXPECT_EQ(Items(chapters),
              QStringList({QStringLiteral("3"), QStringLiteral("13"), QStringLiteral("14")}));
    chapters->setCurrentRow(1);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("13:1 Teks TB Tambahan Daniel"));

    VersionItem(window, 2)->trigger();
    EXPECT_EQ(text->toPlainText(),
              QStringLiteral("13:1 Teks Toba Tambatamba ni buku ni buku ni si Daniel"));
    EXPECT_EQ(Find<QLabel>(window, "Label2")->text(),
              QStringLiteral("Tambatamba ni buku ni buku ni si Daniel"));
    // The chapter list stays and still finds its chapters in the new version.
    chapters->setCurrentRow(2);
    EXPECT_EQ(text->toPlainText(),
              QStringLiteral("14:1 Teks Toba Tambatamba ni buku ni buku ni si Daniel"));
    VersionItem(window, 3)->trigger();
    EXPECT_EQ(text->toPlainText(), QStringLiteral("14:1 Teks BIS Tambahan Daniel"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Deuterokanonika Bahasa Indonesia Sehari-hari"));
}

TEST(DeuteroWindow, AChapterTheStoreLacksSaysSoInsteadOfShowingAnotherOne) {
    const QString none = QStringLiteral("Teks pasal ini tidak terdapat dalam database.");
    StudyHarness h;
    auto& window = h.open().deutero();
    Activate(window);
    auto* text = Find<QTextEdit>(window, "rt1");
    Find<QListWidget>(window, "List2")->setCurrentRow(13); // Tobit 14 is not stored
    EXPECT_EQ(text->toPlainText(), none);
    Find<QListWidget>(window, "List1")->setCurrentRow(8); // nor is II Makabe
    EXPECT_EQ(text->toPlainText(), none);
    EXPECT_EQ(Find<QLabel>(window, "Label2")->text(), QStringLiteral("II Makabe"));
    // Another version of a chapter that is missing stays missing.
    VersionItem(window, 2)->trigger();
    EXPECT_EQ(text->toPlainText(), none);
    Find<QListWidget>(window, "List1")->setCurrentRow(0);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("1:1 Teks Toba Tobit"));
}

TEST(DeuteroWindow, ThirdVersionHiddenWithoutKitab3AndTitlesFromTheStore) {
    fixture::Options options;
    options.twoVersionDeutero = true;
    StudyHarness h(options);
    h.add(QStringLiteral("UsysInfo"), {{"id", 201}, {"Keterangan", QStringLiteral("Deutero Uji")}});
    auto& windows = h.open();
    EXPECT_FALSE(windows.deuteroVersionOffered(3));
    auto& window = windows.deutero();
    EXPECT_FALSE(VersionItem(window, 3)->isVisible());
    EXPECT_TRUE(VersionItem(window, 2)->isVisible());
    EXPECT_EQ(Find<QLabel>(window, "Label1")->text(), QStringLiteral("Deutero Uji"));
    EXPECT_EQ(VersionItem(window, 2)->text(), QStringLiteral("Deuterokanonika Toba"));

    StudyHarness full;
    EXPECT_TRUE(full.open().deuteroVersionOffered(3));
    EXPECT_TRUE(VersionItem(full.windows->deutero(), 3)->isVisible());
}

TEST(DeuteroWindow, CopyAndClipBookNeedASelection) {
    StudyHarness h;
    auto& window = h.open().deutero();
    Activate(window);
    QSignalSpy copied(&window, &study::DeuteroWindow::copyToClipBook);
    auto* view = Find<QTextEdit>(window, "rt1");
    QMenu* menu = RightClick(view, "mnuPopup");
    ASSERT_NE(menu, nullptr);
    auto* copy = menu->findChild<QAction*>(QStringLiteral("mnuCopy"));
    auto* clipBook = menu->findChild<QAction*>(QStringLiteral("mnuCopyClipbook"));
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_FALSE(clipBook->isEnabled());
    menu->hide();

    for (QAction* action : menu->actions()) {
        if (action->text() == QStringLiteral("Pilih Ayat"))
            action->trigger();
    }
    EXPECT_EQ(view->textCursor().selectedText(), QStringLiteral("1:1 Teks TB Tobit"));
    RightClick(view, "mnuPopup");
    EXPECT_TRUE(copy->isEnabled());
    copy->trigger();
    clipBook->trigger();
    menu->hide();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1:1 Teks TB Tobit\n"));
    ASSERT_EQ(copied.size(), 1);
    EXPECT_EQ(copied[0][0].toString(),
              QStringLiteral("Deuterokanonika -- Tobit 1:1 Teks TB Tobit\n\n"));
}

TEST(DeuteroWindow, CariSemuaHandsOverTheExpressionUnchanged) {
    StudyHarness h;
    auto& windows = h.open();
    std::vector<study::DeuteroQuery> queries;
    windows.setCariDeutro([&](const study::DeuteroQuery& q) { queries.push_back(q); });
    windows.showDeutero(3);
    auto& window = windows.deutero();
    QTest::keyClicks(Find<QLineEdit>(window, "Text1"), QStringLiteral("Daniel's 'doa'"));
    Find<QCheckBox>(window, "Check1")->setChecked(true);
    QTest::mouseClick(Find<QPushButton>(window, "Command1"), Qt::LeftButton);
    ASSERT_EQ(queries.size(), 1u);
    EXPECT_EQ(queries[0].text, QStringLiteral("Daniel's 'doa'"));
    EXPECT_EQ(queries[0].version, 3);
    EXPECT_EQ(queries[0].title, QStringLiteral("Deuterokanonika Bahasa Indonesia Sehari-hari"));
    EXPECT_TRUE(queries[0].exact);
}

TEST(StudyWindows, AnEmptyStoreOpensEveryWindowWithEmptyLists) {
    StudyHarness h;
    QFile::remove(h.storePath);
    store::CreateDefaultDB(h.storePath);
    auto& windows = h.open();
    EXPECT_EQ(Find<QListWidget>(windows.parables(), "List1")->count(), 0);
    EXPECT_EQ(Find<QListWidget>(windows.prophecies(), "List1")->count(), 0);
    EXPECT_EQ(Find<QListWidget>(windows.dictionary(), "List1")->count(), 0);
    EXPECT_EQ(Find<QComboBox>(windows.thematic(), "cbTopik")->count(), 0);
    EXPECT_EQ(Find<QListWidget>(windows.maps(), "List1")->count(), 0);
    windows.showDictionary();
    QTest::keyClicks(Find<QLineEdit>(windows.dictionary(), "Text1"), QStringLiteral("a"));
    EXPECT_FALSE(windows.deuteroVersionOffered(3));
    windows.showDeutero(1);
    Activate(windows.deutero());
    EXPECT_EQ(Find<QTextEdit>(windows.deutero(), "rt1")->toPlainText(),
              QStringLiteral("Teks pasal ini tidak terdapat dalam database."));
    EXPECT_EQ(Find<QListWidget>(windows.deutero(), "List1")->currentRow(), 0);
}
