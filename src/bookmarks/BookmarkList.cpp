#include "bookmarks/BookmarkList.h"

#include "platform/AnsiCodePage.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <cstdio>
#include <unistd.h>

namespace bookmarks {

namespace {

// Another reader holds the lock only for the milliseconds of its own save; closing a window
// should not hang much longer than that when something goes wrong.
constexpr int kLockWaitMs = 3000;
// A lock whose owner is gone is taken over at once (QLockFile checks the process); one whose
// owner still runs is taken over only after this long, which no save comes near.
constexpr int kStaleLockMs = 30000;

QString UnreadableCause(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("di tempatnya ada sebuah folder");
    if (!info.isReadable())
        return QStringLiteral("tidak ada izin untuk membacanya");
    return QStringLiteral("kesalahan baca");
}

} // namespace

bool WriteWholeFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = text.toUtf8();
    // On the disk before the rename makes it the list, so a crash leaves one list or the other.
    return file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
}

BookmarkList::BookmarkList(QString dataFolder, QString legacyFolder, Writer writer)
    : dataFolder_(std::move(dataFolder)), legacyFolder_(std::move(legacyFolder)),
      writer_(writer ? std::move(writer) : Writer(&WriteWholeFile)) {}

QString BookmarkList::filePath() const {
    return platform::JoinPath(dataFolder_, kBookmarkFileName);
}

QString BookmarkList::legacyFilePath() const {
    return platform::JoinPath(legacyFolder_, kBookmarkFileName);
}

QString BookmarkList::lockPath() const {
    return filePath() + QStringLiteral(".lock");
}

QString BookmarkList::stagingPath() const {
    return filePath() + QStringLiteral(".new");
}

bool BookmarkList::RetrieveBookmarks() {
    items_.clear();
    changes_.clear();
    QList<Bookmark> list;
    bool fromLegacy = false;
    if (!readDisk(list, fromLegacy))
        return false;
    items_ = list;
    // With no changes yet, the save only moves the file; should it fail, the next save
    // tries again from whichever file is there then.
    if (fromLegacy)
        SaveBookmarks_to_File();
    return true;
}

BookmarkList::SaveResult BookmarkList::SaveBookmarks_to_File() {
    if (!QDir().mkpath(dataFolder_))
        return SaveResult::NotWritten;
    QLockFile lock(lockPath());
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs)) {
        // Without the lock nothing is written: another reader may be between its read and
        // its rename.
        return lock.error() == QLockFile::LockFailedError ? SaveResult::Locked
                                                          : SaveResult::NotWritten;
    }
    QList<Bookmark> merged;
    bool fromLegacy = false;
    if (!readDisk(merged, fromLegacy))
        return SaveResult::Unreadable;
    for (const Change& change : std::as_const(changes_))
        Apply(merged, change);
    if (!writeDisk(merged))
        return SaveResult::NotWritten;
    // The earlier version's file has served its turn once the list lives in the data folder;
    // left behind, it would bring deleted bookmarks back.
    if (legacyFilePath() != filePath())
        platform::DeleteFileIfExists(legacyFilePath());
    items_ = merged;
    changes_.clear();
    return SaveResult::Saved;
}

bool BookmarkList::readDisk(QList<Bookmark>& list, bool& fromLegacy) {
    fromLegacy = false;
    QString path = filePath();
    if (!QFileInfo::exists(path)) {
        if (legacyFilePath() == filePath() || !QFileInfo::exists(legacyFilePath())) {
            list.clear();
            unreadablePath_.clear();
            unreadableCause_.clear();
            return true;
        }
        path = legacyFilePath();
        fromLegacy = true;
    }
    bool ok = false;
    const QString text = platform::ReadTextFile(path, &ok);
    if (!ok) {
        unreadablePath_ = path;
        unreadableCause_ = UnreadableCause(path);
        return false;
    }
    unreadablePath_.clear();
    unreadableCause_.clear();
    list = ParseBookmarkFile(text);
    return true;
}

bool BookmarkList::writeDisk(const QList<Bookmark>& list) {
    if (list.isEmpty())
        return platform::DeleteFileIfExists(filePath());
    const QString staging = stagingPath();
    if (!writer_(staging, FormatBookmarkFile(list))) {
        QFile::remove(staging);
        return false;
    }
    // rename replaces the old file in one step (QFile::rename would refuse): a reader sees
    // the old list or the new one, never a part.
    if (std::rename(QFile::encodeName(staging).constData(),
                    QFile::encodeName(filePath()).constData()) != 0) {
        QFile::remove(staging);
        return false;
    }
    return true;
}

void BookmarkList::Apply(QList<Bookmark>& list, const Change& change) {
    if (change.kind == Change::Kind::Add) {
        list.append(change.bookmark);
        return;
    }
    // Gone from the file means another reader deleted or edited it first; that change stands.
    const qsizetype index = list.indexOf(change.bookmark);
    if (index < 0)
        return;
    if (change.kind == Change::Kind::Remove)
        list.removeAt(index);
    else
        list[index].note = change.note;
}

void BookmarkList::add(const Bookmark& bookmark) {
    items_.append(bookmark);
    changes_.append({Change::Kind::Add, bookmark, {}});
}

void BookmarkList::updateNote(int index, const QString& note) {
    if (index < 0 || index >= count())
        return;
    changes_.append({Change::Kind::Edit, items_[index], note});
    items_[index].note = note;
}

void BookmarkList::remove(int index) {
    if (index < 0 || index >= count())
        return;
    changes_.append({Change::Kind::Remove, items_[index], {}});
    items_.removeAt(index);
}

void BookmarkList::clear() {
    for (const Bookmark& bookmark : std::as_const(items_))
        changes_.append({Change::Kind::Remove, bookmark, {}});
    items_.clear();
}

} // namespace bookmarks
