#include "StudyHarness.h"
#include "study/DictionaryWindow.h"
#include "study/ParablesWindow.h"
#include "study/ProphecyWindow.h"
#include "study/ThematicWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kMatius544 = QStringLiteral("5:44");

QVariant Null() {
    return QVariant(QMetaType::fromType<QString>());
}

// Parables beside the fixture's two: one told only by Lukas, stored in capitals with blanks
// round it; one told by no gospel; one with an apostrophe and a long name.
void AddParables(StudyHarness& h) {
    h.add(QStringLiteral("UsysUmpama"), {{"Urutan", 3},
                                         {"Perumpamaan", QStringLiteral("  DOMBA YANG HILANG ")},
                                         {"Matius", Null()},
                                         {"Markus", Null()},
                                         {"Lukas", QStringLiteral("Matius#5:44")},
                                         {"Yohanes", Null()}});
    h.add(QStringLiteral("UsysUmpama"), {{"Urutan", 4}, {"Perumpamaan", QStringLiteral("Ragi")}});
    h.add(QStringLiteral("UsysUmpama"),
          {{"Urutan", 5},
           {"Perumpamaan", QStringLiteral("Hamba yang tidak mau mengampuni utang kawan'nya "
                                          "walaupun utangnya sendiri telah dihapuskan")},
           {"Yohanes", QStringLiteral("Yohanes#3:16")}});
}

QRadioButton* Option(const QWidget& window, int n) {
    return Find<QRadioButton>(window, QStringLiteral("Option%1").arg(n).toUtf8().constData());
}

void MoveOver(QListWidget* list, int row) {
    const QPoint pos = list->visualItemRect(list->item(row)).center();
    QMouseEvent move(QEvent::MouseMove, pos, list->viewport()->mapToGlobal(pos), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
}

} // namespace

TEST(ParablesWindow, ListsInProperCaseAndShowsTheFirstGospelOfTheFirstParable) {
    StudyHarness h;
    AddParables(h);
    auto& window = h.open().parables();
    auto* list = Find<QListWidget>(window, "List1");
    EXPECT_EQ(Items(list).mid(0, 3),
              QStringList({QStringLiteral("Penabur"), QStringLiteral("Anak Yang Hilang"),
                           QStringLiteral("  Domba Yang Hilang ")}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(Option(window, 1)->isChecked());
    EXPECT_FALSE(Option(window, 2)->isEnabled());
    EXPECT_TRUE(Option(window, 3)->isEnabled());
    EXPECT_FALSE(Option(window, 4)->isEnabled());
    const QString text = Find<QTextEdit>(window, "rt1")->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("5:3 ")));
    EXPECT_EQ(text.count(u'\n'), 1); // 5:3 and 5:4
}

TEST(ParablesWindow, AParableToldOnlyByLukasIsFoundTrimmedAndShowsASingleVerse) {
    StudyHarness h;
    AddParables(h);
    auto& window = h.open().parables();
    window.showFor(2);
    EXPECT_FALSE(Option(window, 1)->isEnabled());
    EXPECT_FALSE(Option(window, 2)->isEnabled());
    EXPECT_TRUE(Option(window, 3)->isEnabled());
    EXPECT_TRUE(Option(window, 3)->isChecked());
    EXPECT_FALSE(Option(window, 4)->isEnabled());
    const QString text = Find<QTextEdit>(window, "rt1")->toPlainText();
    EXPECT_TRUE(text.startsWith(kMatius544));
    EXPECT_FALSE(text.contains(u'\n'));
}

TEST(ParablesWindow, AParableWithoutGospelsDisablesAllAndKeepsTheText) {
    StudyHarness h;
    AddParables(h);
    auto& window = h.open().parables();
    auto* rt1 = Find<QTextEdit>(window, "rt1");
    const QString before = rt1->toPlainText();
    window.showFor(3);
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(Option(window, n)->isEnabled()) << n;
    EXPECT_EQ(rt1->toPlainText(), before);
    EXPECT_EQ(Find<QLabel>(window, "Label1")->text(), QStringLiteral("Ragi"));
}

TEST(ParablesWindow, GospelOptionShowsItsPassageAndAnApostropheNameIsFound) {
    StudyHarness h;
    AddParables(h);
    auto& window = h.open().parables();
    auto* rt1 = Find<QTextEdit>(window, "rt1");
    QTest::mouseClick(Option(window, 3), Qt::LeftButton);
    // Lukas 8 is not in the store: the caption names it, the view keeps Matius.
    EXPECT_EQ(Find<QLabel>(window, "Label1")->text(), QStringLiteral("Penabur (Lukas#8:5-8)"));
    EXPECT_TRUE(rt1->toPlainText().startsWith(QStringLiteral("5:3 ")));
    window.showFor(4);
    EXPECT_TRUE(Option(window, 4)->isChecked());
    EXPECT_TRUE(rt1->toPlainText().startsWith(QStringLiteral("3:16 ")));
}

TEST(ParablesWindow, HoverTipOnlyForItemsWiderThanTheList) {
    StudyHarness h;
    AddParables(h);
    auto& window = h.open().parables();
    window.resize(600, 400);
    Activate(window);
    auto* list = Find<QListWidget>(window, "List1");
    auto* tip = Find<QLabel>(window, "Label3");
    MoveOver(list, 4);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_TRUE(tip->text().startsWith(QStringLiteral("Hamba Yang")));
    MoveOver(list, 0);
    EXPECT_FALSE(tip->isVisible());
}

TEST(ProphecyWindow, ShowsProphecyAndFulfilmentSideBySide) {
    StudyHarness h;
    h.add(QStringLiteral("UsysNubuat"), {{"Urutan", 3},
                                         {"Nubuat", QStringLiteral(" anak DAUD'S ")},
                                         {"Lama", QStringLiteral(" Kejadian#1:1-2 ")},
                                         {"Baru", QStringLiteral("Wahyu#99:1")}});
    auto& window = h.open().prophecies();
    EXPECT_EQ(Find<QLabel>(window, "Label3")->text(), QStringLiteral("Nubuat di Zakharia#14:9"));
    EXPECT_EQ(Find<QLabel>(window, "Label4")->text(),
              QStringLiteral("Penggenapan di Matius#5:44-45"));
    auto* rt1 = Find<QTextEdit>(window, "rt1");
    auto* rt2 = Find<QTextEdit>(window, "rt2");
    EXPECT_TRUE(rt1->toPlainText().startsWith(QStringLiteral("14:9 ")));
    EXPECT_EQ(rt2->toPlainText().split(u'\n').size(), 2);

    // Blanks and an apostrophe in the name; a fulfilment the store lacks keeps its view.
    const QString fulfilment = rt2->toPlainText();
    window.showFor(2);
    EXPECT_EQ(Find<QLabel>(window, "Label1")->text(), QStringLiteral(" Anak Daud's "));
    EXPECT_EQ(Find<QLabel>(window, "Label3")->text(), QStringLiteral("Nubuat di Kejadian#1:1-2"));
    EXPECT_TRUE(rt1->toPlainText().startsWith(QStringLiteral("1:1 ")));
    EXPECT_EQ(rt2->toPlainText(), fulfilment);
}

TEST(DictionaryWindow, TypeAheadSelectsTheSecondOfTwoAndIgnoresCase) {
    StudyHarness h;
    h.add(QStringLiteral("UsysKamus"),
          {{"Entri", QStringLiteral("Yehuda's")}, {"Penjelasan", QStringLiteral("Suku.")}});
    auto& window = h.open().dictionary();
    auto* list = Find<QListWidget>(window, "List1");
    auto* text1 = Find<QLineEdit>(window, "Text1");
    auto* rtf = Find<QTextEdit>(window, "rtf");
    const QStringList items = Items(list);
    ASSERT_EQ(items.size(), 4);
    // "abba" and "Abraham" both begin with "ab"; one of them is first in either order.
    ASSERT_TRUE(items[0].startsWith(QStringLiteral("ab"), Qt::CaseInsensitive));
    QTest::keyClicks(text1, QStringLiteral("aB"));
    ASSERT_GT(list->currentRow(), 0);
    EXPECT_TRUE(list->currentItem()->text().startsWith(QStringLiteral("ab"), Qt::CaseInsensitive));
    QTest::keyClicks(text1, QStringLiteral("r"));
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Abraham"));
    EXPECT_EQ(rtf->toPlainText(), QStringLiteral("Bapa orang beriman."));

    text1->clear();
    QTest::keyClicks(text1, QStringLiteral("YEHUDA'"));
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Yehuda's"));
    EXPECT_EQ(rtf->toPlainText(), QStringLiteral("Suku."));

    QTest::keyClicks(text1, QStringLiteral("x"));
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(rtf->toPlainText(), QStringLiteral("Suku.")); // the view keeps its text
}

TEST(ThematicWindow, TopicsDifferingInCaseAndBlanksAreListedTogether) {
    StudyHarness h;
    auto& window = h.open().thematic();
    auto* combo = Find<QComboBox>(window, "cbTopik");
    auto* list = Find<QListWidget>(window, "lstAyat");
    const int kasih = combo->findText(QStringLiteral("Kasih"));
    const int blanks = combo->findText(QStringLiteral(" kasih "));
    ASSERT_GE(kasih, 0);
    ASSERT_GE(blanks, 0);
    window.showFor(kasih);
    const QStringList references = Items(list);
    EXPECT_EQ(references.size(), 3);
    EXPECT_TRUE(references.contains(QStringLiteral("Yohanes#3:16")));
    EXPECT_TRUE(references.contains(QStringLiteral("Matius#5:3")));
    EXPECT_EQ(Find<QLabel>(window, "Label4")->text(), QStringLiteral("Kasih"));
    window.showFor(blanks);
    EXPECT_EQ(Items(list), references);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(Find<QTextEdit>(window, "rtfAyat")->toPlainText().isEmpty());
}

TEST(ThematicWindow, CopyToClipBookNeedsASelectionAndCarriesTheHeading) {
    StudyHarness h;
    auto& window = h.open().thematic();
    QSignalSpy copied(&window, &study::ThematicWindow::copyToClipBook);
    auto* view = Find<QTextEdit>(window, "rtfAyat");
    auto* list = Find<QListWidget>(window, "lstAyat");
    window.showFor(Find<QComboBox>(window, "cbTopik")->findText(QStringLiteral("Kasih")));
    list->setCurrentRow(Items(list).indexOf(QStringLiteral("Matius#5:44-45")));

    QMenu* menu = RightClick(view, "mnuCopy");
    ASSERT_NE(menu, nullptr);
    auto* clipBook = menu->findChild<QAction*>(QStringLiteral("mnuClipBook"));
    EXPECT_FALSE(clipBook->isEnabled());
    menu->hide();

    menu->findChild<QAction*>(QStringLiteral("mnuPilihSemua"))->trigger();
    EXPECT_EQ(view->textCursor().selectedText().size(), view->toPlainText().size());
    RightClick(view, "mnuCopy");
    EXPECT_TRUE(clipBook->isEnabled());
    clipBook->trigger();
    menu->hide();
    ASSERT_EQ(copied.size(), 1);
    EXPECT_EQ(copied[0][0].toString(),
              QStringLiteral("Kasih\nMatius# ") + view->toPlainText() + QStringLiteral("\n\n"));
}

TEST(ThematicWindow, AReferenceWithoutHashGivesAnEmptyBookPart) {
    StudyHarness h;
    h.add(QStringLiteral("UsysTematik"),
          {{"id", 9}, {"Topik", QStringLiteral("Awal")}, {"Ayat", QStringLiteral("Kejadian 1:1")}});
    auto& window = h.open().thematic();
    QSignalSpy copied(&window, &study::ThematicWindow::copyToClipBook);
    auto* view = Find<QTextEdit>(window, "rtfAyat");
    auto* topics = Find<QComboBox>(window, "cbTopik");
    window.showFor(topics->findText(QStringLiteral("Kasih")));
    const QString shown = view->toPlainText();
    ASSERT_FALSE(shown.isEmpty());
    window.showFor(topics->findText(QStringLiteral("Awal")));
    EXPECT_EQ(view->toPlainText(), shown); // the reference names no chapter: text kept
    view->selectAll();
    RightClick(view, "mnuCopy")->findChild<QAction*>(QStringLiteral("mnuClipBook"))->trigger();
    ASSERT_EQ(copied.size(), 1);
    EXPECT_TRUE(copied[0][0].toString().startsWith(QStringLiteral("Awal\n ") + shown));
}

TEST(ThematicWindow, AStoreWithoutTopicsOpensEmpty) {
    fixture::Options options;
    options.withTematik = false;
    StudyHarness h(options);
    auto& window = h.open().thematic();
    EXPECT_EQ(Find<QComboBox>(window, "cbTopik")->count(), 0);
    EXPECT_EQ(Find<QListWidget>(window, "lstAyat")->count(), 0);
    EXPECT_TRUE(Find<QTextEdit>(window, "rtfAyat")->toPlainText().isEmpty());
}

TEST(StudyWindows, EachWindowIsCreatedOnceAndOnlyHiddenAfterwards) {
    StudyHarness h;
    auto& windows = h.open();
    auto* first = &windows.dictionary();
    windows.showDictionary();
    first->hide();
    windows.showDictionary();
    EXPECT_EQ(&windows.dictionary(), first);
    EXPECT_TRUE(first->isVisible());
    Activate(*first);
    EXPECT_EQ(Find<QLabel>(*first, "labelStatus")->text(), QStringLiteral("Vermara versi 2.0.0"));
}

TEST(StudyWindows, ActivationCopiesTheMainStatusBarsLook) {
    QFrame main;
    main.setObjectName(QStringLiteral("picStatusBar"));
    auto* label = new QLabel(QStringLiteral("Program Vermara"), &main);
    label->setObjectName(QStringLiteral("labelStatus"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::darkBlue);
    label->setPalette(palette);
    StudyHarness h;
    h.mainStatusBar = &main;
    auto& window = h.open().prophecies();
    Activate(window);
    auto* status = Find<QLabel>(window, "labelStatus");
    EXPECT_EQ(status->text(), QStringLiteral("Vermara versi 2.0.0"));
    EXPECT_TRUE(status->font().bold());
    EXPECT_EQ(status->palette().color(QPalette::WindowText), QColor(Qt::darkBlue));
}
