#include "import/TopicEntry.h"

#include <gtest/gtest.h>

using scripture::LocationKey;

namespace {

int TwentyVerses(int, int) {
    return 20;
}

} // namespace

TEST(ParseTopicEntry, GroupsReferencesBySubTopicAndWritesThemInCanonicalNames) {
    const QString markup = QStringLiteral(
        "<entryFree n=\"ABEL\"> <def> <lb/>1. Son of Adam <ref osisRef=\"Gen.4.1-Gen.4.15\">Ge "
        "4:1-15</ref>,<ref osisRef=\"Gen.4.25\">25</ref> <list> <item>References to the death of "
        "<ref osisRef=\"Matt.23.35\">Mt 23:35</ref>; <ref osisRef=\"Heb.11.4\">Heb 11:4</ref>; "
        "<ref osisRef=\"Heb.12.24\">12:24</ref>; <ref osisRef=\"Wis.10.3\">Wis 10:3</ref></item> "
        "</list> <lb/>2. A stone <ref osisRef=\"1Sam.6.18\">1Sa 6:18</ref> <lb/>See "
        "<ref target=\"Nave:ABEL-MAIM\">ABEL-MAIM</ref> <lb/>Ge 4 <ref osisRef=\"Gen.4\">Ge 4</ref>"
        "</def> </entryFree>");
    const import::TopicEntry entry =
        import::ParseTopicEntry(QStringLiteral("ABEL"), markup, TwentyVerses);
    EXPECT_EQ(entry.headword, QStringLiteral("Abel"));
    EXPECT_EQ(
        entry.explanation,
        QStringLiteral("1. Son of Adam Kejadian 4:1-15,25\r\n"
                       "References to the death of Matius 23:35; Ibrani 11:4; 12:24; Wis 10:3\r\n"
                       "2. A stone I Samuel 6:18\r\nSee ABEL-MAIM\r\nGe 4 Kejadian 4:1-20"));
    ASSERT_EQ(entry.groups.size(), 4u);
    EXPECT_EQ(entry.groups[0].size(), 2u);
    EXPECT_EQ(entry.groups[1], (std::vector<LocationKey>{{QStringLiteral("Matius"), 23, 35, 0},
                                                         {QStringLiteral("Ibrani"), 11, 4, 0},
                                                         {QStringLiteral("Ibrani"), 12, 24, 0}}));
    // Every reference once, the whole chapter 4 included, the deuterocanon left out.
    EXPECT_EQ(entry.references.size(), 7u);
    EXPECT_EQ(entry.references.back(), (LocationKey{QStringLiteral("Kejadian"), 4, 1, 20}));
}

TEST(HeadwordCase, WritesCapitalHeadwordsAsNamesAndLeavesOthers) {
    EXPECT_EQ(import::HeadwordCase(QStringLiteral("ABED-NEGO")), QStringLiteral("Abed-Nego"));
    EXPECT_EQ(import::HeadwordCase(QStringLiteral("ABSTINENCE, TOTAL")),
              QStringLiteral("Abstinence, Total"));
    EXPECT_EQ(import::HeadwordCase(QStringLiteral("GOD'S WORD")), QStringLiteral("God's Word"));
    EXPECT_EQ(import::HeadwordCase(QStringLiteral("McCheyne")), QStringLiteral("McCheyne"));
}
