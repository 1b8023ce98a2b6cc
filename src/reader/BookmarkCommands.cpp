#include "reader/BookmarkCommands.h"

#include "bookmarks/BookmarkFile.h"
#include "bookmarks/BookmarkList.h"
#include "bookmarks/BookmarkWindow.h"
#include "reader/Jumps.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "scripture/Notations.h"

#include <QCoreApplication>

namespace reader {

BookmarkCommands::BookmarkCommands(MainWindow& window, platform::Dialogs& dialogs)
    : QObject(&window), window_(window), dialogs_(dialogs) {
    connect(&window, &MainWindow::commandRequested, this, [this](ReaderCommand command) {
        if (command == ReaderCommand::Bookmark)
            OfferBookmark();
    });
}

bookmarks::BookmarkWindow& BookmarkCommands::bookmarkWindow() {
    if (bookmarks_)
        return *bookmarks_;
    bookmarks_ =
        new bookmarks::BookmarkWindow(dialogs_, bookmarks::BookmarkList::InUserFolders(), &window_);
    // The stored version is not used: the jump shows the place in the active version.
    connect(bookmarks_, &bookmarks::BookmarkWindow::jumpRequested, &window_,
            [this](const QString& position) { window_.JumpLocation(position); });
    window_.jumps().setBookmarkWindowShown([this] { return bookmarks_->isVisible(); });
    connect(&window_, &MainWindow::jumpWindowOpening, bookmarks_, &QWidget::hide);
    // Bookmarks change only through the window, so one never opened has nothing to save.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, bookmarks_,
            &bookmarks::BookmarkWindow::SaveBookmarks_to_File);
    return *bookmarks_;
}

void BookmarkCommands::OfferBookmark() {
    const Navigator& nav = window_.navigator();
    if (nav.bookIndex() < 0)
        return;
    bookmarkWindow().OfferBookmark(
        bookmarks::PositionToOffer(nav.bookName(), nav.chapter() - 1, nav.verse() - 1),
        scripture::VersionTag{nav.activeColumn(), nav.activeName()});
}

} // namespace reader
