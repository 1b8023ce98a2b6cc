#include "reader/BookmarkCommands.h"

#include "bookmarks/BookmarkFile.h"
#include "bookmarks/BookmarkList.h"
#include "bookmarks/BookmarkWindow.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "scripture/Notations.h"

#include <QCoreApplication>

namespace reader {

BookmarkCommands::BookmarkCommands(MainWindow& window, platform::Dialogs& dialogs)
    : QObject(&window), window_(window),
      bookmarks_(new bookmarks::BookmarkWindow(dialogs, bookmarks::BookmarkList::InUserFolders(),
                                               &window)) {
    connect(&window, &MainWindow::commandRequested, this, [this](ReaderCommand command) {
        if (command == ReaderCommand::Bookmark)
            OfferBookmark();
    });
    connect(bookmarks_, &bookmarks::BookmarkWindow::jumpRequested, &window.navigator(),
            [this](const QString& position) { window_.navigator().goToKey(position); });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, bookmarks_,
            &bookmarks::BookmarkWindow::SaveBookmarks_to_File);
}

void BookmarkCommands::OfferBookmark() {
    const Navigator& nav = window_.navigator();
    if (nav.bookIndex() < 0)
        return;
    bookmarks_->OfferBookmark(
        bookmarks::PositionToOffer(nav.bookName(), nav.chapter() - 1, nav.verse() - 1),
        scripture::VersionTag{nav.activeColumn(), nav.activeName()});
}

} // namespace reader
