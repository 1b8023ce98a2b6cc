#include "ReaderHarness.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextFrame>

namespace {

const QString kMatius5Verse44 =
    QStringLiteral("5:44 Tetapi Aku berkata kepadamu: Kasihilah musuhmu.");

} // namespace

TEST(ChapterView, FirstStartShowsTheFirstBookOfTheOldTestamentWithItsVerses) {
    ReaderHarness reader;
    reader.open();
    EXPECT_TRUE(reader.option(1)->isChecked());
    EXPECT_EQ(reader.list1()->count(), 39);
    EXPECT_EQ(reader.list1()->currentRow(), 0);
    EXPECT_EQ(reader.title(), QStringLiteral("Kejadian  1"));
    EXPECT_TRUE(reader.rtf1()->toPlainText().startsWith(QStringLiteral("1:1 ")));
    EXPECT_EQ(reader.combo1()->count(), 3);
    EXPECT_EQ(reader.combo1()->itemText(0), QStringLiteral(" 1"));
    EXPECT_EQ(reader.combo1()->currentIndex(), -1);
    EXPECT_EQ(reader.list2()->item(0)->text(), QStringLiteral(" 1"));
    EXPECT_EQ(reader.window->windowTitle(), QStringLiteral("Vermara 2.0.0 - (c) LAI 1974"));
    EXPECT_EQ(reader.find<QLabel>(QStringLiteral("labelStatus"))->text(),
              QStringLiteral("Program Vermara  2.0.0 "));
    // "padanan" defaults to hidden; the first activation marks the installation.
    EXPECT_TRUE(reader.find<QWidget>(QStringLiteral("Frame2"))->isHidden());
    EXPECT_EQ(reader.settingsStore().get(QStringLiteral("VR2000"), QStringLiteral("CDInstall"),
                                         QStringLiteral("Installed")),
              QStringLiteral("yes"));
}

TEST(ChapterView, FirstActivationRestoresTheSavedPlace) {
    ReaderHarness reader;
    reader.saveKitab("perj", 2);
    reader.saveKitab("buku", 0);
    reader.saveKitab("pasal", 4);
    reader.open();
    EXPECT_TRUE(reader.option(2)->isChecked());
    EXPECT_EQ(reader.list1()->count(), 27);
    EXPECT_EQ(reader.list2()->currentRow(), 4);
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  5"));
    EXPECT_TRUE(reader.rtf1()->toPlainText().startsWith(QStringLiteral("5:1 Ketika")));
    EXPECT_EQ(reader.combo1()->count(), 48);
}

TEST(ChapterView, ASavedBookTheListLacksLeavesTheTestamentsFirstChapterShown) {
    ReaderHarness reader;
    reader.saveKitab("perj", 2);
    reader.saveKitab("buku", 40);
    reader.open();
    EXPECT_TRUE(reader.option(2)->isChecked());
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  1"));
    EXPECT_TRUE(reader.rtf1()->toPlainText().startsWith(QStringLiteral("1:1 Inilah")));
}

TEST(ChapterView, ChoosingTestamentBookChapterAndVerse) {
    ReaderHarness reader;
    reader.open();
    QTest::mouseClick(reader.option(2), Qt::LeftButton);
    EXPECT_EQ(reader.list1()->count(), 27);
    EXPECT_EQ(reader.list1()->item(0)->text(), QStringLiteral("Matius"));
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  1"));
    EXPECT_EQ(reader.combo1()->count(), 2);

    reader.list2()->setCurrentRow(4);
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  5"));
    EXPECT_EQ(reader.find<QLabel>(QStringLiteral("Label1"))->toolTip(),
              QStringLiteral(" Matius  5 "));
    EXPECT_EQ(reader.list2()->count(), 28);
    EXPECT_EQ(reader.combo1()->count(), 48);

    reader.chooseVerse(44);
    EXPECT_EQ(reader.selectedText(), kMatius5Verse44 + u'\n');
    reader.chooseVerse(4);
    EXPECT_EQ(reader.selectedText(), QStringLiteral("5:4 Berbahagialah orang yang berdukacita.\n"));
}

TEST(ChapterView, ChoosingTheVerseTheCaretStandsInStillSelectsIt) {
    ReaderHarness reader;
    reader.open();
    reader.showNewTestament(0, 5);
    reader.chooseVerse(1);
    EXPECT_TRUE(reader.selectedText().startsWith(QStringLiteral("5:1 Ketika")));
}

TEST(ChapterView, ParallelPanelFollowsTheVerseAndMatchesJoinedVerses) {
    ReaderHarness reader;
    reader.saveKitab("aktif2", 2);
    reader.open();
    reader.showNewTestament(0, 5);
    EXPECT_EQ(reader.rtf2()->toPlainText(),
              QStringLiteral("5:1 Yesus melihat orang banyak, lalu naik ke bukit."));
    reader.chooseVerse(3);
    EXPECT_EQ(reader.rtf2()->toPlainText(),
              QStringLiteral("5:3-4. Berbahagialah orang yang tahu mereka miskin dan yang "
                             "bersedih."));
    // The parallel version joined 5:4 into 5:3: the panel keeps its text, never 5:44.
    reader.chooseVerse(4);
    EXPECT_TRUE(reader.rtf2()->toPlainText().startsWith(QStringLiteral("5:3-4.")));
    reader.chooseVerse(44);
    EXPECT_EQ(reader.rtf2()->toPlainText(),
              QStringLiteral("5:44 Tetapi Aku berkata: cintailah musuhmu."));
}

TEST(ChapterView, AJoinedVerseOfTheActiveVersionFindsItsFirstVerseInTheParallel) {
    ReaderHarness reader;
    reader.saveKitab("aktif1", 2);
    reader.saveKitab("aktif2", 1);
    reader.open();
    reader.showNewTestament(0, 5);
    reader.clickAt(int(reader.rtf1()->toPlainText().indexOf(QStringLiteral("5:3-4."))) + 8);
    EXPECT_EQ(reader.rtf2()->toPlainText(),
              QStringLiteral("5:3 \"Berbahagialah orang yang miskin di hadapan Allah."));
}

TEST(ChapterView, AVerseTheParallelVersionLacksKeepsThePreviousText) {
    ReaderHarness reader;
    reader.saveKitab("aktif2", 3);
    reader.open();
    reader.showNewTestament(0, 5);
    reader.chooseVerse(5);
    EXPECT_EQ(reader.rtf2()->toPlainText(), QStringLiteral("5:5 PB Lemah lembut."));
    reader.chooseVerse(6);
    EXPECT_EQ(reader.rtf2()->toPlainText(), QStringLiteral("5:5 PB Lemah lembut."));
}

TEST(ChapterView, ClickingTwiceInsideOneVerseDoesNotLocateItAgain) {
    ReaderHarness reader;
    reader.saveKitab("aktif2", 2);
    reader.open();
    reader.showNewTestament(0, 5);
    const QString text = reader.rtf1()->toPlainText();
    const int verse2 = int(text.indexOf(QStringLiteral("5:2 ")));
    reader.clickAt(verse2 + 3);
    EXPECT_EQ(reader.rtf2()->toPlainText(), QStringLiteral("5:2 Ia mulai mengajar mereka."));
    reader.rtf2()->setPlainText(QStringLiteral("penanda"));
    reader.clickAt(verse2 + 20);
    EXPECT_EQ(reader.rtf2()->toPlainText(), QStringLiteral("penanda"));
    reader.clickAt(int(text.indexOf(QStringLiteral("5:44"))) + 6);
    EXPECT_EQ(reader.rtf2()->toPlainText(),
              QStringLiteral("5:44 Tetapi Aku berkata: cintailah musuhmu."));
}

TEST(ChapterView, ANewChapterRefreshesTheParallelPanelEvenOnTheSameLine) {
    ReaderHarness reader;
    reader.saveKitab("aktif2", 2);
    reader.open();
    reader.showNewTestament(0, 1);
    const QString chapter1 = reader.rtf2()->toPlainText();
    EXPECT_TRUE(chapter1.startsWith(QStringLiteral("1:1")));
    reader.list2()->setCurrentRow(4);
    EXPECT_TRUE(reader.rtf2()->toPlainText().startsWith(QStringLiteral("5:1 Yesus")));
}

TEST(ChapterView, AChapterMissingFromTheStoreEmptiesTheViews) {
    ReaderHarness reader;
    reader.open();
    reader.list2()->setCurrentRow(2); // Kejadian 3 is not in the store
    EXPECT_EQ(reader.title(), QStringLiteral("Kejadian  3"));
    EXPECT_TRUE(reader.rtf1()->toPlainText().isEmpty());
    EXPECT_TRUE(reader.rtf2()->toPlainText().isEmpty());
    EXPECT_EQ(reader.combo1()->count(), 0);
    reader.clickAt(0);
    EXPECT_TRUE(reader.rtf2()->toPlainText().isEmpty());
}

TEST(ChapterView, WholeChapterInTheParallelPanelUntilTheNextCaretMove) {
    ReaderHarness reader;
    reader.saveKitab("aktif2", 2);
    reader.open();
    reader.showNewTestament(0, 5);
    reader.action(QStringLiteral("menuPadananSeluruh"))->trigger();
    EXPECT_EQ(reader.rtf2()->toPlainText().count(u'\n'), 6);
    // A new text starts at its top and keeps the wrap margin.
    EXPECT_EQ(reader.rtf2()->textCursor().position(), 0);
    EXPECT_GT(reader.rtf2()->document()->rootFrame()->frameFormat().rightMargin(), 0);
    reader.clickAt(int(reader.rtf1()->toPlainText().indexOf(QStringLiteral("5:5"))) + 4);
    EXPECT_EQ(reader.rtf2()->toPlainText(),
              QStringLiteral("5:5 Berbahagialah orang yang rendah hati."));
}

TEST(ChapterView, ANewChapterTakesNothingOfThePreviousTextsLook) {
    ReaderHarness reader;
    reader.open();
    reader.rtf1()->setHtml(QStringLiteral("<h1><b>Pengantar</b> kitab</h1><p>lain</p>"));
    reader.showNewTestament(0, 5);
    QTextCursor first(reader.rtf1()->document());
    first.movePosition(QTextCursor::NextCharacter);
    EXPECT_NE(first.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(first.blockFormat().headingLevel(), 0);
    EXPECT_TRUE(reader.rtf1()->toPlainText().startsWith(QStringLiteral("5:1 ")));
    EXPECT_GT(reader.rtf1()->document()->rootFrame()->frameFormat().rightMargin(), 0);
}

TEST(ChapterView, ContextMenuItemsFollowTheSelection) {
    ReaderHarness reader;
    reader.open();
    QTextEdit* rtf1 = reader.rtf1();
    QMenu* menu = reader.find<QMenu>(QStringLiteral("MenuEdit"));
    const auto openMenu = [&] {
        emit rtf1->customContextMenuRequested(QPoint(5, 5));
        menu->hide();
    };
    reader.clickAt(2);
    openMenu();
    EXPECT_FALSE(reader.action(QStringLiteral("menuCopy"))->isEnabled());
    EXPECT_FALSE(reader.action(QStringLiteral("MenuCopyClipBook"))->isEnabled());
    EXPECT_TRUE(reader.action(QStringLiteral("MenuPilihSemua"))->isEnabled());
    EXPECT_TRUE(reader.action(QStringLiteral("MenuBookmark"))->isVisible());

    reader.action(QStringLiteral("MenuPilihAyat"))->trigger();
    EXPECT_TRUE(reader.selectedText().startsWith(QStringLiteral("1:1 ")));
    openMenu();
    EXPECT_TRUE(reader.action(QStringLiteral("menuCopy"))->isEnabled());

    reader.action(QStringLiteral("MenuPilihSemua"))->trigger();
    openMenu();
    EXPECT_FALSE(reader.action(QStringLiteral("MenuPilihSemua"))->isEnabled());
    EXPECT_FALSE(reader.action(QStringLiteral("MenuPilihAyat"))->isEnabled());
}

TEST(ChapterView, HoverLabelShowsBookNamesWiderThanTheList) {
    ReaderHarness reader;
    reader.open();
    reader.showNewTestament(0, 1);
    QListWidget* list = reader.list1();
    auto* hover = reader.find<QLabel>(QStringLiteral("Label3"));
    const auto moveOver = [&](int row) {
        const QPoint point = list->visualItemRect(list->item(row)).center();
        QMouseEvent move(QEvent::MouseMove, point, list->viewport()->mapToGlobal(point),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
    };
    moveOver(4); // Kisah Para Rasul
    EXPECT_TRUE(hover->isVisibleTo(reader.window));
    EXPECT_EQ(hover->text(), QStringLiteral("Kisah Para Rasul"));
    moveOver(5); // Roma fits
    EXPECT_FALSE(hover->parentWidget()->isVisibleTo(reader.window));
}

TEST(ChapterView, ASelectionMadeWithTheMouseSurvivesTheCaretTracking) {
    ReaderHarness reader;
    reader.saveKitab("aktif2", 2);
    reader.open();
    reader.showNewTestament(0, 5);
    const QString text = reader.rtf1()->toPlainText();
    QTextCursor cursor(reader.rtf1()->document());
    cursor.setPosition(int(text.indexOf(QStringLiteral("5:5"))));
    cursor.setPosition(int(text.indexOf(QStringLiteral("5:6"))) + 10, QTextCursor::KeepAnchor);
    reader.rtf1()->setTextCursor(cursor);
    QTest::mouseRelease(reader.rtf1()->viewport(), Qt::LeftButton, {},
                        reader.rtf1()->cursorRect(cursor).center());
    EXPECT_TRUE(reader.selectedText().startsWith(QStringLiteral("5:5 Berbahagialah")));
    EXPECT_EQ(reader.rtf2()->toPlainText(),
              QStringLiteral("5:5 Berbahagialah orang yang rendah hati."));
}

namespace {

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

} // namespace

TEST(ChapterView, ClickingTheCurrentBookOrChapterActsAgain) {
    ReaderHarness reader;
    reader.open();
    reader.showNewTestament(0, 5);
    ClickRow(reader.list1(), 0);
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  1"));
    EXPECT_EQ(reader.list2()->currentRow(), 0);

    reader.list2()->setCurrentRow(4);
    reader.chooseVerse(2);
    ASSERT_FALSE(reader.selectedText().isEmpty());
    ClickRow(reader.list2(), 4);
    EXPECT_TRUE(reader.selectedText().isEmpty());
    EXPECT_EQ(reader.combo1()->currentIndex(), -1);
    EXPECT_EQ(reader.window->navigator().verse(), 1);
    // A click on another row acts once.
    QSignalSpy chapters(&reader.window->navigator(), &reader::Navigator::chapterChanged);
    ClickRow(reader.list2(), 0);
    EXPECT_EQ(chapters.count(), 1);
    EXPECT_EQ(reader.title(), QStringLiteral("Matius  1"));
}

TEST(ChapterView, AClickInsideASelectionLocatesTheVerseWhereTheCaretLands) {
    ReaderHarness reader;
    reader.saveKitab("aktif2", 2);
    reader.open();
    reader.showNewTestament(0, 5);
    const QString text = reader.rtf1()->toPlainText();
    QTextCursor cursor(reader.rtf1()->document());
    cursor.setPosition(0);
    cursor.setPosition(int(text.indexOf(QStringLiteral("5:44"))), QTextCursor::KeepAnchor);
    reader.rtf1()->setTextCursor(cursor);
    reader.clickAt(int(text.indexOf(QStringLiteral("5:2 "))) + 10);
    EXPECT_FALSE(reader.rtf1()->textCursor().hasSelection());
    EXPECT_EQ(reader.rtf2()->toPlainText(), QStringLiteral("5:2 Ia mulai mengajar mereka."));
    EXPECT_EQ(reader.window->navigator().verse(), 2);
}

TEST(ChapterView, TheVerseChooserListShowsAtMostTwentyRows) {
    ReaderHarness reader;
    reader.open();
    reader.showNewTestament(0, 5);
    QComboBox* combo = reader.combo1();
    ASSERT_EQ(combo->count(), 48);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const int rows = view->viewport()->height() / view->sizeHintForRow(0);
    combo->hidePopup();
    EXPECT_LE(rows, 20);
    EXPECT_GE(rows, 19);
}
