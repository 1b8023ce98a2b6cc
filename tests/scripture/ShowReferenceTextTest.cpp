#include "scripture/Notations.h"
#include "scripture/ReferenceText.h"
#include "store/Store.h"
#include "support/FixtureStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace scripture;

namespace {

class ShowReferenceTextTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new QTemporaryDir;
        store = store::Store::Open(fixture::WriteFixtureStore(folder->path())).release();
    }
    static void TearDownTestSuite() {
        delete store;
        delete folder;
    }
    static QStringList LinesOf(const QString& key) {
        const auto text = ShowReferenceText(key, *store);
        return text ? text->split(QStringLiteral("\r\n")) : QStringList();
    }

    static inline QTemporaryDir* folder = nullptr;
    static inline store::Store* store = nullptr;
};

TEST_F(ShowReferenceTextTest, ShowsTheFirstVersionsLinesOfTheKey) {
    const QStringList range = LinesOf(QStringLiteral("Matius#5:44-45"));
    ASSERT_EQ(range.size(), 2);
    EXPECT_TRUE(range[0].startsWith(QStringLiteral("5:44 Tetapi Aku berkata kepadamu")));
    EXPECT_TRUE(range[1].startsWith(QStringLiteral("5:45 Karena")));

    // Kitab1, not the version that joins 5:3 and 5:4.
    EXPECT_EQ(
        LinesOf(QStringLiteral("Matius#5:3")),
        QStringList{QStringLiteral("5:3 \"Berbahagialah orang yang miskin di hadapan Allah.")});
    EXPECT_EQ(LinesOf(QStringLiteral("Matius# 5:4")),
              QStringList{QStringLiteral("5:4 Berbahagialah orang yang berdukacita.")});
    EXPECT_EQ(LinesOf(QStringLiteral("Matius#5:1-6")).size(), 6);
}

TEST_F(ShowReferenceTextTest, EveryStudyTableKeyInTheStoreResolves) {
    QStringList keys;
    for (const auto& prophecy : store->prophecies())
        keys << prophecy.lama << prophecy.baru;
    for (const auto& row : store->thematic())
        keys << row.ayat;
    ASSERT_FALSE(keys.isEmpty());
    for (const QString& key : keys) {
        const auto location = ParseLocationKey(key);
        ASSERT_TRUE(location) << key.toStdString();
        const QStringList lines = LinesOf(key);
        ASSERT_FALSE(lines.isEmpty()) << key.toStdString();
        const int count = location->lastVerse ? location->lastVerse - location->firstVerse + 1 : 1;
        EXPECT_EQ(lines.size(), count) << key.toStdString();
        EXPECT_TRUE(lines.front().startsWith(QString::number(location->chapter) + u':' +
                                             QString::number(location->firstVerse) + u' '))
            << key.toStdString();
    }
}

TEST_F(ShowReferenceTextTest, GivesNothingWhenNoRowOrVerseMatches) {
    for (const QString& key : {QStringLiteral("Matius #5:3"), QStringLiteral("Matius#28:1"),
                               QStringLiteral("Matius#v:3"), QStringLiteral("Matius#5:7"),
                               QStringLiteral("Zakaria#14:9"), QStringLiteral("Tobit#1:1"),
                               QStringLiteral("Yohanes#3:17")}) {
        EXPECT_FALSE(ShowReferenceText(key, *store)) << key.toStdString();
    }
}

TEST_F(ShowReferenceTextTest, ApostrophesInTheBookAreDataNotQueryText) {
    for (const QString& key : {QStringLiteral("Matius' OR '1'='1#5:3"),
                               QStringLiteral("Matius'; DROP TABLE UsysAlkitab; --#5:3"),
                               QStringLiteral("Ma'tius#5:3")}) {
        EXPECT_FALSE(ShowReferenceText(key, *store)) << key.toStdString();
    }
    // The store is still whole afterwards.
    EXPECT_TRUE(ShowReferenceText(QStringLiteral("Matius#5:3"), *store));
}

} // namespace
