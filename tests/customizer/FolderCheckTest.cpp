#include "customizer/FolderCheck.h"

#include "support/FixtureStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using customizer::CheckFolders;

namespace {

const QString kSame = QStringLiteral("Folder sumber dan tujuan tidak boleh sama.");

class FolderCheckTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString source = dir.filePath(QStringLiteral("sumber"));
    QString destination = dir.filePath(QStringLiteral("tujuan"));
    void SetUp() override { fixture::WriteFixtureStore(source); }
};

} // namespace

TEST_F(FolderCheckTest, FoldersMatchingWithoutSeparatorsCaseOrBlanksAreTheSame) {
    for (const auto& [a, b] : {std::pair{"/data/", "/Data"}, {"/a/b", "/ab"}, {" /x ", "/x"}}) {
        const auto check = CheckFolders(QString::fromLatin1(a), QString::fromLatin1(b));
        EXPECT_EQ(check.message, kSame) << a << " " << b;
        EXPECT_TRUE(check.focusDestination);
    }
    EXPECT_EQ(CheckFolders(QString(), QString()).message, kSame);
}

TEST_F(FolderCheckTest, FoldersResolvingToOneRealFolderAreTheSame) {
    EXPECT_EQ(CheckFolders(source, source + QStringLiteral("/../sumber/.")).message, kSame);
    const QString link = dir.filePath(QStringLiteral("tautan"));
    ASSERT_TRUE(QFile::link(source, link));
    EXPECT_EQ(CheckFolders(source, link).message, kSame);
    EXPECT_EQ(CheckFolders(link + u'/', source).message, kSame);
}

TEST_F(FolderCheckTest, AnEmptyFolderAndAMissingStoreAreRefusedInThatOrder) {
    const auto empty = CheckFolders(source, QStringLiteral("  "));
    EXPECT_EQ(empty.message,
              QStringLiteral("Folder database sumber dan tujuan yang akan dibentuk harus diisi."));
    EXPECT_TRUE(empty.focusDestination);
    EXPECT_EQ(CheckFolders(QString(), destination).message, empty.message);
    const auto missing = CheckFolders(destination, source);
    EXPECT_EQ(missing.message,
              QStringLiteral("Database VERMARA2000.DAT tidak ditemukan di path ") + destination);
    EXPECT_FALSE(missing.focusDestination);
}

TEST_F(FolderCheckTest, ASourceFolderWithTheStoreMayEndWithSeparators) {
    EXPECT_TRUE(CheckFolders(source, destination).ok());
    EXPECT_TRUE(CheckFolders(source + QStringLiteral("//"), destination).ok());
    EXPECT_EQ(customizer::SourceStorePath(source + u'/'),
              source + QStringLiteral("/VERMARA2000.DAT"));
    EXPECT_EQ(customizer::SourceStorePath(source), source + QStringLiteral("/VERMARA2000.DAT"));
}
