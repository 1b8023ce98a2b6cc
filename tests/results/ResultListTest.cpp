#include "results/ResultList.h"

#include "platform/AnsiCodePage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace results;

namespace {

class ResultListTest : public testing::Test {
protected:
    search::ResultListEntry Entry(const QString& name) {
        const QString file = temp.filePath(name);
        platform::WriteTextFile(file, name);
        return {name + QStringLiteral(" (judul)"), file, QStringLiteral("ringkasan ") + name};
    }
    QTemporaryDir temp;
    ResultList list;
};

TEST_F(ResultListTest, RemovesTheEntryAndItsFileAtTheGivenIndexOnly) {
    const auto a = Entry(QStringLiteral("a")), b = Entry(QStringLiteral("b")),
               c = Entry(QStringLiteral("c"));
    list.add(a);
    list.add(b);
    list.add(c);
    list.remove(2);
    EXPECT_FALSE(QFile::exists(c.file));
    list.remove(3);
    list.remove(-1);
    list.remove(0);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list.at(0).title, b.title);
    EXPECT_FALSE(QFile::exists(a.file));
    EXPECT_TRUE(QFile::exists(b.file));
}

TEST_F(ResultListTest, RemovingAnEntryWhoseFileIsGoneOnlyRemovesTheEntry) {
    const auto a = Entry(QStringLiteral("a"));
    QFile::remove(a.file);
    list.add(a);
    list.remove(0);
    EXPECT_TRUE(list.empty());
}

TEST_F(ResultListTest, ClearDeletesEveryFile) {
    const auto a = Entry(QStringLiteral("a")), b = Entry(QStringLiteral("b"));
    list.add(a);
    list.add(b);
    list.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(QFile::exists(a.file));
    EXPECT_FALSE(QFile::exists(b.file));
}

} // namespace
