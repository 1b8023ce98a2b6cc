#include "reader/CrossReferences.h"

#include <gtest/gtest.h>

using namespace reader;

namespace {

// Psalm 119's line: one entry for each of its 176 verses.
QString LongChapterReferensi() {
    QString line = QStringLiteral("#119#");
    for (int verse = 1; verse <= 176; ++verse)
        line += QStringLiteral("@119:%1 Ulangan 6:%2,Yosua 1:8").arg(verse).arg(verse % 25 + 1);
    return QStringLiteral("#1#@1:1 Yosua 1:8\r\n") + line +
           QStringLiteral("\r\n#120#@120:1 Yunus 2:2");
}

} // namespace

TEST(CrossReferences, TitleNamesTheTrimmedBookAndTheChapter) {
    EXPECT_EQ(CrossReferenceTitle(QStringLiteral("Matius "), 5),
              QStringLiteral("Ref. Silang Matius Bab 5"));
}

TEST(CrossReferences, AChapterWithoutALineOrWithoutEntriesHasOnlyTheNoReferenceItem) {
    const QString referensi = QStringLiteral("#5#@5:3 Lukas 6:20\r\n#6#\r\n#7#junk");
    const QStringList none{kNoCrossReference};
    EXPECT_EQ(CrossReferenceCaptions(referensi, 4), none);
    EXPECT_EQ(CrossReferenceCaptions(referensi, 6), none);
    EXPECT_EQ(CrossReferenceCaptions(referensi, 7), none);
    EXPECT_EQ(CrossReferenceCaptions(QString(), 1), none);
    // "#5#" is not found inside "#15#".
    EXPECT_EQ(CrossReferenceCaptions(QStringLiteral("#15#@15:1 Roma 1:1"), 5), none);
}

TEST(CrossReferences, ThreeEntriesGiveThreeItemsInTheirOrderWithTheStoredReferences) {
    const QString referensi =
        QStringLiteral("#1#@1:1 Lukas 3:23\r\n"
                       "#5#@5:3 Lukas 6:20,Yesaya 61:1@5:44 Lukas 6:27-28@5:45 Kisah Para Rasul "
                       "14:17\r\n#6#@6:9 Lukas 11:2");
    EXPECT_EQ(CrossReferenceCaptions(referensi, 5),
              (QStringList{QStringLiteral("5:3 -> Lukas 6:20,Yesaya 61:1"),
                           QStringLiteral("5:44 -> Lukas 6:27-28"),
                           QStringLiteral("5:45 -> Kisah Para Rasul 14:17")}));
    EXPECT_EQ(CrossReferenceCaptions(referensi, 6),
              QStringList{QStringLiteral("6:9 -> Lukas 11:2")});
}

TEST(CrossReferences, TheLongestChapterKeepsEveryEntry) {
    const QStringList captions = CrossReferenceCaptions(LongChapterReferensi(), 119);
    ASSERT_EQ(captions.size(), 176);
    EXPECT_EQ(captions.first(), QStringLiteral("119:1 -> Ulangan 6:2,Yosua 1:8"));
    EXPECT_EQ(captions.at(150), QStringLiteral("119:151 -> Ulangan 6:2,Yosua 1:8"));
    EXPECT_EQ(captions.last(), QStringLiteral("119:176 -> Ulangan 6:2,Yosua 1:8"));
}
