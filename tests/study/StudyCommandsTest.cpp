#include "study/StudyCommands.h"

#include "../reader/ReaderHarness.h"
#include "reader/ClipBookCommands.h"
#include "reader/MainMenus.h"
#include "reader/SearchCommands.h"
#include "results/Form2.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "study/DeuteroWindow.h"
#include "study/ParablesWindow.h"
#include "study/PericopeWindow.h"
#include "study/StudyWindows.h"
#include "study/ThematicWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The reader's window with its search and study commands, as the program puts them together.
struct StudyReader : ReaderHarness {
    StudyReader() {
        open();
        search = app->search();
        windows = app->studies();
        commands = app->studyCommands();
    }
    reader::SearchCommands* search;
    study::StudyWindows* windows;
    study::StudyCommands* commands;
};

} // namespace

TEST(StudyCommands, MenuItemsOpenTheirWindowsOnce) {
    StudyReader h;
    h.window->menus().action(reader::ReaderCommand::Parables)->trigger();
    study::ParablesWindow& parables = h.windows->parables();
    EXPECT_TRUE(parables.isVisible());
    parables.hide();
    h.window->menus().action(reader::ReaderCommand::Parables)->trigger();
    EXPECT_EQ(&h.windows->parables(), &parables);
    EXPECT_TRUE(parables.isVisible());
}

TEST(StudyCommands, TheDeuterocanonSearchShowsItsResultsInTheResultsWindow) {
    StudyReader h;
    h.window->menus().action(reader::ReaderCommand::Deutero1)->trigger();
    study::DeuteroWindow& deutero = h.windows->deutero();
    ASSERT_TRUE(deutero.isVisible());
    auto* text = deutero.findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(text, nullptr);
    QTest::keyClicks(text, QStringLiteral("Tobit"));
    QTest::mouseClick(deutero.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_TRUE(h.dialogs.messages().isEmpty());
    results::Form2& results = h.search->resultsWindow();
    EXPECT_TRUE(results.isVisible());
    EXPECT_TRUE(results.rt1()->toPlainText().contains(QStringLiteral("Deuterokanonika")))
        << results.rt1()->toPlainText().toStdString();
}

TEST(StudyCommands, ThematicCopyToClipBookLandsInTheClipBook) {
    StudyReader h;
    h.window->menus().action(reader::ReaderCommand::Thematic)->trigger();
    study::ThematicWindow& thematic = h.windows->thematic();
    auto* topics = thematic.findChild<QComboBox*>(QStringLiteral("cbTopik"));
    thematic.showFor(topics->findText(QStringLiteral("Kasih")));
    auto* view = thematic.findChild<QTextEdit*>(QStringLiteral("rtfAyat"));
    ASSERT_NE(view, nullptr);
    ASSERT_FALSE(view->toPlainText().isEmpty());
    view->selectAll();
    thematic.findChild<QAction*>(QStringLiteral("mnuClipBook"))->trigger();
    const QString clipBook = h.search->resultsWindow().rt2()->toPlainText();
    EXPECT_TRUE(clipBook.endsWith(view->toPlainText() + QStringLiteral("\n\n")))
        << clipBook.toStdString();
    EXPECT_FALSE(clipBook.startsWith(view->toPlainText()));
}

namespace {

// Matius 5 in the main window and its pericope index beside it.
struct PericopeReader : StudyReader {
    PericopeReader() {
        showNewTestament(0, 5);
        window->menus().action(reader::ReaderCommand::Pericope)->trigger();
    }
    study::PericopeWindow& form12() const { return commands->pericopes(); }
    QStringList items() const {
        QStringList texts;
        for (int row = 0; row < form12().list()->count(); ++row)
            texts << form12().list()->item(row)->text();
        return texts;
    }
    void clickRow(int row) {
        QListWidget* list = form12().list();
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
};

} // namespace

TEST(PericopeIndex, ListsTheBookShownAndFollowsItsChanges) {
    PericopeReader h;
    EXPECT_TRUE(h.form12().isVisible());
    EXPECT_EQ(h.form12().windowTitle(), QStringLiteral("Daftar Perikop Alkitab"));
    EXPECT_EQ(h.form12().findChild<QLabel*>(QStringLiteral("LabelKitab"))->text(),
              QStringLiteral("Matius"));
    EXPECT_EQ(h.items(), (QStringList{QStringLiteral("Ucapan bahagia\n[Matius#5:3-12]"),
                                      QStringLiteral("Tentang kasih\n[Matius#5:43-48]")}));
    // A book without pericopes empties the list.
    h.list1()->setCurrentRow(1);
    EXPECT_EQ(h.form12().findChild<QLabel*>(QStringLiteral("LabelKitab"))->text(),
              QStringLiteral("Markus"));
    EXPECT_TRUE(h.items().isEmpty());
    // Hidden, it no longer follows.
    QTest::keyClick(&h.form12(), Qt::Key_Escape);
    EXPECT_FALSE(h.form12().isVisible());
    h.list1()->setCurrentRow(0);
    EXPECT_TRUE(h.items().isEmpty());
}

TEST(PericopeIndex, AClickMovesTheNavigatorToTheFirstVerse) {
    PericopeReader h;
    h.list1()->setCurrentRow(0);
    h.list2()->setCurrentRow(0);
    ASSERT_EQ(h.window->navigator().chapter(), 1);
    h.clickRow(0);
    EXPECT_EQ(h.window->navigator().chapter(), 5);
    EXPECT_EQ(h.window->navigator().verse(), 3);
    EXPECT_TRUE(h.selectedText().startsWith(QStringLiteral("5:3 ")))
        << h.selectedText().toStdString();
    // Enter on a row does the same.
    h.form12().setSource(QStringLiteral("Matius"), QStringLiteral("Kasih==[Matius#5:44]"));
    h.form12().list()->setCurrentRow(0);
    QTest::keyClick(h.form12().list(), Qt::Key_Return);
    EXPECT_EQ(h.window->navigator().verse(), 44);
    EXPECT_TRUE(h.selectedText().startsWith(QStringLiteral("5:44 ")));
}

TEST(PericopeIndex, BlankAndBrokenLinesLeadNowhere) {
    PericopeReader h;
    h.form12().setSource(QStringLiteral("Matius"),
                         QStringLiteral("Tanpa rujukan\r\nUcapan bahagia==[Matius#5:3-12]\r\n"));
    EXPECT_EQ(h.items(), (QStringList{QStringLiteral("Tanpa rujukan\n"),
                                      QStringLiteral("Ucapan bahagia\n[Matius#5:3-12]"),
                                      QStringLiteral("\n")}));
    h.list2()->setCurrentRow(0);
    h.clickRow(0);
    h.clickRow(2);
    EXPECT_EQ(h.window->navigator().chapter(), 1);
}

TEST(PericopeIndex, MoreThanTwoHundredPericopesAllShowAndScroll) {
    PericopeReader h;
    QStringList lines;
    for (int k = 1; k <= 286; ++k)
        lines << QStringLiteral("Perikop %1==[Matius#5:%2]").arg(k).arg(k % 2 ? 1 : 44);
    h.form12().setSource(QStringLiteral("Mazmur"), lines.join(QStringLiteral("\r\n")));
    QCoreApplication::processEvents();
    QListWidget* list = h.form12().list();
    ASSERT_EQ(list->count(), 286);
    QScrollBar* bar = list->verticalScrollBar();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_GT(bar->maximum(), 0);
    h.clickRow(285);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(h.window->navigator().verse(), 44);
    // A short list does not scroll.
    h.form12().setSource(QStringLiteral("Matius"), QStringLiteral("A==[Matius#5:1]"));
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->maximum(), 0);
}

TEST(PericopeIndex, AKeyboardChosenPericopeIsDrawnInTheSelectionColours) {
    PericopeReader h;
    QListWidget* list = h.form12().list();
    list->setFocus();
    list->setCurrentRow(1);
    ASSERT_TRUE(list->item(1)->isSelected());
    QApplication::processEvents();
    const QRect rect = list->visualItemRect(list->item(1));
    const QImage picture = list->viewport()->grab(rect).toImage();
    const QRgb highlight = list->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    int filled = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            filled += picture.pixel(x, y) == highlight ? 1 : 0;
    // Most of the row is the selection colour, not an empty box with a frame.
    EXPECT_GT(filled, picture.width() * picture.height() / 5);
}

TEST(StudyCommands, DeuterocanonItemsCarryTheStoresNamesAndOnlyVersionsWithText) {
    ReaderHarness h;
    {
        store::Database db(h.storePath, store::Database::Mode::ReadWrite, store::kStorePassword);
        db.exec(QStringLiteral("UPDATE UsysDeuterokanonika SET Kitab2 = NULL"));
        db.exec(QStringLiteral("INSERT INTO UsysInfo (id, Keterangan) VALUES "
                               "(201, 'Deuterokanonika World English Bible')"));
    }
    h.open();
    QAction* first = h.action(QStringLiteral("MenuDeutero1"));
    EXPECT_EQ(first->text(), QStringLiteral("Deuterokanonika World English Bible"));
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(h.action(QStringLiteral("MenuDeutero2"))->isVisible());
    EXPECT_TRUE(h.action(QStringLiteral("MenuDeutero3"))->isVisible());
    EXPECT_EQ(h.action(QStringLiteral("MenuDeutero3"))->text(),
              QStringLiteral("Deuterokanonika Bahasa Indonesia Sehari-hari"));
    // The reader's own menu offers the same versions.
    h.app->studies()->showDeutero(1);
    auto* own =
        h.app->studies()->deutero().findChild<QAction*>(QStringLiteral("MenuDeuterokanonika2"));
    ASSERT_NE(own, nullptr);
    EXPECT_FALSE(own->isVisible());
}
