#pragma once

#include <QObject>

namespace bookmarks {
class BookmarkWindow;
}

namespace reader {

struct AppContext;
class MainWindow;

// The main window's "Bookmark" command offers the reading position to the bookmark window;
// a bookmark chosen there is shown through the main window's JumpLocation. The list is saved
// when the program ends.
class BookmarkCommands : public QObject {
    Q_OBJECT
public:
    BookmarkCommands(MainWindow& window, AppContext& context);

    // The bookmark window, made on first use so that start-up does not read the file.
    bookmarks::BookmarkWindow& bookmarkWindow();
    void OfferBookmark();
    // At shut-down: the list of a window that was opened is written.
    void saveBookmarks();

private:
    MainWindow& window_;
    AppContext& context_;
    bookmarks::BookmarkWindow* bookmarks_ = nullptr;
};

} // namespace reader
