#include "bookmarks/BookmarkWindow.h"

#include "LockHolder.h"
#include "platform/ReadingLook.h"
#include "platform/ScriptedDialogs.h"
#include "scripture/Notations.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using bookmarks::Bookmark;
using bookmarks::BookmarkList;
using bookmarks::BookmarkWindow;
using platform::DialogResult;

namespace {

const QString kPlaceholder = QStringLiteral("[isi dengan keterangan]");
const QString kConfirmation =
    QStringLiteral("Pastikan keterangan yang anda tulis sudah benar. "
                   "\r\nSimpan posisi Alkitab dan keterangannya sekarang?");

class BookmarkWindowTest : public testing::Test {
protected:
    BookmarkWindowTest() { open(); }

    // A new window reads the file again, as the next run of the program does.
    void open(BookmarkList::Writer writer = {}) { window = newWindow(std::move(writer)); }
    // Another reader's window on the same file.
    std::unique_ptr<BookmarkWindow> newWindow(BookmarkList::Writer writer = {}) {
        return std::make_unique<BookmarkWindow>(
            dialogs,
            BookmarkList(dir.path(), dir.filePath(QStringLiteral("tmp")), std::move(writer)), look);
    }
    QListWidget* list() const { return window->findChild<QListWidget*>(QStringLiteral("List")); }
    QPlainTextEdit* editor() const {
        return window->findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
    }
    QLineEdit* shownPosition() const {
        return window->findChild<QLineEdit*>(QStringLiteral("Text1"));
    }
    QPushButton* button(const char* name) const {
        return window->findChild<QPushButton*>(QString::fromUtf8(name));
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    void offer(const QString& book, int chapter, int verse) {
        window->OfferBookmark({book, chapter, verse},
                              {QStringLiteral("Kitab1"), QStringLiteral("WEB")});
    }
    void type(const QStringList& lines) {
        editor()->setFocus();
        editor()->selectAll();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(editor(), Qt::Key_Return);
            QTest::keyClicks(editor(), lines[i]);
        }
    }
    void save(const QStringList& lines, DialogResult answer) {
        type(lines);
        dialogs.queueAnswer(answer);
        click("Command3");
    }
    void add(const QString& note, const QString& book, int chapter, int verse) {
        offer(book, chapter, verse);
        save({note}, DialogResult::Ok);
    }
    QRect rowRect(int row) const { return list()->visualItemRect(list()->item(row)); }
    void clickRow(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rowRect(row).center());
    }
    // The right mouse button's request for the pop-up menu.
    void openMenu() {
        const QPoint at(5, 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list()->viewport(), &event);
    }
    QMenu* menu() const { return window->findChild<QMenu*>(QStringLiteral("MenuHapus")); }
    QAction* menuItem(const char* name) const {
        return menu()->findChild<QAction*>(QString::fromUtf8(name));
    }
    // Right-clicks the list and picks an item of the pop-up menu.
    void choose(const char* name) {
        openMenu();
        QAction* action = menuItem(name);
        ASSERT_TRUE(menu()->isVisible());
        ASSERT_TRUE(action->isVisible() && action->isEnabled()) << name;
        QTest::mouseClick(menu(), Qt::LeftButton, {}, menu()->actionGeometry(action).center());
        EXPECT_FALSE(menu()->isVisible());
    }
    QString dataFile() const { return dir.filePath(QStringLiteral("~vrBookmarks.tmp")); }
    QByteArray fileBytes() const {
        QFile file(dataFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QList<Bookmark> items() const { return window->bookmarks().items(); }

    QTemporaryDir dir;
    platform::ScriptedDialogs dialogs;
    platform::ReadingLook look;
    std::unique_ptr<BookmarkWindow> window;
};

} // namespace

TEST_F(BookmarkWindowTest, ThePlaceholderAndEmptyOrBlankNotesAreRefused) {
    offer(QStringLiteral("Matius"), 5, 44);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(editor()->toPlainText(), kPlaceholder);
    const QList<QStringList> refused = {{}, {QStringLiteral("    ")}, {"  ", "   ", ""}};
    click("Command3");
    EXPECT_EQ(editor()->toPlainText(), kPlaceholder);
    for (const QStringList& lines : refused) {
        type(lines);
        click("Command3");
    }
    ASSERT_EQ(dialogs.messages().size(), 4);
    for (const platform::RecordedMessage& message : dialogs.messages()) {
        EXPECT_EQ(message.text, QStringLiteral("Isi dahulu bagian keterangan"));
        EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(message.title, QStringLiteral("Vermara"));
    }
    EXPECT_TRUE(items().isEmpty());
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(BookmarkWindowTest, ANoteOverSeveralLinesIsConfirmedAndStoredAsOneLine) {
    offer(QStringLiteral("Matius"), 5, 44);
    save({QStringLiteral("Kasihilah musuhmu"), QStringLiteral("dan berdoalah")}, DialogResult::Ok);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text, kConfirmation);
    EXPECT_EQ(dialogs.messages()[0].buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Vermara"));
    const Bookmark expected{QStringLiteral("Kasihilah musuhmu dan berdoalah"),
                            QStringLiteral("Kitab1~~~~WEB"), QStringLiteral("Matius#5:44")};
    EXPECT_EQ(items(), QList<Bookmark>{expected});
    EXPECT_EQ(list()->item(0)->text(), expected.note);
    EXPECT_TRUE(editor()->toPlainText().isEmpty());
    EXPECT_EQ(button("Command3")->text(), QStringLiteral("Simpan"));
    // Adding alone writes nothing; " Tutup" does.
    EXPECT_FALSE(QFileInfo::exists(dataFile()));
    click("Command2");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(fileBytes(),
              QByteArray("Kasihilah musuhmu dan berdoalah#@#Kitab1~~~~WEB#@#Matius#5:44\r\n"));
}

TEST_F(BookmarkWindowTest, CancelAddsNothingEmptiesTheEditorAndLeavesUpdate) {
    add(QStringLiteral("pertama"), QStringLiteral("Rut"), 1, 16);
    offer(QStringLiteral("Matius"), 5, 44);
    save({QStringLiteral("batal")}, DialogResult::Cancel);
    EXPECT_EQ(items().size(), 1);
    EXPECT_TRUE(editor()->toPlainText().isEmpty());

    clickRow(0);
    choose("MenuEditBookmark");
    EXPECT_EQ(button("Command3")->text(), QStringLiteral("Update"));
    save({QStringLiteral("diubah")}, DialogResult::Cancel);
    EXPECT_EQ(items()[0].note, QStringLiteral("pertama"));
    EXPECT_TRUE(editor()->toPlainText().isEmpty());
    EXPECT_EQ(window->mode(), BookmarkWindow::Mode::Simpan);
    EXPECT_EQ(button("Command3")->text(), QStringLiteral("Simpan"));
}

TEST_F(BookmarkWindowTest, SelectingShowsThePositionAndJumpingHandsItOver) {
    add(QStringLiteral("pertama"), QStringLiteral("Kejadian"), 1, 1);
    add(QStringLiteral("terakhir"), QStringLiteral("Wahyu"), 22, 21);
    EXPECT_FALSE(button("Command1")->isEnabled());
    QSignalSpy jumps(window.get(), &BookmarkWindow::jumpRequested);

    clickRow(1);
    EXPECT_EQ(shownPosition()->text(), QStringLiteral("Wahyu#22:21"));
    EXPECT_EQ(editor()->toPlainText(), kPlaceholder);
    EXPECT_EQ(list()->toolTip(), QStringLiteral("terakhir"));
    ASSERT_TRUE(button("Command1")->isEnabled());
    click("Command1");
    // A double click starts with a press on the item.
    clickRow(0);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rowRect(0).center());
    ASSERT_EQ(jumps.size(), 2);
    EXPECT_EQ(jumps[0][0].value<scripture::LocationKey>(),
              (scripture::LocationKey{QStringLiteral("Wahyu"), 22, 21}));
    EXPECT_EQ(jumps[0][1].toString(), QStringLiteral("Kitab1~~~~WEB"));
    EXPECT_EQ(jumps[1][0].value<scripture::LocationKey>(),
              (scripture::LocationKey{QStringLiteral("Kejadian"), 1, 1}));
    EXPECT_EQ(shownPosition()->text(), QStringLiteral("Kejadian#1:1"));
}

TEST_F(BookmarkWindowTest, UpdatingKeepsPositionAndVersionEvenAfterANewOffer) {
    add(QStringLiteral("pertama"), QStringLiteral("Kejadian"), 1, 1);
    add(QStringLiteral("kedua"), QStringLiteral("Wahyu"), 22, 21);
    clickRow(1);
    choose("MenuEditBookmark");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("kedua"));
    // The main window offers its own position meanwhile; the note being edited stays.
    window->OfferBookmark({QStringLiteral("Rut"), 1, 16},
                          {QStringLiteral("Kitab2"), QStringLiteral("KJV")});
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("kedua"));
    save({QStringLiteral("kedua, diubah")}, DialogResult::Ok);
    EXPECT_EQ(items(), (QList<Bookmark>{{"pertama", "Kitab1~~~~WEB", "Kejadian#1:1"},
                                        {"kedua, diubah", "Kitab1~~~~WEB", "Wahyu#22:21"}}));
    EXPECT_EQ(list()->item(1)->text(), QStringLiteral("kedua, diubah"));
    EXPECT_EQ(list()->count(), 2);
    // Back in "Simpan", the next bookmark takes the offered position.
    offer(QStringLiteral("Rut"), 1, 16);
    save({QStringLiteral("ketiga")}, DialogResult::Ok);
    EXPECT_EQ(items().last().position, QStringLiteral("Rut#1:16"));
}

TEST_F(BookmarkWindowTest, DeletingOneBookmarkNeedsASelection) {
    add(QStringLiteral("pertama"), QStringLiteral("Kejadian"), 1, 1);
    add(QStringLiteral("tengah"), QStringLiteral("Rut"), 1, 16);
    add(QStringLiteral("terakhir"), QStringLiteral("Wahyu"), 22, 21);
    openMenu();
    EXPECT_FALSE(menuItem("MenuHapusBookmark")->isVisible());
    EXPECT_FALSE(menuItem("MenuEditBookmark")->isEnabled());
    EXPECT_TRUE(menuItem("MenuHapusDaftar")->isVisible());
    menu()->hide();

    // Deleting the bookmark being edited ends "Update", so no other note is overwritten.
    clickRow(2);
    choose("MenuEditBookmark");
    choose("MenuHapusBookmark");
    EXPECT_EQ(window->mode(), BookmarkWindow::Mode::Simpan);
    EXPECT_FALSE(button("Command1")->isEnabled());
    EXPECT_TRUE(shownPosition()->text().isEmpty());
    clickRow(0);
    choose("MenuHapusBookmark");
    ASSERT_EQ(items().size(), 1);
    EXPECT_EQ(items()[0].note, QStringLiteral("tengah"));
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("tengah"));
    EXPECT_EQ(list()->currentRow(), -1);
}

TEST_F(BookmarkWindowTest, DeletingTheListAndClosingRemovesTheFileForTheNextRun) {
    add(QStringLiteral("pertama"), QStringLiteral("Kejadian"), 1, 1);
    click("Command2");
    ASSERT_TRUE(QFileInfo::exists(dataFile()));

    open();
    ASSERT_EQ(list()->count(), 1);
    window->show();
    clickRow(0);
    choose("MenuHapusDaftar");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(shownPosition()->text().isEmpty());
    EXPECT_FALSE(button("Command1")->isEnabled());
    click("Command2");
    EXPECT_FALSE(QFileInfo::exists(dataFile()));
    open();
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(BookmarkWindowTest, EscHidesWithoutSavingAndAnOfferShowsTheWindowAgain) {
    add(QStringLiteral("pertama"), QStringLiteral("Kejadian"), 1, 1);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(QFileInfo::exists(dataFile()));
    offer(QStringLiteral("Rut"), 1, 16);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(list()->count(), 1);
}

TEST_F(BookmarkWindowTest, AListThatCannotBeSavedIsReported) {
    // A full disk: the new list cannot be written.
    open([](const QString&, const QString&) { return false; });
    add(QStringLiteral("pertama"), QStringLiteral("Kejadian"), 1, 1);
    dialogs.clear();
    click("Command2");
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text,
              QStringLiteral("Daftar bookmark tidak dapat disimpan di ") + dataFile());
    EXPECT_EQ(dialogs.messages()[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Vermara"));
    EXPECT_EQ(items().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(dataFile()));
}

TEST_F(BookmarkWindowTest, AListThatCannotBeReadIsReportedOnceAndNeverWrittenOver) {
    // A folder where the file belongs cannot be read.
    QDir().mkpath(dataFile());
    open();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Daftar bookmark tidak dapat dibaca: ") +
                                              dataFile() +
                                              QStringLiteral(" (di tempatnya ada sebuah folder)"));
    EXPECT_EQ(dialogs.messages()[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Vermara"));
    add(QStringLiteral("pertama"), QStringLiteral("Kejadian"), 1, 1);
    dialogs.clear();
    click("Command2");
    EXPECT_FALSE(window->SaveBookmarks_to_File());
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(QFileInfo(dataFile()).isDir());

    // Once the file can be read, the bookmark added meanwhile joins what it holds.
    ASSERT_TRUE(QDir(dataFile()).removeRecursively());
    QFile file(dataFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("lama#@#Kitab1~~~~WEB#@#Rut#1:16\r\n");
    file.close();
    EXPECT_TRUE(window->SaveBookmarks_to_File());
    EXPECT_TRUE(dialogs.messages().isEmpty());
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("lama"));
    EXPECT_EQ(list()->item(1)->text(), QStringLiteral("pertama"));
}

TEST_F(BookmarkWindowTest, TwoWindowsOnOneFileKeepEachOthersBookmarks) {
    // The helpers drive `window`; the other reader's window takes its place in turn.
    std::unique_ptr<BookmarkWindow> other = newWindow();
    add(QStringLiteral("pertama"), QStringLiteral("Kejadian"), 1, 1);
    std::swap(window, other);
    add(QStringLiteral("kedua"), QStringLiteral("Rut"), 1, 16);
    std::swap(window, other);
    click("Command2");
    std::swap(window, other);
    click("Command2");
    EXPECT_EQ(fileBytes(), QByteArray("pertama#@#Kitab1~~~~WEB#@#Kejadian#1:1\r\n"
                                      "kedua#@#Kitab1~~~~WEB#@#Rut#1:16\r\n"));
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("pertama"));

    // The second window deletes "pertama"; the first, still showing it, does not restore it.
    window->show();
    clickRow(0);
    choose("MenuHapusBookmark");
    click("Command2");
    std::swap(window, other);
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("pertama"));
    add(QStringLiteral("ketiga"), QStringLiteral("Wahyu"), 22, 21);
    click("Command2");
    EXPECT_EQ(fileBytes(), QByteArray("kedua#@#Kitab1~~~~WEB#@#Rut#1:16\r\n"
                                      "ketiga#@#Kitab1~~~~WEB#@#Wahyu#22:21\r\n"));
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("kedua"));
    EXPECT_EQ(list()->item(1)->text(), QStringLiteral("ketiga"));
}

TEST_F(BookmarkWindowTest, AListLockedByAnotherReaderIsReportedAndSavedAtTheNextTutup) {
    add(QStringLiteral("pertama"), QStringLiteral("Kejadian"), 1, 1);
    dialogs.clear();
    {
        LockHolder other(dataFile() + QStringLiteral(".lock"));
        ASSERT_TRUE(other.held());
        click("Command2");
    }
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text,
              QStringLiteral("Daftar bookmark sedang dipakai program lain, perubahan belum dapat "
                             "disimpan: ") +
                  dataFile());
    EXPECT_EQ(dialogs.messages()[0].icon, platform::MessageIcon::Warning);
    EXPECT_FALSE(QFileInfo::exists(dataFile()));
    ASSERT_EQ(list()->count(), 1);

    window->show();
    click("Command2");
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(fileBytes(), QByteArray("pertama#@#Kitab1~~~~WEB#@#Kejadian#1:1\r\n"));
}

TEST_F(BookmarkWindowTest, TheListAndEditorFollowTheReadingFontName) {
    look.setFont(QStringLiteral("Vermara Serif"), 10);
    window->show();
    EXPECT_EQ(list()->font().family(), QStringLiteral("Vermara Serif"));
    EXPECT_EQ(editor()->font().family(), QStringLiteral("Vermara Serif"));
    look.setFont(QStringLiteral("DejaVu Sans"), 14);
    EXPECT_EQ(list()->font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(editor()->font().family(), QStringLiteral("DejaVu Sans"));
}

TEST_F(BookmarkWindowTest, TheListTakingTheFocusChoosesNoBookmark) {
    add(QStringLiteral("pertama"), QStringLiteral("Kejadian"), 1, 1);
    add(QStringLiteral("kedua"), QStringLiteral("Wahyu"), 22, 21);
    click("Command2");
    open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    list()->setFocus(Qt::TabFocusReason);
    // Qt makes the first row current when the list takes the focus; that chooses nothing.
    EXPECT_TRUE(shownPosition()->text().isEmpty());
    EXPECT_FALSE(button("Command1")->isEnabled());
    openMenu();
    EXPECT_FALSE(menuItem("MenuHapusBookmark")->isVisible());
    EXPECT_FALSE(menuItem("MenuEditBookmark")->isEnabled());
    menu()->hide();
    QSignalSpy jumps(window.get(), &BookmarkWindow::jumpRequested);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, QPoint(2, list()->height() - 2));
    EXPECT_TRUE(jumps.isEmpty());
    ASSERT_EQ(items().size(), 2);

    // The arrow keys choose as a click does.
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(shownPosition()->text(), QStringLiteral("Wahyu#22:21"));
    EXPECT_TRUE(button("Command1")->isEnabled());
}
