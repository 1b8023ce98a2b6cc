#include "import/TopicEntry.h"

#include <algorithm>
#include <gtest/gtest.h>

using import::TopicEntry;
using scripture::LocationKey;

namespace {

// Every chapter holds 40 verses; Yesaya is not in the store.
std::optional<LocationKey> FortyVerses(const LocationKey& key) {
    if (key.book == QStringLiteral("Yesaya") || key.firstVerse > 40)
        return std::nullopt;
    if (key.firstVerse == 0)
        return LocationKey{key.book, key.chapter, 1, 40};
    return LocationKey{key.book, key.chapter, key.firstVerse, std::min(key.lastVerse, 40)};
}

TopicEntry Parse(const QString& markup) {
    return import::ParseTopicEntry(QStringLiteral("ABEL"), markup, FortyVerses);
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
    const TopicEntry entry = Parse(markup);
    EXPECT_EQ(entry.headword, QStringLiteral("Abel"));
    EXPECT_EQ(
        entry.explanation,
        QStringLiteral("1. Son of Adam Kejadian 4:1-15,25\r\n"
                       "References to the death of Matius 23:35; Ibrani 11:4; 12:24; Wis 10:3\r\n"
                       "2. A stone I Samuel 6:18\r\nSee ABEL-MAIM\r\nKejadian 4 Kejadian 4"));
    ASSERT_EQ(entry.groups.size(), 4u);
    EXPECT_EQ(entry.groups[0].size(), 2u);
    EXPECT_EQ(entry.groups[1], (std::vector<LocationKey>{{QStringLiteral("Matius"), 23, 35, 0},
                                                         {QStringLiteral("Ibrani"), 11, 4, 0},
                                                         {QStringLiteral("Ibrani"), 12, 24, 0}}));
    // Every reference once, the whole chapter 4 included, the deuterocanon left out.
    EXPECT_EQ(entry.references.size(), 7u);
    EXPECT_EQ(entry.references.back(), (LocationKey{QStringLiteral("Kejadian"), 4, 1, 40}));
}

TEST(ParseTopicEntry, ReadsTheTextNotTheModulesTagsAndDropsWhatDoesNotFit) {
    // The module tags "Titus 2" as a chapter and the rest as Colossians.
    const TopicEntry corinth = Parse(QStringLiteral(
        "<item>By <ref osisRef=\"Titus.2\">Titus 2</ref><ref osisRef=\"Col.8.16\">Co 8:16</ref>,"
        "<ref osisRef=\"Col.8.17\">17</ref>; <ref osisRef=\"Col.12.18\">12:18</ref></item>"));
    EXPECT_EQ(corinth.explanation, QStringLiteral("By Titus II Korintus 8:16,17; 12:18"));
    EXPECT_EQ(corinth.references.front(), (LocationKey{QStringLiteral("II Korintus"), 8, 16, 0}));
    // Left-out references take their separator along; a glued one gets its blank.
    const TopicEntry dropped = Parse(QStringLiteral(
        "<lb/>REVERENCEGe 35:5; Isa 1:2; Ex 3:41; Mt 1:41,2 <lb/>Isa 6:1; Ro 1:1 <lb/>Ro 1:99"));
    EXPECT_EQ(dropped.explanation,
              QStringLiteral("REVERENCE Kejadian 35:5; Matius 1:2\r\nRoma 1:1"));
    EXPECT_EQ(dropped.groups.size(), 2u);
    EXPECT_EQ(dropped.references.size(), 3u);
}

TEST(HeadwordCase, WritesCapitalHeadwordsAsNamesAndLeavesOthers) {
    EXPECT_EQ(import::HeadwordCase(QStringLiteral("ABED-NEGO")), QStringLiteral("Abed-Nego"));
    EXPECT_EQ(import::HeadwordCase(QStringLiteral("ABSTINENCE, TOTAL")),
              QStringLiteral("Abstinence, Total"));
    EXPECT_EQ(import::HeadwordCase(QStringLiteral("GOD'S WORD")), QStringLiteral("God's Word"));
    EXPECT_EQ(import::HeadwordCase(QStringLiteral("McCheyne")), QStringLiteral("McCheyne"));
}
