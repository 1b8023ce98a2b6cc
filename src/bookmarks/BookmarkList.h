#pragma once

#include "bookmarks/BookmarkFile.h"

#include <QList>
#include <QString>
#include <functional>

namespace bookmarks {

// The default Writer: the text as UTF-8 in a file of its own, forced to the disk.
bool WriteWholeFile(const QString& path, const QString& text);

// The bookmarks of a run and their file in the per-user data folder. A file an earlier
// version left in the temporary folder is read while the data folder has none, moved to the
// data folder as soon as it is read, and removed only once it has been saved there.
//
// Several readers of one user share the file. Each remembers what its user changed since the
// list was last read or saved; a save takes the lock beside the file, reads the file again,
// applies those changes to it, swaps the result in by one rename and adopts it. A file that
// exists but cannot be read is never written over or removed.
class BookmarkList {
public:
    // Writes the whole text to a new file at the path (the staging name beside the list file),
    // which then takes the list's place by one rename.
    using Writer = std::function<bool(const QString& path, const QString& text)>;

    enum class SaveResult {
        Saved,
        Unreadable, // the file on disk could not be read; nothing was written or removed
        Locked,     // another reader held the lock past the wait; the changes are kept
        NotWritten, // the new file could not be written or put in place; the old one stays
    };

    BookmarkList(QString dataFolder, QString legacyFolder, Writer writer = {});

    QString filePath() const;
    QString legacyFilePath() const;

    // Replaces the list with the file's bookmarks and forgets unsaved changes; a missing file
    // gives an empty list. False when a file exists but cannot be read: the list is then empty
    // and unreadablePath() and unreadableCause() tell why. The earlier version's file is
    // saved in the data folder at once, so that nothing that cleans the temporary folder
    // (a reboot, "~vr*.tmp" deleted at exit) can take the list before this reader saves it.
    bool RetrieveBookmarks();
    // Merges this reader's changes into the file as it is now on disk (an empty result removes
    // the file) and adopts the merged list. On any failure the file and the changes stay.
    SaveResult SaveBookmarks_to_File();

    // The file the last read or save could not read, and the reason in a few Indonesian words
    // (both empty once a read succeeds).
    const QString& unreadablePath() const { return unreadablePath_; }
    const QString& unreadableCause() const { return unreadableCause_; }
    // Changes made since the list was last read or saved.
    bool hasChanges() const { return !changes_.isEmpty(); }

    const QList<Bookmark>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    void add(const Bookmark& bookmark);
    // Only the note changes: the position and the version stay those the bookmark was saved with.
    void updateNote(int index, const QString& note);
    // Indexes outside the list are ignored.
    void remove(int index);
    // Removes every bookmark of this list; those another reader added meanwhile stay.
    void clear();

private:
    // One change of the user's, naming its bookmark by the three fields it had then, so that
    // it can be applied to the list another reader has saved meanwhile.
    struct Change {
        enum class Kind { Add, Remove, Edit } kind;
        Bookmark bookmark;
        QString note; // the new note of an Edit
    };
    static void Apply(QList<Bookmark>& list, const Change& change);

    QString lockPath() const;
    QString stagingPath() const;
    // The list on disk: the data folder's file, else the earlier version's, else none. False
    // when the file there cannot be read; fromLegacy tells which file it was.
    bool readDisk(QList<Bookmark>& list, bool& fromLegacy);
    // Writes the list under the staging name and renames it over the file; an empty list
    // removes the file.
    bool writeDisk(const QList<Bookmark>& list);

    QString dataFolder_;
    QString legacyFolder_;
    Writer writer_;
    QList<Bookmark> items_;
    QList<Change> changes_;
    QString unreadablePath_;
    QString unreadableCause_;
};

} // namespace bookmarks
