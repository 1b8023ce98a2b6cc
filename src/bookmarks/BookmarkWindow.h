#pragma once

#include "bookmarks/BookmarkList.h"
#include "scripture/Notations.h"

#include <QDialog>

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Dialogs;
class ReadingLook;
} // namespace platform

namespace bookmarks {

// Form17: the saved reading positions with their notes. It never moves the reading view
// itself; a jump is announced with jumpRequested for the navigation to carry out.
class BookmarkWindow : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Simpan, Update };

    // The note list and the editor take the reading font's family.
    BookmarkWindow(platform::Dialogs& dialogs, BookmarkList list, const platform::ReadingLook& look,
                   QWidget* parent = nullptr);

    // The main window's "Bookmark" command: the current position and the active version
    // become the ones a new bookmark is saved with, and the window is shown.
    void OfferBookmark(const scripture::BookmarkPosition& position,
                       const scripture::VersionTag& version);
    // Called by the main window when it closes, and by " Tutup": merges this window's
    // changes into the file and shows the merged list. A failure is reported and the
    // changes are kept for the next save.
    bool SaveBookmarks_to_File();
    // A file that cannot be read is reported once and left as it is.
    void RetrieveBookmarks();

    const BookmarkList& bookmarks() const { return list_; }
    Mode mode() const { return mode_; }

signals:
    // The bookmark's position; the version it was saved with rides along.
    void jumpRequested(const scripture::LocationKey& position, const QString& version);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void layOut();
    void confirmNote();
    void storeNote(const QString& note);
    void setMode(Mode mode);
    // The bookmark the user selected; -1 while none is (the list's current row alone, which
    // Qt sets when the list takes the focus, chooses nothing).
    int selectedRow() const;
    void selectBookmark(int row);
    void showMenu(const QPoint& at);
    void editBookmark();
    void deleteBookmark();
    void deleteList();
    void jump();
    void closeAndSave();
    void fillList();
    void forgetSelection();
    void applyActivation();
    void takeLook();
    void reportUnreadable();
    void warn(const QString& text);

    platform::Dialogs& dialogs_;
    const platform::ReadingLook& look_;
    BookmarkList list_;
    Mode mode_ = Mode::Simpan;
    bool unreadableReported_ = false;
    QString positionToSave_; // Label2
    QString versionToSave_;  // lblVersiKitab
    QListWidget* notes_;     // List(0)
    QLineEdit* position_;    // Text1
    QPlainTextEdit* editor_; // Text2
    QPushButton* save_;      // Command3
    QPushButton* jump_;      // Command1
    QPushButton* close_;     // Command2
    QMenu* menu_;
    QAction* edit_;
    QAction* deleteOne_;
    QAction* deleteAll_;
};

} // namespace bookmarks
