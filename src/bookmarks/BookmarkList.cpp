#include "bookmarks/BookmarkList.h"

#include "platform/AnsiCodePage.h"
#include "platform/Folders.h"

#include <QFileInfo>

namespace bookmarks {

BookmarkList::BookmarkList(QString dataFolder, QString legacyFolder, Writer writer)
    : dataFolder_(std::move(dataFolder)), legacyFolder_(std::move(legacyFolder)),
      writer_(writer ? std::move(writer) : Writer(&platform::WriteTextFile)) {}

QString BookmarkList::filePath() const {
    return platform::JoinPath(dataFolder_, kBookmarkFileName);
}

QString BookmarkList::legacyFilePath() const {
    return platform::JoinPath(legacyFolder_, kBookmarkFileName);
}

void BookmarkList::RetrieveBookmarks() {
    items_.clear();
    const QString path = QFileInfo::exists(filePath()) ? filePath() : legacyFilePath();
    bool ok = false;
    const QString text = platform::ReadTextFile(path, &ok);
    if (ok)
        items_ = ParseBookmarkFile(text);
}

bool BookmarkList::SaveBookmarks_to_File() {
    const bool saved = items_.isEmpty() ? platform::DeleteFileIfExists(filePath())
                                        : writer_(filePath(), FormatBookmarkFile(items_));
    // The earlier version's file has served its turn once the list lives in the data folder;
    // left behind, it would bring deleted bookmarks back.
    if (saved && legacyFilePath() != filePath())
        platform::DeleteFileIfExists(legacyFilePath());
    return saved;
}

void BookmarkList::updateNote(int index, const QString& note) {
    if (index >= 0 && index < count())
        items_[index].note = note;
}

void BookmarkList::remove(int index) {
    if (index >= 0 && index < count())
        items_.removeAt(index);
}

} // namespace bookmarks
