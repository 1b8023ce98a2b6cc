#include "search/ResultsStamp.h"

#include "platform/AnsiCodePage.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace search;

namespace {

class ResultsStampTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::WriteTextFile(storeFile, QStringLiteral("store A")));
        ASSERT_TRUE(platform::WriteTextFile(results, text));
        ASSERT_TRUE(ResultsStamp(storeFile).write(results, text));
    }
    static bool SetTime(const QString& path, const QDateTime& time) {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) &&
               file.setFileTime(time, QFileDevice::FileModificationTime);
    }
    QDateTime StoreTime() const {
        return QFile(storeFile).fileTime(QFileDevice::FileModificationTime);
    }

    QTemporaryDir temp;
    const QString storeFile = temp.filePath(QStringLiteral("VERMARA2000.DAT"));
    const QString results = temp.filePath(QStringLiteral("~vr875.tmp"));
    const QString text = QStringLiteral("header\r\n -- Ditemukan : 0 ayat \r\n");
};

TEST_F(ResultsStampTest, MatchesTheSameStoreFileByItsRealPathOnly) {
    EXPECT_TRUE(ResultsStamp(storeFile).matches(results));
    const QString link = temp.filePath(QStringLiteral("link.DAT"));
    ASSERT_TRUE(QFile::link(storeFile, link));
    EXPECT_TRUE(ResultsStamp(link).matches(results));

    const QString copy = temp.filePath(QStringLiteral("copy.DAT"));
    ASSERT_TRUE(QFile::copy(storeFile, copy));
    ASSERT_TRUE(SetTime(copy, StoreTime()));
    EXPECT_FALSE(ResultsStamp(copy).matches(results));
    EXPECT_FALSE(ResultsStamp(temp.filePath(QStringLiteral("missing.DAT"))).matches(results));
    EXPECT_FALSE(ResultsStamp(temp.filePath(QStringLiteral("missing.DAT"))).write(results, text));
}

TEST_F(ResultsStampTest, AStoreFileOfAnotherSizeOrTimeIsAnotherStore) {
    const QDateTime time = StoreTime();
    ASSERT_TRUE(platform::WriteTextFile(storeFile, QStringLiteral("store AB")));
    ASSERT_TRUE(SetTime(storeFile, time));
    EXPECT_FALSE(ResultsStamp(storeFile).matches(results)) << "size";

    ASSERT_TRUE(platform::WriteTextFile(storeFile, QStringLiteral("store B")));
    ASSERT_TRUE(SetTime(storeFile, time.addMSecs(1)));
    EXPECT_FALSE(ResultsStamp(storeFile).matches(results)) << "time";

    ASSERT_TRUE(SetTime(storeFile, time));
    EXPECT_TRUE(ResultsStamp(storeFile).matches(results)) << "as stamped";
}

TEST_F(ResultsStampTest, AResultsFileReplacedAfterItsStampOrWithoutOneIsNotMatched) {
    ASSERT_TRUE(platform::WriteTextFile(results, text + u'x'));
    EXPECT_FALSE(ResultsStamp(storeFile).matches(results));
    ASSERT_TRUE(platform::WriteTextFile(results, text));
    EXPECT_TRUE(ResultsStamp(storeFile).matches(results));
    ASSERT_TRUE(QFile::remove(ResultsStamp::PathFor(results)));
    EXPECT_FALSE(ResultsStamp(storeFile).matches(results));
    EXPECT_EQ(ResultsStamp::PathFor(results), results + QStringLiteral(".store"));
}

} // namespace
