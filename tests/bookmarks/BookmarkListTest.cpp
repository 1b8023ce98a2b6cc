#include "bookmarks/BookmarkList.h"

#include "LockHolder.h"
#include "platform/AnsiCodePage.h"
#include "support/WriteFailures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using bookmarks::Bookmark;
using bookmarks::BookmarkList;
using SaveResult = bookmarks::BookmarkList::SaveResult;

namespace {

class BookmarkListTest : public testing::Test {
protected:
    BookmarkListTest() {
        QDir().mkpath(dataFolder);
        QDir().mkpath(tempFolder);
    }

    BookmarkList newList(BookmarkList::Writer writer = {}) const {
        return BookmarkList(dataFolder, tempFolder, std::move(writer));
    }
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString dataFolder = dir.filePath(QStringLiteral("data/Vermara"));
    QString tempFolder = dir.filePath(QStringLiteral("tmp"));
    QString dataFile = dataFolder + QStringLiteral("/~vrBookmarks.tmp");
    QString legacyFile = tempFolder + QStringLiteral("/~vrBookmarks.tmp");
    QString lockFile = dataFile + QStringLiteral(".lock");
    QByteArray oldLine = "lama#@#Kitab1~~~~WEB#@#Rut#1:16\r\n";
    QByteArray firstLine = "pertama#@#Kitab1~~~~WEB#@#Kejadian#1:1\r\n";
    QByteArray lastLine = "terakhir#@#Kitab2~~~~KJV#@#Wahyu#22:21\r\n";
    Bookmark old{QStringLiteral("lama"), QStringLiteral("Kitab1~~~~WEB"),
                 QStringLiteral("Rut#1:16")};
    Bookmark first{QStringLiteral("pertama"), QStringLiteral("Kitab1~~~~WEB"),
                   QStringLiteral("Kejadian#1:1")};
    Bookmark last{QStringLiteral("terakhir"), QStringLiteral("Kitab2~~~~KJV"),
                  QStringLiteral("Wahyu#22:21")};
};

} // namespace

TEST_F(BookmarkListTest, SavesInTheDataFolderAndTheNextRunReadsTheSameList) {
    BookmarkList list = newList();
    EXPECT_EQ(list.filePath(), dataFile);
    list.add(first);
    list.add(last);
    ASSERT_EQ(list.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(readFile(dataFile), firstLine + lastLine);
    EXPECT_FALSE(QFileInfo::exists(legacyFile));
    // Neither the lock nor the staging file outlives the save.
    EXPECT_EQ(QDir(dataFolder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("~vrBookmarks.tmp")});

    BookmarkList next = newList();
    EXPECT_TRUE(next.RetrieveBookmarks());
    EXPECT_EQ(next.items(), (QList<Bookmark>{first, last}));
}

TEST_F(BookmarkListTest, RetrievingReplacesTheListAndAMissingFileGivesNone) {
    BookmarkList list = newList();
    list.add(first);
    EXPECT_TRUE(list.RetrieveBookmarks());
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(list.hasChanges());
    EXPECT_TRUE(list.unreadablePath().isEmpty());
}

TEST_F(BookmarkListTest, AnEmptyListRemovesTheFile) {
    BookmarkList list = newList();
    list.add(first);
    ASSERT_EQ(list.SaveBookmarks_to_File(), SaveResult::Saved);
    list.clear();
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_FALSE(QFileInfo::exists(dataFile));
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Saved);
}

TEST_F(BookmarkListTest, AFailingWriteKeepsTheOldFileAndTheChanges) {
    writeFile(dataFile, oldLine);
    QString attempted;
    bool full = true;
    // A disk that fills up: the writer gives up before the old file is replaced.
    BookmarkList list = newList([&](const QString& path, const QString& text) {
        attempted = path;
        return !full && bookmarks::WriteWholeFile(path, text);
    });
    ASSERT_TRUE(list.RetrieveBookmarks());
    list.add(first);
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::NotWritten);
    // The new list is staged beside the file, never written over it.
    EXPECT_NE(attempted, dataFile);
    EXPECT_EQ(QFileInfo(attempted).absolutePath(), QFileInfo(dataFile).absolutePath());
    EXPECT_EQ(readFile(dataFile), oldLine);
    EXPECT_FALSE(QFileInfo::exists(attempted));
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(list.hasChanges());
    full = false;
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(readFile(dataFile), oldLine + firstLine);
}

TEST_F(BookmarkListTest, AFullDiskAtAnyPointOfTheRealWriteKeepsTheOldFileAndTheChanges) {
    writeFile(dataFile, oldLine);
    BookmarkList list = newList();
    ASSERT_TRUE(list.RetrieveBookmarks());
    // A note longer than the lock file, so that some cuts fall inside the list itself.
    const Bookmark longNote{QString(1000, u'n'), first.version, first.position};
    list.add(longNote);
    const qint64 newSize =
        oldLine.size() + bookmarks::FormatBookmarkFile({longNote}).toUtf8().size();
    support::ExpectEveryCutReportedAndFolderKept(
        dataFolder, newSize, [&] { return list.SaveBookmarks_to_File() == SaveResult::Saved; });
    EXPECT_TRUE(list.hasChanges());
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(QFileInfo(dataFile).size(), newSize);
    EXPECT_TRUE(readFile(dataFile).startsWith(oldLine));
}

TEST_F(BookmarkListTest, AFolderInTheFilesPlaceIsNeverReplacedAndTheChangesWaitForAFile) {
    QDir().mkpath(dataFile);
    writeFile(legacyFile, oldLine);
    int writes = 0;
    BookmarkList list = newList([&](const QString& path, const QString& text) {
        ++writes;
        return bookmarks::WriteWholeFile(path, text);
    });
    EXPECT_FALSE(list.RetrieveBookmarks());
    EXPECT_EQ(list.unreadablePath(), dataFile);
    EXPECT_EQ(list.unreadableCause(), QStringLiteral("di tempatnya ada sebuah folder"));
    EXPECT_EQ(list.count(), 0);
    list.add(first);
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Unreadable);
    list.clear();
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Unreadable);
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(QFileInfo(dataFile).isDir());
    // Until the list has a home, the earlier version's file is kept.
    EXPECT_EQ(readFile(legacyFile), oldLine);

    // Once the file can be read, the changes made meanwhile go into what it holds then.
    ASSERT_TRUE(QDir(dataFile).removeRecursively());
    writeFile(dataFile, lastLine);
    list.add(first);
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_TRUE(list.unreadablePath().isEmpty());
    EXPECT_EQ(readFile(dataFile), lastLine + firstLine);
    EXPECT_EQ(list.items(), (QList<Bookmark>{last, first}));
    EXPECT_FALSE(QFileInfo::exists(legacyFile));
}

TEST_F(BookmarkListTest, AFileInPlaceOfTheDataFolderKeepsTheChangesForALaterSave) {
    const QString blocked = dir.filePath(QStringLiteral("data/diblokir"));
    writeFile(blocked, oldLine);
    BookmarkList list(blocked + QStringLiteral("/Vermara"), tempFolder);
    ASSERT_TRUE(list.RetrieveBookmarks());
    list.add(first);
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::NotWritten);
    EXPECT_EQ(readFile(blocked), oldLine);
    EXPECT_TRUE(list.hasChanges());
    EXPECT_EQ(list.items(), QList<Bookmark>{first});
}

TEST_F(BookmarkListTest, AFileWhoseReadFailsIsNeitherRemovedNorReplaced) {
    // Reading this process's memory from its first page fails with EIO after a successful
    // open: an I/O error, whatever the permissions of whoever runs the test.
    if (!QFileInfo::exists(QStringLiteral("/proc/self/mem")))
        GTEST_SKIP() << "no /proc";
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), dataFile));
    BookmarkList list = newList();
    EXPECT_FALSE(list.RetrieveBookmarks());
    EXPECT_EQ(list.unreadablePath(), dataFile);
    EXPECT_EQ(list.unreadableCause(), QStringLiteral("kesalahan baca"));
    // The list looks empty, and an empty list would remove the file.
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Unreadable);
    list.add(first);
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Unreadable);
    EXPECT_EQ(QFileInfo(dataFile).symLinkTarget(), QStringLiteral("/proc/self/mem"));
    EXPECT_TRUE(list.hasChanges());
}

TEST_F(BookmarkListTest, AnEarlierVersionsFileIsReadWhenTheDataFolderHasNoneAndMovesThere) {
    // The earlier version wrote the ANSI code page.
    writeFile(legacyFile, "caf\xe9#@#Kitab1~~~~WEB#@#Yohanes#3:16\r\n");
    BookmarkList list = newList();
    EXPECT_TRUE(list.RetrieveBookmarks());
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.items()[0].note, QString::fromUtf8("café"));
    // Saved in the data folder at once, and only then removed from the temporary folder.
    EXPECT_EQ(readFile(dataFile), QByteArray("caf\xc3\xa9#@#Kitab1~~~~WEB#@#Yohanes#3:16\r\n"));
    EXPECT_FALSE(QFileInfo::exists(legacyFile));
    EXPECT_FALSE(list.hasChanges());
    list.clear();
    ASSERT_EQ(list.SaveBookmarks_to_File(), SaveResult::Saved);

    BookmarkList next = newList();
    next.RetrieveBookmarks();
    EXPECT_EQ(next.count(), 0);
}

TEST_F(BookmarkListTest, AnEarlierVersionsFileStaysUntilTheListIsSavedInTheDataFolder) {
    writeFile(legacyFile, oldLine);
    bool full = true;
    BookmarkList list = newList([&](const QString& path, const QString& text) {
        return !full && bookmarks::WriteWholeFile(path, text);
    });
    // The move at the read fails as well; the list is still read.
    EXPECT_TRUE(list.RetrieveBookmarks());
    EXPECT_EQ(list.items(), QList<Bookmark>{old});
    list.add(first);
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::NotWritten);
    EXPECT_EQ(readFile(legacyFile), oldLine);
    EXPECT_FALSE(QFileInfo::exists(dataFile));
    {
        LockHolder other(lockFile);
        ASSERT_TRUE(other.held());
        EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Locked);
        EXPECT_EQ(readFile(legacyFile), oldLine);
    }
    full = false;
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(readFile(dataFile), oldLine + firstLine);
    EXPECT_FALSE(QFileInfo::exists(legacyFile));
}

TEST_F(BookmarkListTest, TwoReadersOfAnEarlierVersionsFileDoNotBringBackWhatOneDeleted) {
    writeFile(legacyFile, oldLine);
    BookmarkList a = newList();
    {
        // The first reader cannot move the file while another save runs, so it reads the
        // earlier version's file as it is.
        LockHolder other(lockFile);
        ASSERT_TRUE(other.held());
        EXPECT_TRUE(a.RetrieveBookmarks());
    }
    EXPECT_TRUE(QFileInfo::exists(legacyFile));
    BookmarkList b = newList();
    ASSERT_TRUE(b.RetrieveBookmarks());
    EXPECT_FALSE(QFileInfo::exists(legacyFile));
    b.remove(0);
    b.add(last);
    ASSERT_EQ(b.SaveBookmarks_to_File(), SaveResult::Saved);
    a.add(first);
    ASSERT_EQ(a.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(readFile(dataFile), lastLine + firstLine);
    EXPECT_FALSE(QFileInfo::exists(legacyFile));
}

TEST_F(BookmarkListTest, TheDataFolderFileWinsOverAnEarlierVersionsFile) {
    writeFile(legacyFile, "lama#@#v#@#Rut#1:16\r\n");
    writeFile(dataFile, "baru#@#Kitab1~~~~WEB#@#Kejadian#1:1\r\n");
    BookmarkList list = newList();
    list.RetrieveBookmarks();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.items()[0].note, QStringLiteral("baru"));
}

TEST_F(BookmarkListTest, UpdatingANoteKeepsPositionAndVersion) {
    BookmarkList list = newList();
    list.add(first);
    list.add(last);
    list.updateNote(1, QStringLiteral("diubah"));
    EXPECT_EQ(list.items()[1], (Bookmark{QStringLiteral("diubah"), last.version, last.position}));
    EXPECT_EQ(list.items()[0], first);
    list.updateNote(2, QStringLiteral("di luar"));
    list.updateNote(-1, QStringLiteral("di luar"));
    EXPECT_EQ(list.items()[0], first);
    EXPECT_EQ(list.items()[1].note, QStringLiteral("diubah"));
}

TEST_F(BookmarkListTest, RemovesTheFirstAndTheLastAndIgnoresIndexesOutside) {
    BookmarkList list = newList();
    const Bookmark middle{QStringLiteral("tengah"), QStringLiteral("v"), QStringLiteral("Rut#1:1")};
    for (const Bookmark& bookmark : {first, middle, last})
        list.add(bookmark);
    list.remove(3);
    list.remove(-1);
    EXPECT_EQ(list.count(), 3);
    list.remove(2);
    EXPECT_EQ(list.items(), (QList<Bookmark>{first, middle}));
    list.remove(0);
    EXPECT_EQ(list.items(), QList<Bookmark>{middle});
}

TEST_F(BookmarkListTest, TwoReadersKeepEachOthersNewBookmarks) {
    BookmarkList a = newList();
    BookmarkList b = newList();
    a.RetrieveBookmarks();
    b.RetrieveBookmarks();
    a.add(first);
    b.add(last);
    ASSERT_EQ(a.SaveBookmarks_to_File(), SaveResult::Saved);
    ASSERT_EQ(b.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(readFile(dataFile), firstLine + lastLine);
    // The second adopts the merged list; the first sees it at its next save.
    EXPECT_EQ(b.items(), (QList<Bookmark>{first, last}));
    EXPECT_FALSE(b.hasChanges());
    ASSERT_EQ(a.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(a.items(), (QList<Bookmark>{first, last}));
    EXPECT_EQ(readFile(dataFile), firstLine + lastLine);
}

TEST_F(BookmarkListTest, ABookmarkDeletedInOneReaderIsNotBroughtBackByTheOther) {
    const Bookmark middle{QStringLiteral("tengah"), QStringLiteral("v"), QStringLiteral("Rut#1:1")};
    writeFile(dataFile, bookmarks::FormatBookmarkFile({first, middle, last}).toUtf8());
    BookmarkList a = newList();
    BookmarkList b = newList();
    a.RetrieveBookmarks();
    b.RetrieveBookmarks();
    a.remove(1);
    ASSERT_EQ(a.SaveBookmarks_to_File(), SaveResult::Saved);
    // b still shows the deleted one; its own edit of another bookmark is kept.
    b.updateNote(2, QStringLiteral("diubah"));
    ASSERT_EQ(b.SaveBookmarks_to_File(), SaveResult::Saved);
    const Bookmark edited{QStringLiteral("diubah"), last.version, last.position};
    EXPECT_EQ(b.items(), (QList<Bookmark>{first, edited}));

    // Deleting the whole list takes only what that reader had; a newer bookmark stays.
    const Bookmark later{QStringLiteral("baru"), QStringLiteral("v"), QStringLiteral("Rut#2:1")};
    a.add(later);
    ASSERT_EQ(a.SaveBookmarks_to_File(), SaveResult::Saved);
    b.clear();
    ASSERT_EQ(b.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(b.items(), QList<Bookmark>{later});
    // An edit of a bookmark another reader deleted does not bring it back.
    a.updateNote(0, QStringLiteral("terlambat"));
    ASSERT_EQ(a.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(a.items(), QList<Bookmark>{later});
    EXPECT_EQ(readFile(dataFile), bookmarks::FormatBookmarkFile({later}).toUtf8());
}

TEST_F(BookmarkListTest, ALockHeldByAnotherProcessWritesNothingAndKeepsTheChanges) {
    writeFile(dataFile, oldLine);
    int writes = 0;
    BookmarkList list = newList([&](const QString& path, const QString& text) {
        ++writes;
        return bookmarks::WriteWholeFile(path, text);
    });
    ASSERT_TRUE(list.RetrieveBookmarks());
    list.add(first);
    LockHolder other(lockFile);
    ASSERT_TRUE(other.held());
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Locked);
    // The wait is bounded, and far shorter than the time after which a live lock is stale.
    EXPECT_LT(waited.elapsed(), 10000);
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(readFile(dataFile), oldLine);
    EXPECT_EQ(list.items(), (QList<Bookmark>{old, first}));
    EXPECT_TRUE(list.hasChanges());

    other.release();
    EXPECT_EQ(list.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(readFile(dataFile), oldLine + firstLine);
}

TEST_F(BookmarkListTest, AWriterKilledBeforeTheRenameLeavesTheOldListWhole) {
    writeFile(dataFile, oldLine);
    constexpr int kDiedInTheWriter = 42;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        BookmarkList list = newList([](const QString& path, const QString& text) {
            // The new list is whole under the staging name; the process dies before the swap.
            bookmarks::WriteWholeFile(path, text);
            ::_exit(kDiedInTheWriter);
            return true;
        });
        list.RetrieveBookmarks();
        list.add(first);
        list.SaveBookmarks_to_File();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), kDiedInTheWriter);
    EXPECT_EQ(readFile(dataFile), oldLine);
    EXPECT_TRUE(QFileInfo::exists(lockFile));

    // The dead writer's lock is taken over at once and its staging file written over.
    BookmarkList next = newList();
    ASSERT_TRUE(next.RetrieveBookmarks());
    EXPECT_EQ(next.items(), QList<Bookmark>{old});
    next.add(last);
    // A lock whose owner is dead is taken over: the save succeeds instead of giving up.
    EXPECT_EQ(next.SaveBookmarks_to_File(), SaveResult::Saved);
    EXPECT_EQ(readFile(dataFile), oldLine + lastLine);
}
