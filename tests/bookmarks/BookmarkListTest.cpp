#include "bookmarks/BookmarkList.h"

#include "platform/AnsiCodePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using bookmarks::Bookmark;
using bookmarks::BookmarkList;

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
    ASSERT_TRUE(list.SaveBookmarks_to_File());
    EXPECT_EQ(readFile(dataFile), QByteArray("pertama#@#Kitab1~~~~WEB#@#Kejadian#1:1\r\n"
                                             "terakhir#@#Kitab2~~~~KJV#@#Wahyu#22:21\r\n"));
    EXPECT_FALSE(QFileInfo::exists(legacyFile));

    BookmarkList next = newList();
    next.RetrieveBookmarks();
    EXPECT_EQ(next.items(), (QList<Bookmark>{first, last}));
}

TEST_F(BookmarkListTest, RetrievingReplacesTheListAndAMissingFileGivesNone) {
    BookmarkList list = newList();
    list.add(first);
    list.RetrieveBookmarks();
    EXPECT_EQ(list.count(), 0);
}

TEST_F(BookmarkListTest, AnEmptyListRemovesTheFile) {
    BookmarkList list = newList();
    list.add(first);
    ASSERT_TRUE(list.SaveBookmarks_to_File());
    list.clear();
    EXPECT_TRUE(list.SaveBookmarks_to_File());
    EXPECT_FALSE(QFileInfo::exists(dataFile));
    EXPECT_TRUE(list.SaveBookmarks_to_File());
}

TEST_F(BookmarkListTest, AFailingWriteKeepsTheOldFileAndTheList) {
    const QByteArray old("lama#@#Kitab1~~~~WEB#@#Rut#1:16\r\n");
    writeFile(dataFile, old);
    QString attempted;
    // A disk that fills up: the writer gives up before the old file is replaced.
    BookmarkList list = newList([&](const QString& path, const QString&) {
        attempted = path;
        return false;
    });
    list.RetrieveBookmarks();
    list.add(first);
    EXPECT_FALSE(list.SaveBookmarks_to_File());
    EXPECT_EQ(attempted, dataFile);
    EXPECT_EQ(readFile(dataFile), old);
    EXPECT_EQ(list.count(), 2);
}

TEST_F(BookmarkListTest, AFolderInTheFilesPlaceMakesSavingFailWithoutLoss) {
    QDir().mkpath(dataFile);
    writeFile(legacyFile, "lama#@#v#@#Rut#1:16\r\n");
    BookmarkList list = newList();
    list.add(first);
    EXPECT_FALSE(list.SaveBookmarks_to_File());
    EXPECT_TRUE(QFileInfo(dataFile).isDir());
    // Until the list has a home, the earlier version's file is kept.
    EXPECT_TRUE(QFileInfo::exists(legacyFile));
    list.clear();
    EXPECT_FALSE(list.SaveBookmarks_to_File());
}

TEST_F(BookmarkListTest, AnEarlierVersionsFileIsReadOnceWhenTheDataFolderHasNone) {
    // The earlier version wrote the ANSI code page.
    writeFile(legacyFile, "caf\xe9#@#Kitab1~~~~WEB#@#Yohanes#3:16\r\n");
    BookmarkList list = newList();
    list.RetrieveBookmarks();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.items()[0].note, QString::fromUtf8("café"));
    list.clear();
    ASSERT_TRUE(list.SaveBookmarks_to_File());
    EXPECT_FALSE(QFileInfo::exists(legacyFile));

    BookmarkList next = newList();
    next.RetrieveBookmarks();
    EXPECT_EQ(next.count(), 0);
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
