#include "reader/BookmarkCommands.h"

#include "ReaderHarness.h"
#include "bookmarks/BookmarkFile.h"
#include "bookmarks/BookmarkWindow.h"
#include "reader/MainMenus.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

struct BookmarkHarness : ReaderHarness {
    BookmarkHarness() {
        open();
        commands = app->bookmarks();
    }
    // Saves the offered position with a note and answers what was kept.
    bookmarks::Bookmark saveOffered() {
        bookmarks::BookmarkWindow& window = commands->bookmarkWindow();
        auto* note = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
        note->selectAll();
        QTest::keyClicks(note, QStringLiteral("Khotbah di bukit"));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command3")),
                          Qt::LeftButton);
        const QList<bookmarks::Bookmark>& items = window.bookmarks().items();
        return items.isEmpty() ? bookmarks::Bookmark{} : items.last();
    }
    reader::BookmarkCommands* commands;
};

} // namespace

TEST(BookmarkCommands, TheMenuOffersTheChosenVerse) {
    BookmarkHarness h;
    h.window->navigator().goTo(QStringLiteral("Matius"), 5, 44);
    h.window->menus().action(reader::ReaderCommand::Bookmark)->trigger();
    bookmarks::BookmarkWindow& window = h.commands->bookmarkWindow();
    EXPECT_TRUE(window.isVisible());
    const bookmarks::Bookmark saved = h.saveOffered();
    EXPECT_EQ(saved.note, QStringLiteral("Khotbah di bukit"));
    EXPECT_EQ(saved.position, QStringLiteral("Matius#5:44"));
    EXPECT_TRUE(saved.version.startsWith(h.window->navigator().activeColumn()));
}

TEST(BookmarkCommands, AChapterWithoutAChosenVerseIsOfferedAtItsFirstVerse) {
    BookmarkHarness h;
    h.window->navigator().goTo(QStringLiteral("Matius"), 5);
    h.commands->OfferBookmark();
    EXPECT_EQ(h.saveOffered().position, QStringLiteral("Matius#5:1"));
}

TEST(BookmarkCommands, AJumpFromTheListMovesTheNavigator) {
    BookmarkHarness h;
    emit h.commands->bookmarkWindow().jumpRequested({QStringLiteral("Matius"), 5, 44},
                                                    QStringLiteral("Kitab1~~~~TB"));
    EXPECT_EQ(h.window->navigator().bookName(), QStringLiteral("Matius"));
    EXPECT_EQ(h.window->navigator().chapter(), 5);
    EXPECT_EQ(h.window->navigator().verse(), 44);
}
