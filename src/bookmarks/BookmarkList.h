#pragma once

#include "bookmarks/BookmarkFile.h"

#include <QList>
#include <QString>
#include <functional>

namespace bookmarks {

// The bookmarks of a run and their file in the per-user data folder. A file an earlier
// version left in the temporary folder is read while the data folder has none, and removed
// once the list has been saved in its new place.
class BookmarkList {
public:
    // Writes the text to the path, replacing an old file only once the new one is complete.
    using Writer = std::function<bool(const QString& path, const QString& text)>;

    BookmarkList(QString dataFolder, QString legacyFolder, Writer writer = {});

    QString filePath() const;
    QString legacyFilePath() const;

    // Replaces the list with the file's bookmarks; a missing file gives an empty list.
    void RetrieveBookmarks();
    // Writes the list, or removes the file when the list is empty. False when the file could
    // not be written or removed; the old file is then left as it was.
    bool SaveBookmarks_to_File();

    const QList<Bookmark>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    void add(const Bookmark& bookmark) { items_.append(bookmark); }
    // Only the note changes: the position and the version stay those the bookmark was saved with.
    void updateNote(int index, const QString& note);
    // Indexes outside the list are ignored.
    void remove(int index);
    void clear() { items_.clear(); }

private:
    QString dataFolder_;
    QString legacyFolder_;
    Writer writer_;
    QList<Bookmark> items_;
};

} // namespace bookmarks
