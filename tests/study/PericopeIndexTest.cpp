#include "study/PericopeIndex.h"

#include <gtest/gtest.h>

using namespace study;

TEST(PericopeEntries, OneEntryPerLineWhateverTheLinesHold) {
    EXPECT_TRUE(PericopeEntries(QString()).empty());
    const auto entries = PericopeEntries(QStringLiteral(
        "Ucapan bahagia==[Matius#5:3-12]\r\nTanpa rujukan\r\nA==[Matius#6:1]==x\r\n"));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0],
              (PericopeEntry{QStringLiteral("Ucapan bahagia"), QStringLiteral("[Matius#5:3-12]")}));
    // A line without "==" is all heading.
    EXPECT_EQ(entries[1], (PericopeEntry{QStringLiteral("Tanpa rujukan"), QString()}));
    EXPECT_EQ(entries[2].reference, QStringLiteral("[Matius#6:1]"));
    // A closing CR LF leaves a blank pair, which leads nowhere.
    EXPECT_EQ(entries[3], PericopeEntry{});
    EXPECT_FALSE(PericopeStartOf(entries[3].reference));
    EXPECT_FALSE(PericopeStartOf(entries[1].reference));
}

TEST(PericopeEntries, ABookWithMoreThanTwoHundredPericopesKeepsThemAll) {
    QStringList lines;
    for (int k = 1; k <= 286; ++k)
        lines << QStringLiteral("Mazmur %1==[Mazmur#%1:1-3]").arg(k);
    const auto entries = PericopeEntries(lines.join(QStringLiteral("\r\n")));
    ASSERT_EQ(entries.size(), 286u);
    EXPECT_EQ(entries[200].heading, QStringLiteral("Mazmur 201"));
    EXPECT_EQ(PericopeStartOf(entries[285].reference), (PericopeStart{286, 1}));
}

TEST(PericopeStart, IsTheChapterAndFirstVerseInsideTheEnclosingCharacters) {
    EXPECT_EQ(PericopeStartOf(QStringLiteral(" [Matius#5:3-12] ")), (PericopeStart{5, 3}));
    // A single verse, and a range across chapters.
    EXPECT_EQ(PericopeStartOf(QStringLiteral("[Matius#5:44]")), (PericopeStart{5, 44}));
    EXPECT_EQ(PericopeStartOf(QStringLiteral("(Matius # 5 : 1 - 7 : 29)")), (PericopeStart{5, 1}));
    // The enclosing characters are dropped unchecked; chapter 13 is not read as 3.
    EXPECT_EQ(PericopeStartOf(QStringLiteral("xKejadian#13:1-18y")), (PericopeStart{13, 1}));
    EXPECT_EQ(PericopeStartOf(QStringLiteral("[Kejadian#3:1]")), (PericopeStart{3, 1}));
    // Only a chapter: the view goes to its start.
    EXPECT_EQ(PericopeStartOf(QStringLiteral("[Obaja#1]")), (PericopeStart{1, 0}));
}

TEST(PericopeStart, NothingWithoutAChapter) {
    EXPECT_FALSE(PericopeStartOf(QStringLiteral("[Matius 5:3]")));
    EXPECT_FALSE(PericopeStartOf(QStringLiteral("[Matius#:3]")));
    EXPECT_FALSE(PericopeStartOf(QStringLiteral("[]")));
    EXPECT_FALSE(PericopeStartOf(QStringLiteral("[")));
}
