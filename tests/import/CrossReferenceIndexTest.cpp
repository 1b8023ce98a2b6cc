#include "import/CrossReferenceIndex.h"

#include <gtest/gtest.h>

using import::CrossReferenceIndex;
using import::ReferenceSource;
using scripture::LocationKey;

namespace {

LocationKey Key(const char* book, int chapter, int first, int last = 0) {
    return {QString::fromUtf8(book), chapter, first, last};
}

} // namespace

TEST(CrossReferenceIndex, WritesOneLineForEachChapterThatTheMenuReadsBack) {
    CrossReferenceIndex index(10, 4);
    index.add(Key("Matius", 5, 44), Key("Lukas", 6, 27, 28), ReferenceSource::Note);
    index.add(Key("Matius", 5, 44), Key("Roma", 12, 14), ReferenceSource::Note);
    index.add(Key("Matius", 5, 3, 12), Key("Lukas", 6, 20), ReferenceSource::Parallel);
    index.add(Key("Matius", 1, 23), Key("Yesaya", 7, 14), ReferenceSource::Note);
    const QString referensi = index.referensi(QStringLiteral("Matius"));
    EXPECT_EQ(referensi, QStringLiteral("#1#@1:23 Yesaya 7:14\r\n"
                                        "#5#@5:3 Lukas 6:20@5:44 Lukas 6:27-28,Roma 12:14"));
    const auto chapter5 = scripture::CrossReferencesOfChapter(referensi, 5);
    ASSERT_EQ(chapter5.size(), 2u);
    EXPECT_EQ(chapter5[1].label, QStringLiteral("5:44"));
    EXPECT_EQ(chapter5[1].references,
              (QStringList{QStringLiteral("Lukas 6:27-28"), QStringLiteral("Roma 12:14")}));
    EXPECT_TRUE(index.referensi(QStringLiteral("Wahyu")).isEmpty());
}

TEST(CrossReferenceIndex, RefusesDuplicatesSelfReferencesAndBrokenKeys) {
    CrossReferenceIndex index(10, 4);
    EXPECT_TRUE(index.add(Key("Matius", 5, 44), Key("Lukas", 6, 27), ReferenceSource::Note));
    EXPECT_FALSE(index.add(Key("Matius", 5, 44), Key("Lukas", 6, 27), ReferenceSource::Topic));
    EXPECT_FALSE(index.add(Key("Matius", 5, 44), Key("Matius", 5, 43, 48), ReferenceSource::Topic));
    EXPECT_FALSE(index.add(Key("Matius", 5, 44), Key("", 6, 27), ReferenceSource::Note));
    EXPECT_FALSE(index.add(Key("Matius", 0, 44), Key("Lukas", 6, 27), ReferenceSource::Note));
    EXPECT_TRUE(index.add(Key("Matius", 5, 44), Key("Matius", 5, 43), ReferenceSource::Note));
}

TEST(CrossReferenceIndex, BoundsEachVerseAndTheTopicShareOfIt) {
    CrossReferenceIndex index(3, 1);
    const LocationKey from = Key("Yohanes", 3, 16);
    EXPECT_TRUE(index.add(from, Key("Roma", 5, 8), ReferenceSource::Topic));
    EXPECT_FALSE(index.add(from, Key("Roma", 5, 9), ReferenceSource::Topic));
    EXPECT_TRUE(index.add(from, Key("I Yohanes", 4, 9), ReferenceSource::Note));
    EXPECT_TRUE(index.add(from, Key("I Yohanes", 4, 10), ReferenceSource::Parallel));
    EXPECT_FALSE(index.add(from, Key("I Yohanes", 4, 11), ReferenceSource::Note));
    EXPECT_EQ(index.referensi(QStringLiteral("Yohanes")),
              QStringLiteral("#3#@3:16 Roma 5:8,I Yohanes 4:9,I Yohanes 4:10"));
}

TEST(CrossReferenceIndex, KeepsAChapterWithinWhatItsMenuCanShow) {
    CrossReferenceIndex index(10, 4);
    for (int verse = 1; verse <= 176; ++verse)
        index.add(Key("Mazmur", 119, verse), Key("Ulangan", 6, 5), ReferenceSource::Note);
    const auto entries =
        scripture::CrossReferencesOfChapter(index.referensi(QStringLiteral("Mazmur")), 119);
    ASSERT_EQ(entries.size(), size_t(CrossReferenceIndex::kMaxEntriesPerChapter));
    EXPECT_EQ(entries.back().label, QStringLiteral("119:150"));
}
