#include "import/StoreBounds.h"

#include <gtest/gtest.h>

using import::StoreBounds;
using scripture::LocationKey;

namespace {

// Yudas 1 with 25 verses; Roma 1 with 32 and Roma 3 with 31, Roma 2 and 16 not there.
StoreBounds Bounds() {
    StoreBounds bounds;
    bounds.addChapter(QStringLiteral("Yudas"), 1, 25);
    bounds.addChapter(QStringLiteral("Roma"), 3, 31);
    bounds.addChapter(QStringLiteral("Roma"), 1, 32);
    return bounds;
}

} // namespace

TEST(StoreBounds, FitsKeysToTheChaptersAndVersesHeld) {
    const import::StoreBounds bounds = Bounds();
    bool cut = true;
    EXPECT_EQ(bounds.fit({"Yudas", 1, 1, 0}, &cut), (LocationKey{"Yudas", 1, 1, 0}));
    EXPECT_FALSE(cut);
    EXPECT_EQ(bounds.fit({"Yudas", 1, 25, 0}), (LocationKey{"Yudas", 1, 25, 0}));
    EXPECT_EQ(bounds.fit({"Yudas", 1, 20, 25}, &cut), (LocationKey{"Yudas", 1, 20, 25}));
    EXPECT_FALSE(cut);
    EXPECT_FALSE(bounds.fit({"Yudas", 1, 26, 0}));
    EXPECT_FALSE(bounds.fit({"Yudas", 2, 1, 0}));
    EXPECT_FALSE(bounds.fit({"Yudas", 0, 1, 0}));
    EXPECT_FALSE(bounds.fit({"Wahyu", 1, 1, 0}));
    EXPECT_FALSE(bounds.fit({"Roma", 16, 25, 27}));
    // A range past the end is cut there; one cut down to its first verse is a single verse.
    EXPECT_EQ(bounds.fit({"Yudas", 1, 24, 99}, &cut), (LocationKey{"Yudas", 1, 24, 25}));
    EXPECT_TRUE(cut);
    EXPECT_EQ(bounds.fit({"Yudas", 1, 25, 26}, &cut), (LocationKey{"Yudas", 1, 25, 0}));
    EXPECT_TRUE(cut);
    // A whole chapter becomes its verses.
    EXPECT_EQ(bounds.fit({"Roma", 1, 0, 0}), (LocationKey{"Roma", 1, 1, 32}));
    EXPECT_EQ(bounds.fit({"Roma", 3, 31, 0}), (LocationKey{"Roma", 3, 31, 0}));
    EXPECT_FALSE(bounds.fit({"Roma", 2, 1, 0}));
    EXPECT_FALSE(bounds.fit({"Roma", 4, 1, 0}));
}

TEST(StoreBounds, NamesTheCauseOfAFault) {
    const import::StoreBounds bounds = Bounds();
    EXPECT_EQ(bounds.fault({"Yudas", 1, 1, 25}), QString());
    EXPECT_EQ(bounds.fault({"Roma", 1, 0, 0}), QString());
    EXPECT_EQ(bounds.fault({"Yudas", 1, 3, 26}), QStringLiteral("Yudas 1 hanya sampai ayat 25"));
    EXPECT_EQ(bounds.fault({"Yudas", 1, 26, 0}), QStringLiteral("Yudas 1 hanya sampai ayat 25"));
    EXPECT_EQ(bounds.fault({"Roma", 2, 1, 0}), QStringLiteral("Roma tidak memiliki pasal 2"));
    EXPECT_EQ(bounds.fault({"Rom", 1, 1, 0}), QStringLiteral("kitab Rom tidak ada dalam database"));
}

TEST(LeftOut, SummarisesWhatATableLostWithTheFirstFive) {
    const import::StoreBounds bounds = Bounds();
    import::LeftOut left(QStringLiteral("UsysTematik"));
    EXPECT_EQ(left.summary(), QString());
    for (int verse = 26; verse <= 31; ++verse)
        EXPECT_FALSE(left.fit(bounds, {"Yudas", 1, verse, 0}));
    EXPECT_TRUE(left.fit(bounds, {"Yudas", 1, 25, 30}));
    EXPECT_FALSE(left.fit(bounds, {"Roma", 16, 0, 0}));
    EXPECT_EQ(left.leftCount(), 7);
    EXPECT_EQ(left.cutCount(), 1);
    EXPECT_EQ(left.summary(),
              QStringLiteral("UsysTematik: 7 rujukan ke ayat yang tidak ada ditinggalkan "
                             "(Yudas#1:26, Yudas#1:27, Yudas#1:28, Yudas#1:29, Yudas#1:30, ...); "
                             "1 rentang dipotong sampai akhir pasal (Yudas#1:25-30)."));
}
