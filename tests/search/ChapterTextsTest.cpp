#include "search/ChapterTexts.h"

#include "search/LineMatch.h"
#include "search/TextArena.h"
#include "store/Store.h"
#include "support/FixtureStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace search;

namespace {

// The texts kept for a search are those the store gives one chapter at a time, read on two
// connections and decoded into shared blocks.
TEST(ChapterTextsTest, EveryChapterAsTheStoreReadsItWithItsLowerCase) {
    QTemporaryDir folder;
    const auto store = store::Store::Open(fixture::WriteFixtureStore(folder.path()));
    ChapterTexts texts(*store);
    for (const QString& column : {QStringLiteral("Kitab1"), QStringLiteral("Kitab2")}) {
        const std::vector<ChapterTexts::Text>& kept = texts.column(column);
        ASSERT_EQ(kept.size(), store->chapters().size());
        int nulls = 0;
        for (size_t index = 0; index < kept.size(); ++index) {
            const QString own = store->chapterText(int(index), column);
            EXPECT_EQ(kept[index].text, own) << index;
            EXPECT_EQ(kept[index].text.isNull(), own.isNull()) << index;
            EXPECT_EQ(kept[index].folded, FoldCase(own)) << index;
            nulls += own.isNull();
        }
        EXPECT_EQ(&texts.column(column), &kept);
        if (column == QLatin1String("Kitab2")) {
            EXPECT_GT(nulls, 0);
        }
    }
}

// Texts taken one after another never share memory, also across a block's end and for a
// text larger than a block.
TEST(ChapterTextsTest, ArenaTextsStayApart) {
    TextArena arena;
    std::vector<std::pair<char16_t*, qsizetype>> taken;
    for (const qsizetype units : {qsizetype(5), qsizetype(1) << 20, qsizetype(3) << 20,
                                  qsizetype(0), qsizetype(1) << 20, qsizetype(7)}) {
        char16_t* text = arena.take(units + 10);
        ASSERT_NE(text, nullptr);
        arena.keep(units);
        std::fill(text, text + units, char16_t(taken.size() + 1));
        taken.emplace_back(text, units);
    }
    for (size_t k = 0; k < taken.size(); ++k) {
        const auto [text, units] = taken[k];
        EXPECT_EQ(std::count(text, text + units, char16_t(k + 1)), units) << k;
    }
}

} // namespace
