#pragma once

#include "reader/History.h"
#include "reader/ReaderSettings.h"
#include "reader/VersionTable.h"

#include <QObject>
#include <QStringList>
#include <optional>
#include <vector>

namespace store {
class Store;
struct BookRow;
} // namespace store

namespace reader {

// Whether a move enters the history: a history step, a book browsed while its study text
// fills the reading view and the restored place at start do not.
enum class Record { Yes, No };

// The one owner of the reading position: testament, book, chapter, verse and the active and
// parallel versions, with the history of the places shown. Windows ask it to move and observe
// its signals; it never touches a widget.
// Books are the store's rows of a testament in Urutan order, so a book index is a list position.
class Navigator : public QObject {
    Q_OBJECT
public:
    // What ChangeVersion answers: done, or the Old Testament on screen is missing in the
    // version and the user must be asked whether the New Testament may be shown.
    enum class VersionStep { Done, NeedsNewTestament, Unknown };

    explicit Navigator(const store::Store* store, QObject* parent = nullptr);
    const store::Store* store() const { return store_; }
    History& history() { return history_; }
    const History& history() const { return history_; }

    // The version table and the versions chosen at start from the saved catalogue numbers;
    // the testament follows the active version. No move is announced: restore() shows.
    void loadVersions(qint32 activeNr, qint32 parallelNr);
    const VersionTable& versions() const { return versions_; }

    bool oldTestament() const { return oldTestament_; }
    // OTAvailable: 1 while the active version holds the Old Testament.
    qint16 OTAvailable() const { return otAvailable_; }
    int bookIndex() const { return book_; } // -1 before a book is shown
    QString bookName() const;               // canonical name, empty without a book
    // The store's row of the book shown (introductions, cross references, pericopes).
    const store::BookRow* bookRow() const;
    int chapter() const { return chapter_; } // 1-based, 0 without one
    int verse() const { return verse_; }     // 0 when no verse was chosen

    int activeEntry() const { return activeEntry_; }
    QString activeColumn() const;
    QString activeName() const;
    int parallelEntry() const { return parallelEntry_; }
    QString parallelColumn() const;
    QString parallelName() const;

    // Display names of the shown testament's books in the active version.
    QStringList bookNames() const;
    // JumlahBuku of the current book.
    int chapterCount() const;
    // Ayat of the chapter shown; 0 when the store lacks the chapter.
    int verseCount() const;
    // Index of the shown chapter among the store's chapters.
    std::optional<int> chapterRow() const { return chapterRow_; }
    QString chapterText() const;
    QString parallelChapterText() const;

    // Option1/Option2: the testament's first book, chapter 1. The Old Testament is refused
    // while the active version lacks it.
    bool chooseTestament(bool oldTestament, Record record = Record::Yes);
    // The book at that list position, chapter 1.
    bool chooseBook(int index, Record record = Record::Yes);
    bool chooseChapter(int chapter);
    // A verse of the shown chapter; the views select it and the history notes the verse.
    bool chooseVerse(int verse);
    // The caret stands in another verse: noted without moving the views.
    void noteVerse(int verse) { verse_ = verse; }
    // By canonical book name (any letter case); verse 0 leaves the caret at the start.
    bool goTo(const QString& book, int chapter, int verse = 0);
    // By location key, "Matius#5:44"; a range goes to its first verse.
    bool goToKey(const scripture::LocationKey& key);
    // goTo with a range of verses (lastVerse 0 for one verse); the range is then selected.
    bool goToPassage(const QString& book, int chapter, int firstVerse, int lastVerse);
    // The next (step 1) or previous (step -1) chapter, across books and testaments; false at
    // either end of the canon or of what the active version holds.
    bool stepChapter(int step);
    // JumpLocation's move: the key's chapter shown, then the line of its first verse selected
    // (the verse itself is not entered in the history).
    bool jumpTo(const scripture::LocationKey& key, Record record);
    // The last position of the settings. A saved place the version cannot show falls back to
    // the first book of a testament it has, chapter 1.
    void restore(const LastPosition& last);

    // Makes entry k active, keeping book and chapter. With the Old Testament on screen and a
    // version without it, nothing changes and NeedsNewTestament is answered.
    VersionStep ChangeVersion(int entry);
    // The user accepted the New Testament: entry k active, its first book, chapter 1.
    void ChangeVersionToNewTestament(int entry);
    bool chooseParallel(int entry);

signals:
    // A place is about to be shown from elsewhere than the book panel (a jump, a history
    // step, a search hit, a pericope, a find).
    void jumpStarted();
    // The testament or the active version changed: book list, Option1/Option2, title.
    void bookListChanged();
    void versionChanged();
    void parallelChanged();
    // Another book: the chapter list. Always followed by chapterChanged.
    void bookChanged();
    // The text on screen is another chapter or version: reading view, title, verse chooser.
    void chapterChanged();
    void verseChosen(int verse);
    // A jump's verse: its line is selected, up to its end.
    void lineChosen(int verse);
    // A passage's verses, first to last, are to be selected together.
    void passageChosen(int firstVerse, int lastVerse);

private:
    std::vector<const store::BookRow*> booksOf(bool oldTestament) const;
    void setActive(int entry);
    void showTestament(bool oldTestament);
    // Book index and chapter without checks beyond the list; announces the move.
    void show(int book, int chapter, bool bookMoved, Record record);
    // The testament and book of a canonical name, shown at that chapter.
    bool showBookChapter(const QString& book, int chapter, Record record);
    void recordPlace(int verse);
    // The book before or after the one shown, in the other testament past either end.
    const store::BookRow* neighbourBook(int step) const;
    bool validBook(int index) const { return index >= 0 && index < int(books_.size()); }

    const store::Store* store_;
    History history_;
    VersionTable versions_;
    int activeEntry_ = 0;
    int parallelEntry_ = 0;
    qint16 otAvailable_ = 1;
    bool oldTestament_ = true;
    std::vector<const store::BookRow*> books_;
    int book_ = -1;
    int chapter_ = 0;
    int verse_ = 0;
    std::optional<int> chapterRow_;
};

} // namespace reader
