#include "ReaderHarness.h"
#include "reader/ChapterView.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {

const QString kQuestion =
    QStringLiteral("Perjanjian Lama untuk versi ini tidak tersedia.\r\nLihat Perjanjian Baru ?");

struct Snapshot {
    QString windowTitle, title, text;
    int book, chapter;
    bool option1, option1Enabled;
    QList<bool> checks;

    explicit Snapshot(const ReaderHarness& reader)
        : windowTitle(reader.window->windowTitle()), title(reader.title()),
          text(reader.rtf1()->toPlainText()), book(reader.list1()->currentRow()),
          chapter(reader.list2()->currentRow()), option1(reader.option(1)->isChecked()),
          option1Enabled(reader.option(1)->isEnabled()) {
        for (int k = 1; k <= 3; ++k)
            checks.append(reader.action(QStringLiteral("VersiKitab%1").arg(k))->isChecked());
    }
    bool operator==(const Snapshot&) const = default;
};

} // namespace

TEST(Versions, MenusListEveryActiveVersionWithTheActiveOnesChecked) {
    ReaderHarness reader;
    reader.saveKitab("aktif2", 2);
    reader.open();
    EXPECT_EQ(reader.action(QStringLiteral("VersiKitab1"))->text(),
              QStringLiteral("Alkitab Terjemahan Baru"));
    EXPECT_TRUE(reader.action(QStringLiteral("VersiKitab1"))->isChecked());
    EXPECT_FALSE(reader.action(QStringLiteral("VersiKitab2"))->isChecked());
    EXPECT_TRUE(reader.action(QStringLiteral("OpsiKitab2"))->isChecked());
    EXPECT_EQ(reader.rtf2()->toolTip(), QStringLiteral(" Alkitab Kabar Baik "));
}

TEST(Versions, CancellingTheOldTestamentQuestionChangesNothing) {
    ReaderHarness reader;
    reader.open();
    reader.list1()->setCurrentRow(37); // Zakharia 14
    reader.list2()->setCurrentRow(13);
    const Snapshot before(reader);
    reader.dialogs.queueAnswer(platform::DialogResult::Cancel);
    reader.action(QStringLiteral("VersiKitab3"))->trigger();
    ASSERT_EQ(reader.dialogs.messages().size(), 1);
    EXPECT_EQ(reader.dialogs.messages().front().text, kQuestion);
    EXPECT_EQ(reader.dialogs.messages().front().buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(reader.dialogs.messages().front().title, QStringLiteral("Vermara"));
    EXPECT_TRUE(Snapshot(reader) == before);
    EXPECT_EQ(reader.window->navigator().activeColumn(), QStringLiteral("Kitab1"));
    EXPECT_TRUE(reader.window->updatesEnabled());
}

TEST(Versions, ConfirmingTheQuestionShowsTheFirstNewTestamentBookInThatVersion) {
    ReaderHarness reader;
    reader.open();
    reader.dialogs.queueAnswer(platform::DialogResult::Ok);
    reader.action(QStringLiteral("VersiKitab3"))->trigger();
    EXPECT_TRUE(reader.option(2)->isChecked());
    EXPECT_FALSE(reader.option(1)->isEnabled());
    EXPECT_EQ(reader.list1()->item(0)->text(), QStringLiteral("PB Matius"));
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  1"));
    EXPECT_TRUE(reader.rtf1()->toPlainText().contains(QStringLiteral("PB")));
    EXPECT_EQ(reader.window->windowTitle(), QStringLiteral("Vermara 2.0.0 - (c) PB"));
    EXPECT_TRUE(reader.action(QStringLiteral("VersiKitab3"))->isChecked());
    EXPECT_FALSE(reader.action(QStringLiteral("VersiKitab1"))->isChecked());
}

TEST(Versions, OnTheNewTestamentSwitchingKeepsThePlaceAndTogglesOption1) {
    ReaderHarness reader;
    reader.open();
    reader.showNewTestament(0, 5);
    reader.action(QStringLiteral("VersiKitab3"))->trigger();
    EXPECT_TRUE(reader.dialogs.messages().isEmpty());
    EXPECT_FALSE(reader.option(1)->isEnabled());
    EXPECT_EQ(reader.window->navigator().OTAvailable(), 0);
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  5"));
    EXPECT_TRUE(reader.rtf1()->toPlainText().startsWith(QStringLiteral("5:1 PB")));

    reader.action(QStringLiteral("VersiKitab2"))->trigger();
    EXPECT_TRUE(reader.option(1)->isEnabled());
    EXPECT_EQ(reader.window->navigator().OTAvailable(), 1);
    EXPECT_EQ(reader.list1()->currentRow(), 0);
    EXPECT_EQ(reader.list2()->currentRow(), 4);
    EXPECT_TRUE(reader.rtf1()->toPlainText().contains(QStringLiteral("5:3-4.")));
}

TEST(Versions, ChoosingTheParallelVersionShowsTheVerseInIt) {
    ReaderHarness reader;
    reader.open();
    reader.showNewTestament(0, 5);
    reader.chooseVerse(2);
    reader.action(QStringLiteral("OpsiKitab3"))->trigger();
    EXPECT_TRUE(reader.action(QStringLiteral("OpsiKitab3"))->isChecked());
    EXPECT_FALSE(reader.action(QStringLiteral("OpsiKitab1"))->isChecked());
    EXPECT_EQ(reader.rtf2()->toolTip(), QStringLiteral(" Perjanjian Baru Saja "));
    // The popup closes: the verse under the noted caret is shown in the new version.
    reader.window->chapterView().relocateAtCaret();
    EXPECT_EQ(reader.rtf2()->toPlainText(), QStringLiteral("5:2 PB Ia mengajar."));
}

TEST(Versions, SavedNumbersAreCatalogueNumbersEvenWithGaps) {
    fixture::Options options;
    options.catalogueWithGaps = true;
    ReaderHarness reader(options);
    reader.saveKitab("aktif1", 5);
    reader.saveKitab("aktif2", 7);
    reader.open();
    const reader::Navigator& nav = reader.window->navigator();
    EXPECT_EQ(nav.activeColumn(), QStringLiteral("Kitab2"));
    EXPECT_EQ(nav.parallelColumn(), QStringLiteral("Kitab3"));
    const int active = nav.activeEntry();
    EXPECT_EQ(nav.versions().nrOfEntry(active), 5);
    EXPECT_TRUE(reader.action(QStringLiteral("VersiKitab%1").arg(active))->isChecked());
    // Inactive catalogue rows keep their entry but stay out of the menus.
    EXPECT_EQ(active, 4);
    EXPECT_FALSE(reader.action(QStringLiteral("VersiKitab2"))->isVisible());
    EXPECT_TRUE(reader.action(QStringLiteral("VersiKitab1"))->isVisible());
}

TEST(Versions, ASavedVersionWithoutTheOldTestamentStartsOnTheNewOne) {
    ReaderHarness reader;
    reader.saveKitab("aktif1", 3);
    reader.open();
    EXPECT_FALSE(reader.option(1)->isEnabled());
    EXPECT_TRUE(reader.option(2)->isChecked());
    EXPECT_EQ(reader.list1()->item(0)->text(), QStringLiteral("PB Matius"));
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  1"));
}

TEST(Versions, ASavedOldTestamentPlaceOnAVersionWithoutItOpensTheFirstNewTestamentBook) {
    ReaderHarness reader;
    reader.saveKitab("aktif1", 3);
    reader.saveKitab("perj", 1);
    reader.saveKitab("buku", 5); // Yosua 3, which must not become Roma 3
    reader.saveKitab("pasal", 2);
    reader.open();
    EXPECT_TRUE(reader.option(2)->isChecked());
    EXPECT_EQ(reader.list1()->currentRow(), 0);
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  1"));
}

TEST(Versions, TheVersionMenuIsUsableFromTheKeyboard) {
    ReaderHarness reader;
    reader.open();
    QMenu* menu = reader.find<QMenu>(QStringLiteral("MenuAlkitab"));
    const auto open = [&] {
        menu->popup(reader.window->mapToGlobal(QPoint(10, 10)));
        QCoreApplication::processEvents();
    };
    // The checked version has the keyboard; Down and Return choose the next one.
    open();
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Down);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
    EXPECT_EQ(reader.window->navigator().activeEntry(), 2);
    EXPECT_FALSE(menu->isVisible());
    // Right goes to the second column, whose only item lacks the Old Testament.
    open();
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Right);
    reader.dialogs.queueAnswer(platform::DialogResult::Cancel);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
    ASSERT_EQ(reader.dialogs.messages().size(), 1);
    EXPECT_EQ(reader.window->navigator().activeEntry(), 2);
    // A letter shared by two items moves between them; a letter of one item chooses it.
    open();
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_A);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
    EXPECT_EQ(reader.window->navigator().activeEntry(), 1);
    open();
    reader.dialogs.queueAnswer(platform::DialogResult::Ok);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_P);
    EXPECT_EQ(reader.window->navigator().activeEntry(), 3);
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  1"));
}
