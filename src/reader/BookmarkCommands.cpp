#include "reader/BookmarkCommands.h"

#include "bookmarks/BookmarkFile.h"
#include "bookmarks/BookmarkList.h"
#include "bookmarks/BookmarkWindow.h"
#include "reader/AppContext.h"
#include "reader/Jumps.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "scripture/Notations.h"

namespace reader {

BookmarkCommands::BookmarkCommands(MainWindow& window, AppContext& context)
    : QObject(&window), window_(window), context_(context) {
    window.commands().bind(ReaderCommand::Bookmark, [this] { OfferBookmark(); });
}

bookmarks::BookmarkWindow& BookmarkCommands::bookmarkWindow() {
    if (bookmarks_)
        return *bookmarks_;
    bookmarks_ = new bookmarks::BookmarkWindow(
        context_.dialogs, bookmarks::BookmarkList(context_.userDataFolder, context_.legacyFolder),
        window_.models().look, &window_);
    // The stored version is not used: the jump shows the place in the active version.
    connect(bookmarks_, &bookmarks::BookmarkWindow::jumpRequested, &window_,
            [this](const scripture::LocationKey& position) { window_.JumpLocation(position); });
    window_.jumps().setBookmarkWindowShown([this] { return bookmarks_->isVisible(); });
    connect(&window_, &MainWindow::jumpWindowOpening, bookmarks_, &QWidget::hide);
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

void BookmarkCommands::saveBookmarks() {
    // Bookmarks change only through the window, so one never opened has nothing to save.
    if (bookmarks_)
        bookmarks_->SaveBookmarks_to_File();
}

} // namespace reader
