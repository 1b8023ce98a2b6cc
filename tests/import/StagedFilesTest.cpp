#include "import/StagedFiles.h"

#include "import/ImportError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QStringList Entries(const QDir& dir) {
    return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

class StagedFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.mkpath(QStringLiteral("Peta")));
        Write(path(QStringLiteral("Peta/a.png")), "old picture");
        Write(path(QStringLiteral("store")), "old store");
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir folder_;
    QDir dir_{folder_.path()};
};

} // namespace

TEST_F(StagedFilesTest, CommitMovesFilesAndFoldersInTogether) {
    {
        import::StagedFiles staged(folder_.path());
        const QString pictures = staged.stage(QStringLiteral("Peta"));
        ASSERT_TRUE(QDir().mkpath(pictures));
        Write(QDir(pictures).filePath(QStringLiteral("b.png")), "new picture");
        Write(staged.stage(QStringLiteral("store")), "new store");
        Write(staged.stage(QStringLiteral("tips")), "new tips");
        staged.commit();
    }
    EXPECT_EQ(Entries(dir_), (QStringList{"Peta", "store", "tips"}));
    EXPECT_EQ(Entries(QDir(path(QStringLiteral("Peta")))), QStringList{"b.png"});
    EXPECT_EQ(Read(path(QStringLiteral("store"))), QByteArray("new store"));
}

TEST_F(StagedFilesTest, AMoveThatFailsPutsBackWhatWasAlreadyMoved) {
    import::StagedFiles staged(folder_.path());
    const QString pictures = staged.stage(QStringLiteral("Peta"));
    ASSERT_TRUE(QDir().mkpath(pictures));
    // The second name was never written, so its move fails after the first has been made.
    staged.stage(QStringLiteral("store"));
    EXPECT_THROW(staged.commit(), import::ImportError);
    EXPECT_EQ(Entries(dir_), (QStringList{"Peta", "store"}));
    EXPECT_EQ(Read(path(QStringLiteral("Peta/a.png"))), QByteArray("old picture"));
    EXPECT_EQ(Read(path(QStringLiteral("store"))), QByteArray("old store"));
}

TEST_F(StagedFilesTest, WhatIsNotCommittedIsRemovedWithItsJournal) {
    {
        import::StagedFiles staged(folder_.path());
        const QString store = staged.stage(QStringLiteral("store"));
        Write(store, "half a store");
        Write(store + QStringLiteral("-journal"), "journal");
        ASSERT_TRUE(QDir().mkpath(staged.stage(QStringLiteral("Peta"))));
    }
    EXPECT_EQ(Entries(dir_), (QStringList{"Peta", "store"}));
    EXPECT_EQ(Read(path(QStringLiteral("store"))), QByteArray("old store"));
    // A leftover of an earlier run under the temporary name is cleared before staging.
    Write(path(QStringLiteral("store.tmp")), "leftover");
    import::StagedFiles staged(folder_.path());
    EXPECT_FALSE(QFile::exists(staged.stage(QStringLiteral("store"))));
}
