#include "reader/DataLocation.h"

#include "platform/ScriptedDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace reader;

TEST(DataLocationTest, StoredPathIsKeptWhenTheFileExists) {
    QTemporaryDir dir;
    const QString path = DefaultDataPath(dir.path());
    EXPECT_EQ(path, dir.path() + QStringLiteral("/VERMARA2000.DAT"));
    EXPECT_EQ(DefaultDataPath(QStringLiteral("/")), QStringLiteral("/VERMARA2000.DAT"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    platform::ScriptedDialogs dialogs;
    EXPECT_EQ(ResolveDataPath(path, dialogs), path);
    EXPECT_TRUE(dialogs.requests().isEmpty());
    EXPECT_EQ(DataLocationCaption(path), dir.path() + QLatin1Char('/'));
}

TEST(DataLocationTest, MissingFileAsksForAFolder) {
    platform::ScriptedDialogs dialogs;
    bool splashHidden = false;
    dialogs.queueFolder(QStringLiteral("/data/alkitab") + QChar(u'\0') + QStringLiteral("sampah"));
    EXPECT_EQ(ResolveDataPath(QStringLiteral("XYZ"), dialogs, [&] { splashHidden = true; }),
              QStringLiteral("/data/alkitab/VERMARA2000.DAT"));
    EXPECT_TRUE(splashHidden);
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests().first(), QStringLiteral("Pilih lokasi database Vermara"));
    EXPECT_EQ(CutAtNul(QStringLiteral("/a") + QChar(u'\0') + QStringLiteral("b")),
              QStringLiteral("/a"));
    // A cancelled browser leaves only the file name under the root.
    EXPECT_EQ(ResolveDataPath(QStringLiteral("XYZ"), dialogs), QStringLiteral("/VERMARA2000.DAT"));
}

TEST(DataLocationTest, MissingDataMessageReadsExactly) {
    EXPECT_EQ(
        MissingDataMessage(QStringLiteral("/x/VERMARA2000.DAT")),
        QStringLiteral("Data Vermara tidak ditemukan \r\npada direktori : /x/VERMARA2000.DAT.\r\n"
                       "Jalankan kembali program dan pilih folder yang sesuai."));
}
