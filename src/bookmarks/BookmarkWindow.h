#pragma once

#include "bookmarks/BookmarkList.h"

#include <QDialog>
#include <functional>

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Dialogs;
}
namespace scripture {
struct BookmarkPosition;
struct VersionTag;
} // namespace scripture

namespace bookmarks {

// Form17: the saved reading positions with their notes. It never moves the reading view
// itself; a jump is announced with jumpRequested for the navigation to carry out.
class BookmarkWindow : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Simpan, Update };

    BookmarkWindow(platform::Dialogs& dialogs, BookmarkList list, QWidget* parent = nullptr);

    // The main window's "Bookmark" command: the current position and the active version
    // become the ones a new bookmark is saved with, and the window is shown.
    void OfferBookmark(const scripture::BookmarkPosition& position,
                       const scripture::VersionTag& version);
    // Called by the main window when it closes, and by " Tutup".
    bool SaveBookmarks_to_File();
    void RetrieveBookmarks();

    // The font name of the reading view, asked for at every activation.
    void setReadingFontSource(std::function<QString()> source) { fontSource_ = std::move(source); }

    const BookmarkList& bookmarks() const { return list_; }
    Mode mode() const { return mode_; }

signals:
    // position as a location key (Matius#5:44); the version it was saved with rides along.
    void jumpRequested(const QString& position, const QString& version);

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

    platform::Dialogs& dialogs_;
    BookmarkList list_;
    Mode mode_ = Mode::Simpan;
    QString positionToSave_; // Label2
    QString versionToSave_;  // lblVersiKitab
    std::function<QString()> fontSource_;
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
