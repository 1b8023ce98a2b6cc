#include "store/VersionChoice.h"

#include "platform/ScriptedDialogs.h"
#include "store/DataLocation.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace store;

namespace {

VersionRow Row(qint32 nr, const char* name, const char* column, qint32 aktif) {
    return VersionRow{nr, QString::fromUtf8(name), {}, QString::fromUtf8(column), aktif, {}, 1, 1};
}

const std::vector<VersionRow> kCatalogue{Row(1, "TB", "Kitab1", 1), Row(2, "Lama", "Kitab4", 0),
                                         Row(4, "-", "Kitab5", 1), Row(5, "BIS", "Kitab2", 1),
                                         Row(7, "PB", "Kitab3", 1)};

TEST(VersionChoiceTest, SavedNumbersAreUsedWhenActive) {
    const VersionChoice c = ChooseVersions(kCatalogue, 5, 7);
    EXPECT_EQ(c.activeColumn, QStringLiteral("Kitab2"));
    EXPECT_EQ(c.firstNr, 5);
    EXPECT_EQ(c.parallelColumn, QStringLiteral("Kitab3"));
    EXPECT_EQ(c.parallelName, QStringLiteral("PB"));
    EXPECT_EQ(c.secondNr, 7);
}

TEST(VersionChoiceTest, InactiveOrUnnamedNumbersFallBackToOfferedVersions) {
    const VersionChoice c = ChooseVersions(kCatalogue, 2, 4);
    EXPECT_EQ(c.activeColumn, QStringLiteral("Kitab1"));
    EXPECT_EQ(c.firstNr, 1);
    EXPECT_EQ(c.parallelColumn, QStringLiteral("Kitab2")); // the next offered after the active
    EXPECT_EQ(c.secondNr, 5);

    const VersionChoice last = ChooseVersions(kCatalogue, 7, 99);
    EXPECT_EQ(last.parallelColumn, QStringLiteral("Kitab1")); // wraps round

    const VersionChoice none = ChooseVersions({Row(1, "TB", "Kitab1", 0)}, 1, 1);
    EXPECT_EQ(none.firstNr, 0);
    EXPECT_EQ(none.secondNr, 0);
    EXPECT_TRUE(none.activeColumn.isEmpty());
}

TEST(VersionChoiceTest, EntriesFollowCatalogueOrderAcrossGaps) {
    EXPECT_EQ(EntryOfNr(kCatalogue, 1), 1);
    EXPECT_EQ(EntryOfNr(kCatalogue, 5), 4);
    EXPECT_EQ(EntryOfNr(kCatalogue, 3), 0);
}

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
        QStringLiteral("Data Vermaratidak ditemukan \r\npada direktori : /x/VERMARA2000.DAT.\r\n"
                       "Jalankan kembali program dan pilih folder yang sesuai."));
}

} // namespace
