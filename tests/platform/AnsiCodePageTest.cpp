#include "platform/AnsiCodePage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::AnsiCode;
using platform::ReadTextFile;
using platform::WriteTextFile;

namespace {

TEST(AnsiCode, FollowsWindows1252WithAFixedCodeForTheRest) {
    EXPECT_EQ(AnsiCode(u'A'), 65);
    EXPECT_EQ(AnsiCode(u'\0'), 0);
    EXPECT_EQ(AnsiCode(u'\x7f'), 127);
    EXPECT_EQ(AnsiCode(u'\u00a0'), 160);
    EXPECT_EQ(AnsiCode(u'é'), 233);
    EXPECT_EQ(AnsiCode(u'ÿ'), 255);
    EXPECT_EQ(AnsiCode(u'€'), 128);
    EXPECT_EQ(AnsiCode(u'‘'), 145);
    EXPECT_EQ(AnsiCode(u'—'), 151);
    EXPECT_EQ(AnsiCode(u'Ÿ'), 159);
    EXPECT_EQ(AnsiCode(u'א'), 63);
    EXPECT_EQ(AnsiCode(u'Ā'), 63);
}

class TextFileTest : public testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("text.txt"));
};

TEST_F(TextFileTest, ReadsUtf8WithOrWithoutBomAndKeepsLineBreaks) {
    bool ok = false;
    EXPECT_EQ(ReadTextFile(write("Kej 1:1 Pada mulanya \xe2\x80\x94 Allah\r\n"), &ok),
              QString::fromUtf8("Kej 1:1 Pada mulanya — Allah\r\n"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadTextFile(write("\xef\xbb\xbf\xc3\xa9t\xc3\xa9")), QString::fromUtf8("été"));
}

TEST_F(TextFileTest, FallsBackToWindows1252WhenNotUtf8) {
    EXPECT_EQ(ReadTextFile(write("caf\xe9 \x80 \x93quoted\x94 \x81")),
              QString::fromUtf8("café € “quoted” \u0081"));
    // A multi-byte sequence cut off at the end is not UTF-8 either.
    EXPECT_EQ(ReadTextFile(write("ab\xc3")), QString::fromUtf8("abÃ"));
}

TEST_F(TextFileTest, EveryByteReadAsWindows1252HasThatCodeAgain) {
    QByteArray bytes;
    for (int code = 0; code < 256; ++code)
        bytes.append(char(code));
    const QString text = ReadTextFile(write(bytes));
    ASSERT_EQ(text.size(), 256);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(AnsiCode(text.at(code)), code) << code;
}

TEST_F(TextFileTest, MissingFileReadsEmptyAndReportsIt) {
    bool ok = true;
    EXPECT_TRUE(ReadTextFile(dir.filePath("absent.txt"), &ok).isEmpty());
    EXPECT_FALSE(ok);
}

TEST_F(TextFileTest, AFolderOrAReadThatFailsPartWayIsReportedWithNoText) {
    bool ok = true;
    EXPECT_TRUE(ReadTextFile(dir.path(), &ok).isEmpty());
    EXPECT_FALSE(ok);
    // The kernel answers a read of this process's unmapped first page with EIO: an I/O error
    // after a successful open, whoever runs the test.
    if (!QFile::exists(QStringLiteral("/proc/self/mem")))
        GTEST_SKIP() << "no /proc";
    ok = true;
    EXPECT_TRUE(ReadTextFile(QStringLiteral("/proc/self/mem"), &ok).isEmpty());
    EXPECT_FALSE(ok);
}

TEST_F(TextFileTest, WritesUtf8AndReplacesTheOldFile) {
    ASSERT_TRUE(WriteTextFile(path, QStringLiteral("old text that is longer")));
    ASSERT_TRUE(WriteTextFile(path, QString::fromUtf8("Ṭ €\r\n")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xe1\xb9\xac \xe2\x82\xac\r\n"));
}

TEST_F(TextFileTest, WriteFailsIntoAMissingOrUnwritableFolder) {
    EXPECT_FALSE(WriteTextFile(dir.filePath("no/such/folder/x.txt"), "x"));
    // A regular file where the folder should be stands in for a read-only folder, which
    // root could write into anyway.
    write("not a folder");
    EXPECT_FALSE(WriteTextFile(path + "/x.txt", "x"));
    EXPECT_EQ(ReadTextFile(path), "not a folder");
}

} // namespace
