// The reader as the program composes it (ReaderApp), driven as a user drives it.
#include "ReaderHarness.h"
#include "bookmarks/BookmarkFile.h"
#include "bookmarks/BookmarkWindow.h"
#include "platform/Folders.h"
#include "platform/ReadingLook.h"
#include "reader/BookmarkCommands.h"
#include "reader/CommandTable.h"
#include "reader/FindCommands.h"
#include "reader/History.h"
#include "reader/SearchBar.h"
#include "reader/SearchCommands.h"
#include "results/Form2.h"
#include "search/SearchKeys.h"
#include "support/AccessibleTree.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

namespace {

using reader::Navigator;
using reader::ReaderCommand;

QWidget* TopLevel(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QString::fromUtf8(name))
            return window;
    }
    return nullptr;
}

template <typename T> T* Child(const QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void Trigger(const ReaderHarness& h, const char* item) {
    h.action(QString::fromUtf8(item))->trigger();
}

// Types the text into the search box and presses Enter: "Cari Semua" over the whole Bible.
void Search(const ReaderHarness& h, const QString& text) {
    h.window->searchBar().combo2()->setCurrentIndex(int(search::Scope::WholeBible));
    QLineEdit* box = h.window->searchBar().text1();
    box->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// The list's pop-up menu as a right click on the row raises it.
QMenu* RightClick(QListWidget* list, int row, const char* menuName) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
    return list->window()->findChild<QMenu*>(QString::fromUtf8(menuName));
}

// Saves the position on screen as a bookmark with the note, confirming the question.
void AddBookmark(ReaderHarness& h, const QString& note) {
    Trigger(h, "MenuBookmark");
    bookmarks::BookmarkWindow& window = h.app->bookmarks()->bookmarkWindow();
    auto* editor = Child<QPlainTextEdit>(&window, "Text2");
    editor->selectAll();
    QTest::keyClicks(editor, note);
    h.dialogs.queueAnswer(platform::DialogResult::Ok);
    QTest::mouseClick(Child<QPushButton>(&window, "Command3"), Qt::LeftButton);
}

// Ctrl+L, the reference typed into the field that then has the keyboard, and Enter.
void OpenReference(const ReaderHarness& h, const QString& reference) {
    QTest::keyClick(h.window, Qt::Key_L, Qt::ControlModifier);
    QWidget* field = QApplication::focusWidget();
    ASSERT_NE(field, nullptr);
    ASSERT_EQ(field->accessibleName(), QStringLiteral("Buka Ayat"));
    QTest::keyClicks(field, reference);
    QTest::keyClick(field, Qt::Key_Return);
}

QString FileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(EndToEnd, EveryCommandOfTheTablesIsBoundOnceOrLeftUnboundOnPurpose) {
    ReaderHarness h;
    h.open();
    const reader::CommandBindings& bindings = h.window->commands();
    for (const reader::CommandRow& row : reader::CommandRows())
        EXPECT_EQ(bindings.count(row.command), row.bound ? 1 : 0) << row.name.toStdString();
    for (const reader::KeyRow& row : reader::KeyRows())
        EXPECT_EQ(bindings.count(row.command), 1) << row.name.toStdString();
    for (const reader::ToolButtonRow& row : reader::ToolButtonRows())
        EXPECT_EQ(bindings.count(row.command), 1) << row.button;
    for (const reader::SearchButtonRow& row : reader::SearchButtonRows())
        EXPECT_EQ(bindings.count(row.command), 1) << row.button;
    EXPECT_EQ(bindings.count(ReaderCommand::BackToScripture), 1);
}

TEST(EndToEnd, EveryCheckMarkShowsAndFlipsItsOption) {
    ReaderHarness h;
    h.open();
    reader::ReaderOptions& options = h.window->options();
    for (const reader::CommandRow& row : reader::CommandRows()) {
        if (!row.checkable)
            continue;
        const std::string name = row.name.toStdString();
        QAction* item = h.action(row.name);
        if (!row.option) {
            // The parallel panel's item shows the panel, which is not an option.
            EXPECT_EQ(row.command, ReaderCommand::ToggleParallel) << name;
            continue;
        }
        const bool before = options.isOn(*row.option);
        EXPECT_EQ(item->isChecked(), before) << name;
        item->trigger();
        EXPECT_EQ(options.isOn(*row.option), !before) << name;
        EXPECT_EQ(item->isChecked(), !before) << name;
        options.set(*row.option, before);
        EXPECT_EQ(item->isChecked(), before) << name;
    }
}

TEST(EndToEnd, EachKeptSearchShowsItsOwnResultsAndTakesItsFileWhenDeleted) {
    ReaderHarness h;
    h.open();
    Search(h, QStringLiteral("kasih"));
    Search(h, QStringLiteral("Yesus"));
    results::Form2& results = h.app->search()->resultsWindow();
    ASSERT_EQ(results.resultList().size(), 2);
    const QString first = results.resultList().at(0).file;
    const QString second = results.resultList().at(1).file;
    ASSERT_NE(first, second);
    ASSERT_TRUE(QFile::exists(first));
    ASSERT_TRUE(QFile::exists(second));
    EXPECT_TRUE(first.startsWith(h.context().tempFolder));

    Trigger(h, "MenuDaftar");
    auto* list = Child<QListWidget>(&results, "List1");
    ASSERT_EQ(list->count(), 2);
    ClickRow(list, 0);
    QTest::mouseClick(Child<QPushButton>(&results, "cmdShow"), Qt::LeftButton);
    EXPECT_EQ(results.mode(), results::ResultsPage::Cari);
    EXPECT_TRUE(results.rt1()->toPlainText().contains(QStringLiteral("Kasihilah")));
    EXPECT_FALSE(results.rt1()->toPlainText().contains(QStringLiteral("Ketika Yesus")));
    Trigger(h, "MenuDaftar");
    ClickRow(list, 1);
    QTest::mouseClick(Child<QPushButton>(&results, "cmdShow"), Qt::LeftButton);
    EXPECT_TRUE(results.rt1()->toPlainText().contains(QStringLiteral("Ketika Yesus")));

    Trigger(h, "MenuDaftar");
    ClickRow(list, 0);
    QMenu* menu = RightClick(list, 0, "menuTemp");
    ASSERT_NE(menu, nullptr);
    menu->findChild<QAction*>(QStringLiteral("menuTempHapus"))->trigger();
    menu->hide();
    EXPECT_FALSE(QFile::exists(first));
    EXPECT_TRUE(QFile::exists(second));
    ASSERT_EQ(list->count(), 1);
    h.dialogs.queueAnswer(platform::DialogResult::Ok);
    QTest::mouseClick(Child<QPushButton>(&results, "cmdClear"), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(second));
    EXPECT_EQ(list->count(), 0);
}

TEST(EndToEnd, TheReadingFontReachesEveryWindowThatShowsText) {
    ReaderHarness h;
    h.open();
    // Opened before the change, the results window follows it all the same.
    Trigger(h, "MenuHasil");
    h.dialogs.queueFont(platform::FontChoice{QStringLiteral("DejaVu Sans"), 14, false, false});
    Trigger(h, "MenuSettingFont");
    const QString family = QStringLiteral("DejaVu Sans");
    EXPECT_EQ(h.rtf1()->font().family(), family);
    EXPECT_EQ(h.rtf1()->font().pointSizeF(), 14);

    h.window->navigator().goTo(QStringLiteral("Matius"), 5);
    const char* commands[][2] = {
        {"MenuBookmark", "Form17"}, {"MenuPerikop", "Form12"},  {"MenuPerumpamaan", "Form4"},
        {"MenuNubuat", "Form5"},    {"MenuKamus", "Form9"},     {"MenuTematik", "Form18"},
        {"MenuPeta", "Form6"},      {"MenuDeutero1", "Form11"}, {"MenuPengantar", "Form8"},
    };
    for (const auto& [item, windowName] : commands) {
        Trigger(h, item);
        QWidget* window = TopLevel(windowName);
        ASSERT_NE(window, nullptr) << windowName;
        EXPECT_TRUE(window->isVisible()) << windowName;
        const QList<QWidget*> views = window->findChildren<QWidget*>();
        int texts = 0;
        for (QWidget* view : views) {
            if (!qobject_cast<QTextEdit*>(view) && !qobject_cast<QListWidget*>(view))
                continue;
            ++texts;
            EXPECT_EQ(view->font().family(), family)
                << windowName << " " << view->objectName().toStdString();
        }
        EXPECT_GT(texts, 0) << windowName;
    }
    results::Form2& results = h.app->search()->resultsWindow();
    EXPECT_EQ(results.rt1()->font().family(), family);
    EXPECT_EQ(results.rt2()->font().family(), family);

    // The look at the end of the run is the one saved.
    Trigger(h, "menuSettingSimpan");
    h.window->close();
    EXPECT_EQ(h.setting(QStringLiteral("font"), QStringLiteral("name")), family);
    EXPECT_EQ(h.setting(QStringLiteral("font"), QStringLiteral("size")), QStringLiteral("14"));
}

TEST(EndToEnd, ClosingTheMainWindowEndsTheProgramWithTheBookmarksAndSettingsWritten) {
    ReaderHarness h;
    h.setSetting(QStringLiteral("Opsi"), QStringLiteral("saveset"), QStringLiteral("1"));
    h.open();
    h.window->navigator().goTo(QStringLiteral("Matius"), 5, 44);
    AddBookmark(h, QStringLiteral("Kasihilah musuhmu"));
    Trigger(h, "MenuHasil");
    Trigger(h, "MenuPerumpamaan");
    ASSERT_TRUE(TopLevel("Form17")->isVisible());
    ASSERT_TRUE(TopLevel("Form2")->isVisible());
    ASSERT_TRUE(TopLevel("Form4")->isVisible());

    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(7); });
    guard.start(10000);
    QTimer::singleShot(0, h.window, [&h] { h.window->close(); });
    const int ended = QApplication::exec();
    guard.stop();
    EXPECT_EQ(ended, 0) << "the event loop did not end with the main window";
    for (const QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    const QString bookmarkFile =
        platform::JoinPath(h.context().userDataFolder, bookmarks::kBookmarkFileName);
    EXPECT_TRUE(FileText(bookmarkFile).startsWith(QStringLiteral("Kasihilah musuhmu#@#Kitab1")));
    EXPECT_EQ(h.setting(QStringLiteral("kitab"), QStringLiteral("perj")), QStringLiteral("2"));
    EXPECT_EQ(h.setting(QStringLiteral("kitab"), QStringLiteral("pasal")), QStringLiteral("4"));
}

TEST(EndToEnd, TwoReadersOfOneUserBothKeepTheirBookmarkWhenTheyClose) {
    QTemporaryDir userData;
    ReaderHarness first({}, userData.path());
    ReaderHarness second({}, userData.path());
    first.open();
    second.open();
    first.window->navigator().goTo(QStringLiteral("Matius"), 5, 44);
    AddBookmark(first, QStringLiteral("Kasihilah musuhmu"));
    second.window->navigator().goTo(QStringLiteral("Kejadian"), 1, 1);
    AddBookmark(second, QStringLiteral("Pada mulanya"));
    first.window->close();
    second.window->close();
    const QList<bookmarks::Bookmark> saved = bookmarks::ParseBookmarkFile(
        FileText(platform::JoinPath(userData.path(), bookmarks::kBookmarkFileName)));
    ASSERT_EQ(saved.size(), 2);
    EXPECT_EQ(saved[0].note, QStringLiteral("Kasihilah musuhmu"));
    EXPECT_EQ(saved[0].position, QStringLiteral("Matius#5:44"));
    EXPECT_EQ(saved[1].note, QStringLiteral("Pada mulanya"));
    EXPECT_EQ(saved[1].position, QStringLiteral("Kejadian#1:1"));
    // Each reader asked only to confirm its bookmark: no save failed.
    EXPECT_EQ(first.dialogs.messages().size(), 1);
    EXPECT_EQ(second.dialogs.messages().size(), 1);
}

TEST(EndToEnd, AJumpWhileAnIntroductionFillsTheReadingViewShowsTheNewBooksChapter) {
    ReaderHarness h;
    h.setSetting(QStringLiteral("Opsi"), QStringLiteral("splitIntro"), QStringLiteral("0"));
    h.open();
    h.showNewTestament(0, 5);
    QTest::mouseClick(h.option(1), Qt::LeftButton);
    Trigger(h, "MenuPengantar");
    ASSERT_EQ(h.rtf1()->toPlainText(), QStringLiteral("Intro Kejadian"));
    const QStringList read = h.window->history().entries();

    // Books browsed beside an introduction show theirs; their chapters are never read.
    h.list1()->setCurrentRow(1);
    EXPECT_EQ(h.rtf1()->toPlainText(), QStringLiteral("Intro Keluaran"));
    QTest::mouseClick(h.option(2), Qt::LeftButton);
    EXPECT_EQ(h.rtf1()->toPlainText(), QStringLiteral("Intro Matius"));
    EXPECT_EQ(h.window->history().entries(), read);

    // F4 steps to the oldest place read, Matius 1, which replaces the introduction.
    QTest::keyClick(h.window, Qt::Key_F4);
    EXPECT_EQ(h.window->navigator().bookName(), QStringLiteral("Matius"));
    EXPECT_EQ(h.title(), QStringLiteral("Matius  1"));
    EXPECT_TRUE(h.rtf1()->toPlainText().startsWith(QStringLiteral("1:1 ")));
    EXPECT_EQ(h.window->state().isInfo, reader::ViewMode::Kitab);
    EXPECT_TRUE(h.find<QPushButton>(QStringLiteral("Command5"))->isHidden());

    // A bookmark's jump as well.
    Trigger(h, "MenuPengantar");
    ASSERT_EQ(h.rtf1()->toPlainText(), QStringLiteral("Intro Matius"));
    h.window->JumpLocation({QStringLiteral("Kejadian"), 2, 1});
    EXPECT_EQ(h.title(), QStringLiteral("Kejadian  2"));
    EXPECT_TRUE(h.rtf1()->toPlainText().startsWith(QStringLiteral("2:1")));
}

TEST(EndToEnd, APlaceChosenInTheResultsBringsTheMainWindowForward) {
    ReaderHarness h;
    h.open();
    Search(h, QStringLiteral("kasih"));
    results::Form2& results = h.app->search()->resultsWindow();
    results.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
    emit results.referenceChosen({QStringLiteral("Matius"), 5, 44});
    EXPECT_TRUE(QTest::qWaitForWindowActive(h.window));
    EXPECT_EQ(QApplication::focusWidget(), h.rtf1());
    EXPECT_EQ(h.title(), QStringLiteral("Matius  5"));
}

TEST(EndToEnd, AVersionChosenFromTheMenuKeepsTheKeyboardWhereItWas) {
    ReaderHarness h;
    h.open();
    h.showNewTestament(0, 5);
    h.rtf1()->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window));
    // Alt+A opens "Alkitab" from the keyboard; the second item is chosen with the arrows.
    QTest::keyClick(h.window, Qt::Key_A, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QWidget* entry = popup->focusWidget();
    ASSERT_NE(entry, nullptr);
    QTest::keyClick(entry, Qt::Key_Down);
    QTest::keyClick(popup->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(h.window->navigator().activeEntry(), 2);
    EXPECT_EQ(QApplication::focusWidget(), h.rtf1());
    h.list1()->setFocus();
    Trigger(h, "VersiKitab1");
    EXPECT_EQ(QApplication::focusWidget(), h.list1());
}

TEST(EndToEnd, TheTipsBoxCheckedInARunThatKeepsNoSettingsShowsTheTipsNextTime) {
    ReaderHarness h;
    QDir().mkpath(h.context().programFolder);
    QFile tips(h.context().programFolder + QStringLiteral("/VR_tips.dat"));
    ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
    tips.write("Tip satu\r\nTip dua\r\n");
    tips.close();
    h.open();
    Trigger(h, "MenuTips");
    QWidget* window = TopLevel("Form10");
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(Child<QCheckBox>(window, "Check1"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(window, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(h.action(QStringLiteral("MenuShowTip"))->isChecked());
    h.window->close();
    h.restart();
    EXPECT_TRUE(TopLevel("Form10")->isVisible());
}

TEST(EndToEnd, EveryWindowAndInteractiveControlHasANameAScreenReaderCanSay) {
    ReaderHarness h;
    h.open();
    h.showNewTestament(0, 5);
    const char* items[] = {"MenuHasil",     "MenuBookmark",  "MenuPerikop", "MenuPerumpamaan",
                           "MenuNubuat",    "MenuKamus",     "MenuTematik", "MenuPeta",
                           "MenuDeutero1",  "MenuPengantar", "MenuAbout",   "menuEtika",
                           "MenuCommentary"};
    for (const char* item : items)
        Trigger(h, item);
    Trigger(h, "MenuDaftar");
    QStringList unnamed = accessible::Unnamed(h.window);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != h.window && window->isVisible() && !qobject_cast<QMenu*>(window))
            unnamed += accessible::Unnamed(window);
    }
    // The modal windows, looked at while they are up.
    const auto whileModal = [&](const std::function<void()>& open) {
        QTimer::singleShot(50, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                unnamed += accessible::Unnamed(modal);
                modal->close();
            }
        });
        open();
    };
    whileModal([&] { h.window->showCrossReferenceJump(QStringLiteral("5:44 -> Lukas 6:27-28")); });
    whileModal([&] { Trigger(h, "menuSettingLokasiData"); });
    whileModal([&] { h.app->find()->openQueryEditor(); });
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u'\n').toStdString();
}

TEST(EndToEnd, WhatAMouseReachesTheKeyboardReachesToo) {
    ReaderHarness h;
    h.open();
    h.showNewTestament(0, 5);
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window));

    // Every menu of the menu bar opens with Alt and a letter.
    for (const reader::MenuRow& row : reader::MenuRows()) {
        if (!row.popup) {
            EXPECT_TRUE(row.title.contains(u'&')) << row.name.toStdString();
        }
    }

    // Shift+F10 in the parallel panel opens the panel's own menu.
    Trigger(h, "menuPadanan");
    QString opened;
    QTimer::singleShot(50, [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = popup->objectName();
            popup->close();
        }
    });
    h.rtf2()->setFocus();
    QTest::keyClick(h.rtf2(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(opened, QStringLiteral("menuOpsiPadanan"));

    // Ctrl+F9 gives the history list the keyboard; Enter goes to an entry, Escape puts it away.
    h.window->navigator().goTo(QStringLiteral("Yohanes"), 3);
    QTest::keyClick(h.window, Qt::Key_F9, Qt::ControlModifier);
    auto* history = h.find<QListWidget>(QStringLiteral("ListHistory"));
    ASSERT_TRUE(history->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), history);
    history->setCurrentRow(0);
    QTest::keyClick(history, Qt::Key_Return);
    EXPECT_EQ(h.window->navigator().bookName(), QStringLiteral("Matius"));
    QTest::keyClick(history, Qt::Key_Escape);
    EXPECT_FALSE(history->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), h.rtf1());
}

TEST(EndToEnd, TheBookmarkWindowWorksFromTheKeyboard) {
    ReaderHarness h;
    h.open();
    h.window->navigator().goTo(QStringLiteral("Yohanes"), 3, 16);
    AddBookmark(h, QStringLiteral("Kasih Allah"));
    h.window->navigator().goTo(QStringLiteral("Matius"), 1);
    bookmarks::BookmarkWindow& window = h.app->bookmarks()->bookmarkWindow();
    auto* editor = Child<QPlainTextEdit>(&window, "Text2");
    auto* list = Child<QListWidget>(&window, "List");
    auto* jump = Child<QPushButton>(&window, "Command1");
    // Tab leaves the note editor instead of writing a tab into it.
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_FALSE(editor->hasFocus());
    EXPECT_FALSE(editor->toPlainText().contains(u'\t'));
    // The arrows choose a bookmark; Tab then reaches "Buka Ayat" before the note.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_TRUE(jump->isEnabled());
    QWidget* next = list->nextInFocusChain();
    while (next && next != jump && next != editor)
        next = next->nextInFocusChain();
    EXPECT_EQ(next, static_cast<QWidget*>(jump));
    // Enter on the bookmark jumps there.
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(h.window->navigator().bookName(), QStringLiteral("Yohanes"));
    EXPECT_EQ(h.window->navigator().chapter(), 3);

    // The "Bookmark" command leaves the keyboard over the placeholder: typing writes the
    // note, Tab reaches "Simpan".
    Trigger(h, "MenuBookmark");
    EXPECT_EQ(window.focusWidget(), editor);
    QTest::keyClicks(editor, QStringLiteral("Injil"));
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Injil"));
    QTest::keyClick(editor, Qt::Key_Tab);
    auto* save = Child<QPushButton>(&window, "Command3");
    EXPECT_EQ(window.focusWidget(), save);
    h.dialogs.queueAnswer(platform::DialogResult::Ok);
    QTest::keyClick(save, Qt::Key_Space);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Injil"));
}

TEST(EndToEnd, CtrlLTakesATypedReferenceToItsPlaceAndARangeIsSelectedWhole) {
    ReaderHarness h;
    h.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window));
    OpenReference(h, QStringLiteral("mat 5:44"));
    EXPECT_EQ(h.title(), QStringLiteral("Matius  5"));
    EXPECT_TRUE(h.selectedText().startsWith(QStringLiteral("5:44 Tetapi Aku berkata")));
    EXPECT_EQ(QApplication::focusWidget(), h.rtf1());
    EXPECT_EQ(h.window->history().entries().last(), QStringLiteral("Kitab1@Matius# 5:44"));
    EXPECT_EQ(h.find<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("Matius  5"));

    OpenReference(h, QStringLiteral("I.Kej 1"));
    EXPECT_EQ(h.title(), QStringLiteral("Matius  5"));
    OpenReference(h, QStringLiteral("Kej 1:1-2"));
    EXPECT_EQ(h.title(), QStringLiteral("Kejadian  1"));
    const QString range = h.selectedText();
    EXPECT_TRUE(range.startsWith(QStringLiteral("1:1 Pada mulanya"))) << range.toStdString();
    EXPECT_TRUE(range.contains(QStringLiteral("\n1:2 "))) << range.toStdString();
    EXPECT_FALSE(range.contains(QStringLiteral("1:3"))) << range.toStdString();
    EXPECT_TRUE(h.dialogs.messages().isEmpty());
}

TEST(EndToEnd, AReferenceNotUnderstoodIsNamedUnderTheFieldWithoutABoxAndThePlaceStays) {
    ReaderHarness h;
    h.open();
    h.showNewTestament(0, 5);
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window));
    auto* line = h.find<QLabel>(QStringLiteral("lblBukaAyat"));
    OpenReference(h, QStringLiteral("Xyz 3:16"));
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->text(), QStringLiteral("Kitab \"Xyz\" tidak dikenal"));
    EXPECT_EQ(h.title(), QStringLiteral("Matius  5"));
    QWidget* field = QApplication::focusWidget();
    EXPECT_EQ(field->accessibleName(), QStringLiteral("Buka Ayat"));
    EXPECT_EQ(field->accessibleDescription(), line->text());
    OpenReference(h, QStringLiteral("Mat 5:49"));
    EXPECT_EQ(line->text(), QStringLiteral("Matius 5 tidak punya ayat 49"));
    // Typing again puts the line away.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_FALSE(line->isVisible());
    EXPECT_TRUE(h.dialogs.messages().isEmpty());
}

TEST(EndToEnd, CtrlPageDownAndUpStepChaptersFromMaleakhiToMatiusAndBack) {
    ReaderHarness h;
    h.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window));
    h.window->navigator().goTo(QStringLiteral("Maleakhi"), 4);
    h.rtf1()->setFocus();
    QTest::keyClick(h.rtf1(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(h.title(), QStringLiteral("Matius  1"));
    EXPECT_TRUE(h.option(2)->isChecked());
    EXPECT_EQ(h.list1()->currentItem()->text(), QStringLiteral("Matius"));
    QTest::keyClick(h.rtf1(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(h.title(), QStringLiteral("Maleakhi  4"));
    EXPECT_TRUE(h.option(1)->isChecked());
    // From the book list too, within a book.
    h.list2()->setFocus();
    QTest::keyClick(h.list2(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(h.title(), QStringLiteral("Maleakhi  3"));
    EXPECT_EQ(h.list2()->currentRow(), 2);
}

TEST(EndToEnd, TypingANumberInTheChapterListOrVerseChooserChoosesIt) {
    ReaderHarness h;
    h.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window));
    Navigator& nav = h.window->navigator();
    nav.goTo(QStringLiteral("Mazmur"), 1);
    const qsizetype recorded = h.window->history().entries().size();
    h.list2()->setFocus();
    QTest::keyClicks(h.list2(), QStringLiteral("119"));
    EXPECT_EQ(h.title(), QStringLiteral("Mazmur  119"));
    EXPECT_EQ(h.list2()->currentRow(), 118);
    // Chapters 1 and 11 were passed over, not shown.
    EXPECT_EQ(h.window->history().entries().size(), recorded + 1);
    QTest::keyClicks(h.list2(), QStringLiteral("2"));
    QTest::keyClick(h.list2(), Qt::Key_Return);
    EXPECT_EQ(h.title(), QStringLiteral("Mazmur  2"));
    QTest::keyClicks(h.list2(), QStringLiteral("1"));
    QTRY_COMPARE(h.title(), QStringLiteral("Mazmur  1"));

    nav.goTo(QStringLiteral("Matius"), 5);
    h.combo1()->setFocus();
    QTest::keyClicks(h.combo1(), QStringLiteral("44"));
    EXPECT_EQ(nav.verse(), 44);
    EXPECT_TRUE(h.selectedText().startsWith(QStringLiteral("5:44 ")));
}

TEST(EndToEnd, AChosenVerseLandsNearTheTopOfTheReadingView) {
    ReaderHarness h;
    h.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window));
    platform::ReadingLook& look = h.window->models().look;
    look.setFont(look.fontName(), 28);
    h.window->resize(520, 360);
    h.showNewTestament(0, 5);
    QApplication::processEvents();
    for (int verse : {5, 44}) {
        if (verse == 5)
            h.chooseVerse(5);
        else
            OpenReference(h, QStringLiteral("Mat 5:44"));
        QTextCursor start(h.rtf1()->document());
        start.setPosition(h.rtf1()->textCursor().selectionStart());
        const QRect line = h.rtf1()->cursorRect(start);
        EXPECT_GT(h.rtf1()->verticalScrollBar()->value(), 0) << verse;
        EXPECT_GE(line.top(), 0) << verse;
        EXPECT_LE(line.top(), 2 * line.height()) << verse;
    }
}

TEST(EndToEnd, EachPaneNamesItsVersionAndFollowsEverySwitch) {
    ReaderHarness h;
    h.open();
    auto* active = h.find<QLabel>(QStringLiteral("lblVersiAktif"));
    auto* parallel = h.find<QLabel>(QStringLiteral("lblVersiPadanan"));
    EXPECT_TRUE(active->isVisible());
    EXPECT_EQ(active->text(), QStringLiteral("Alkitab Terjemahan Baru"));
    EXPECT_EQ(parallel->text(), h.window->navigator().parallelName());
    EXPECT_FALSE(parallel->text().isEmpty());
    h.window->ChangeVersion(2);
    EXPECT_EQ(active->text(), QStringLiteral("Alkitab Kabar Baik"));
    h.window->chooseParallelVersion(3);
    EXPECT_EQ(parallel->text(), QStringLiteral("Perjanjian Baru Saja"));
}

TEST(EndToEnd, TheCommentaryWindowOpensBesideTheMainWindowAndFollowsEveryMove) {
    ReaderHarness h;
    h.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window));
    h.showNewTestament(0, 5);
    ASSERT_TRUE(h.action(QStringLiteral("MenuCommentary"))->isVisible());
    Trigger(h, "MenuCommentary");
    QWidget* window = TopLevel("FormTafsiran");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tafsiran Alkitab"));
    EXPECT_EQ(window->geometry().left(),
              h.window->frameGeometry().left() + h.window->frameGeometry().width());
    auto* view = Child<QTextEdit>(window, "rtfTafsiran");
    auto* title = Child<QLabel>(window, "lblTafsiran");
    EXPECT_EQ(title->text(), QStringLiteral("Tafsiran Matius 5"));
    EXPECT_EQ(view->toPlainText(), QStringLiteral("Tafsiran Matius 5: Khotbah di Bukit dimulai "
                                                  "dengan ucapan bahagia.\nBaris kedua tafsiran."));
    OpenReference(h, QStringLiteral("Kej 1"));
    EXPECT_EQ(title->text(), QStringLiteral("Tafsiran Kejadian 1"));
    EXPECT_TRUE(view->toPlainText().startsWith(QStringLiteral("Tafsiran Kejadian 1: Allah")));
    QTest::keyClick(h.window, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(title->text(), QStringLiteral("Tafsiran Kejadian 2"));
    EXPECT_EQ(view->toPlainText(), QStringLiteral("Tidak ada tafsiran untuk pasal ini."));
    EXPECT_TRUE(view->isReadOnly());
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST(EndToEnd, TheCommentaryItemStaysHiddenWhileTheStoresSwitchIsOff) {
    ReaderHarness h({.allModulesOff = true});
    h.open();
    EXPECT_FALSE(h.action(QStringLiteral("MenuCommentary"))->isVisible());
}

TEST(EndToEnd, SearchOptionsStartOffAndEnterTheSearchAndItsHeader) {
    ReaderHarness h;
    h.open();
    reader::SearchBar& bar = h.window->searchBar();
    EXPECT_FALSE(bar.wholeWords()->isChecked());
    EXPECT_FALSE(bar.fold()->isChecked());
    Search(h, QStringLiteral("kasih"));
    QTextEdit* rt1 = h.app->search()->resultsWindow().rt1();
    EXPECT_TRUE(rt1->toPlainText().contains(QStringLiteral(" -- Ditemukan : 2 ayat")));
    EXPECT_EQ(bar.optionsButton()->text(), QStringLiteral("Opsi \u25be"));
    bar.wholeWords()->trigger();
    EXPECT_EQ(bar.optionsButton()->text(), QStringLiteral("Opsi \u2713"));
    Search(h, QStringLiteral("kasih"));
    EXPECT_TRUE(rt1->toPlainText().contains(QStringLiteral(" -- Ditemukan : 1 ayat")));
    EXPECT_TRUE(rt1->toPlainText().contains(QStringLiteral(" -- Kata Utuh")));
}

TEST(EndToEnd, ResultsAreReadOnlyMarkedAtOnceAndEnterGoesToTheVerse) {
    ReaderHarness h;
    h.open();
    Search(h, QStringLiteral("kasih"));
    results::Form2& results = h.app->search()->resultsWindow();
    QTextEdit* rt1 = results.rt1();
    EXPECT_TRUE(rt1->isReadOnly());
    EXPECT_FALSE(results.rt2()->isReadOnly());
    const QString before = rt1->toPlainText();
    rt1->setFocus();
    QTest::keyClicks(rt1, QStringLiteral("xyz"));
    EXPECT_EQ(rt1->toPlainText(), before);
    // The found word is bold as soon as the results are on screen.
    const qsizetype at = before.indexOf(QStringLiteral("kasih Allah"));
    ASSERT_GE(at, 0);
    QTextCursor word(rt1->document());
    word.setPosition(int(at) + 2);
    EXPECT_EQ(word.charFormat().fontWeight(), QFont::Bold);
    // Enter on a verse line goes there and brings the main window forward.
    rt1->setTextCursor(word);
    results.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
    QTest::keyClick(rt1, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitForWindowActive(h.window));
    EXPECT_EQ(h.title(), QStringLiteral("Yohanes  3"));
    EXPECT_EQ(h.window->navigator().verse(), 16);
    EXPECT_EQ(rt1->toPlainText(), before);
}
