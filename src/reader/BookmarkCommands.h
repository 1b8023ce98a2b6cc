#pragma once

#include "reader/ReaderCommand.h"

#include <QObject>

namespace platform {
class Dialogs;
}
namespace bookmarks {
class BookmarkWindow;
}

namespace reader {

class MainWindow;

// The main window's "Bookmark" command offers the reading position to the bookmark window;
// a bookmark chosen there moves the navigator. The list is saved when the program ends.
class BookmarkCommands : public QObject {
    Q_OBJECT
public:
    BookmarkCommands(MainWindow& window, platform::Dialogs& dialogs);

    bookmarks::BookmarkWindow& bookmarkWindow() { return *bookmarks_; }
    void OfferBookmark();

private:
    MainWindow& window_;
    bookmarks::BookmarkWindow* bookmarks_;
};

} // namespace reader
