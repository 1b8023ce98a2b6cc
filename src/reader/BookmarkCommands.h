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
// a bookmark chosen there is shown through the main window's JumpLocation. The list is saved when
// the program ends.
class BookmarkCommands : public QObject {
    Q_OBJECT
public:
    BookmarkCommands(MainWindow& window, platform::Dialogs& dialogs);

    // The bookmark window, made on first use so that start-up does not read the file.
    bookmarks::BookmarkWindow& bookmarkWindow();
    void OfferBookmark();

private:
    MainWindow& window_;
    platform::Dialogs& dialogs_;
    bookmarks::BookmarkWindow* bookmarks_ = nullptr;
};

} // namespace reader
