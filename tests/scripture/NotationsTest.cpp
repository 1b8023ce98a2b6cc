#include "scripture/Notations.h"

#include <gtest/gtest.h>

using namespace scripture;

namespace {

const QString kApostropheBook = QStringLiteral("Ma'tius' OR ''='");

} // namespace

TEST(LocationKey, ReadsSingleVersesRangesAndBlanksAroundTheChapter) {
    EXPECT_EQ(ParseLocationKey(QStringLiteral("Matius#5:44-45")),
              (LocationKey{QStringLiteral("Matius"), 5, 44, 45}));
    EXPECT_EQ(ParseLocationKey(QStringLiteral("Matius# 5:44")),
              (LocationKey{QStringLiteral("Matius"), 5, 44, 0}));
    EXPECT_EQ(ParseLocationKey(QStringLiteral(" Kisah Para Rasul#  2 :1-4 ")),
              (LocationKey{QStringLiteral("Kisah Para Rasul"), 2, 1, 4}));
    EXPECT_EQ(ParseLocationKey(QStringLiteral("Matius#5: 3")),
              (LocationKey{QStringLiteral("Matius"), 5, 3, 0}));
}

TEST(LocationKey, RejectsMalformedText) {
    for (const QString& bad :
         {QString(), QStringLiteral("Matius"), QStringLiteral("#5:3"), QStringLiteral("Matius#5"),
          QStringLiteral("Matius#5:"), QStringLiteral("Matius#v:3"), QStringLiteral("Matius#5:3a"),
          QStringLiteral("Matius#5:3-"), QStringLiteral("Matius#5:-4"),
          QStringLiteral("Matius#0:3"), QStringLiteral("Matius#5:0"), QStringLiteral("Matius#-5:3"),
          QStringLiteral("Matius#5:45-44"), QStringLiteral("Matius #5:3"),
          QStringLiteral("Matius#5:1-7:29"), QStringLiteral("Matius#99999999999:1")}) {
        EXPECT_FALSE(ParseLocationKey(bad)) << bad.toStdString();
    }
}

// Nine digits are the most a number may have: ten could pass the largest int.
TEST(LocationKey, NumbersOfNineDigitsAreReadAndOfTenRefused) {
    EXPECT_EQ(ParseLocationKey(QStringLiteral("Matius#999999999:1-999999999")),
              (LocationKey{QStringLiteral("Matius"), 999999999, 1, 999999999}));
    EXPECT_EQ(ParseLocationKey(QStringLiteral("Matius# 000000005:44")),
              (LocationKey{QStringLiteral("Matius"), 5, 44, 0}));
    for (const QString& bad :
         {QStringLiteral("Matius#9999999999:1"), QStringLiteral("Matius#5:4294967297"),
          QStringLiteral("Matius#5:1-0000000001")}) {
        EXPECT_FALSE(ParseLocationKey(bad)) << bad.toStdString();
    }
}

TEST(DisplayReference, TakesTheBookUpToTheLastBlank) {
    EXPECT_EQ(ParseDisplayReference(QStringLiteral("I Korintus 13:4-7")),
              (LocationKey{QStringLiteral("I Korintus"), 13, 4, 7}));
    EXPECT_EQ(ParseDisplayReference(QStringLiteral("Roma 12:14")),
              (LocationKey{QStringLiteral("Roma"), 12, 14, 0}));
    for (const QString& bad : {QStringLiteral("Roma"), QStringLiteral("12:14"),
                               QStringLiteral("Roma 12"), QStringLiteral("Roma#12:14"),
                               QStringLiteral("Roma 12: 14"), QStringLiteral("Roma#x 12:14")}) {
        EXPECT_FALSE(ParseDisplayReference(bad)) << bad.toStdString();
    }
}

TEST(Notations, EveryNotationRoundTripsIncludingApostrophesInTheBook) {
    for (const QString& book : {QStringLiteral("Kisah Para Rasul"), kApostropheBook}) {
        const LocationKey range{book, 13, 4, 7};
        const LocationKey single{book, 5, 44, 0};
        for (const LocationKey& key : {range, single}) {
            EXPECT_EQ(ParseLocationKey(FormatLocationKey(key)), key);
            EXPECT_EQ(ParseDisplayReference(FormatDisplayReference(key)), key);
        }
        const HistoryEntry entry{QStringLiteral("Kitab12"), book, 150, 176};
        EXPECT_EQ(ParseHistoryEntry(FormatHistoryEntry(entry)), entry);
        const BookmarkPosition position{book, 5, 44};
        EXPECT_EQ(ParseBookmarkPosition(FormatBookmarkPosition(position)), position);
    }
    const VersionTag tag{QStringLiteral("Kitab2"), QStringLiteral("Alkitab Kabar Baik")};
    EXPECT_EQ(ParseVersionTag(FormatVersionTag(tag)), tag);
}

TEST(Notations, FormatsGiveTheExactWrittenForms) {
    EXPECT_EQ(FormatLocationKey({QStringLiteral("Matius"), 5, 44, 45}),
              QStringLiteral("Matius#5:44-45"));
    EXPECT_EQ(FormatDisplayReference({QStringLiteral("I Korintus"), 13, 4, 7}),
              QStringLiteral("I Korintus 13:4-7"));
    EXPECT_EQ(FormatHistoryEntry({QStringLiteral("Kitab1"), QStringLiteral("Matius"), 5, 1}),
              QStringLiteral("Kitab1@Matius# 5:1"));
    EXPECT_EQ(FormatBookmarkPosition({QStringLiteral("Matius"), 5, 44}),
              QStringLiteral("Matius#5:44"));
    EXPECT_EQ(FormatVersionTag({QStringLiteral("Kitab1"), QStringLiteral("TB")}),
              QStringLiteral("Kitab1~~~~TB"));
    EXPECT_EQ(ChapterQuery(QStringLiteral("Matius"), 5), QStringLiteral("Buku='Matius' AND Bab=5"));
}

TEST(Notations, HistoryBookmarkAndVersionTagRejectMalformedText) {
    for (const QString& bad :
         {QStringLiteral("Matius# 5:1"), QStringLiteral("@Matius# 5:1"),
          QStringLiteral("Kitab1@Matius# 5:1-3"), QStringLiteral("Kitab1@Matius 5:1"),
          QStringLiteral("Kitab1@Matius# 5:")}) {
        EXPECT_FALSE(ParseHistoryEntry(bad)) << bad.toStdString();
    }
    EXPECT_FALSE(ParseBookmarkPosition(QStringLiteral("Matius#5:44-45")));
    EXPECT_FALSE(ParseBookmarkPosition(QStringLiteral("Matius 5:44")));
    EXPECT_FALSE(ParseVersionTag(QStringLiteral("~~~~TB")));
    EXPECT_FALSE(ParseVersionTag(QStringLiteral("Kitab1 TB")));
    EXPECT_EQ(ParseVersionTag(QStringLiteral("Kitab1~~~~~TB")),
              (VersionTag{QStringLiteral("Kitab1"), QStringLiteral("~TB")}));
}

TEST(CrossReferenceLine, IgnoresBlanksAndEmptyPartsAroundReferences) {
    const CrossReferenceLine expected{
        QStringLiteral("5:44"), {QStringLiteral("Lukas 6:27-28"), QStringLiteral("Roma 12:14")}};
    EXPECT_EQ(ParseCrossReferenceLine(QStringLiteral("5:44 -> Lukas 6:27-28, Roma 12:14")),
              expected);
    EXPECT_EQ(ParseCrossReferenceLine(QStringLiteral("5:44 ->  Lukas 6:27-28 ,, Roma 12:14 ,")),
              expected);
    EXPECT_EQ(FormatCrossReferenceLine(expected),
              QStringLiteral("5:44 -> Lukas 6:27-28,Roma 12:14"));
    // Every reference of a line is a display reference the jump list can resolve.
    for (const QString& reference : expected.references)
        EXPECT_TRUE(ParseDisplayReference(reference)) << reference.toStdString();

    EXPECT_FALSE(ParseCrossReferenceLine(QStringLiteral("5:44 Lukas 6:27-28")));
    EXPECT_FALSE(ParseCrossReferenceLine(QStringLiteral(" -> Lukas 6:27-28")));
}

TEST(Referensi, GivesOneChaptersEntriesInTheirOrder) {
    const QString referensi =
        QStringLiteral("#5#@5:3 Lukas 6:20,Yesaya 61:1@5:44 Lukas 6:27-28\r\n#1#@1:1 Lukas 3:23\r\n"
                       "#15#@15:4 Markus 7:10@15:8 Yesaya 29:13, Markus 7:6@15:9 Kolose 2:22");
    const auto fifth = CrossReferencesOfChapter(referensi, 5);
    ASSERT_EQ(fifth.size(), 2u);
    EXPECT_EQ(fifth[0],
              (CrossReferenceLine{QStringLiteral("5:3"),
                                  {QStringLiteral("Lukas 6:20"), QStringLiteral("Yesaya 61:1")}}));
    EXPECT_EQ(FormatCrossReferenceLine(fifth[1]), QStringLiteral("5:44 -> Lukas 6:27-28"));

    const auto fifteenth = CrossReferencesOfChapter(referensi, 15);
    ASSERT_EQ(fifteenth.size(), 3u);
    EXPECT_EQ(fifteenth[1].references,
              (QStringList{QStringLiteral("Yesaya 29:13"), QStringLiteral("Markus 7:6")}));
    EXPECT_EQ(fifteenth[2].label, QStringLiteral("15:9"));

    EXPECT_TRUE(CrossReferencesOfChapter(referensi, 2).empty());
    EXPECT_TRUE(CrossReferencesOfChapter(referensi, 51).empty());
    EXPECT_TRUE(CrossReferencesOfChapter(QString(), 1).empty());
}

TEST(Referensi, SkipsBrokenEntriesAndToleratesBareLineFeeds) {
    const QString referensi =
        QStringLiteral("#1#\n#2#junk@2:1@@2:3 @2:4 Roma 1:1\n#3#@3:1 Roma 3:23");
    EXPECT_TRUE(CrossReferencesOfChapter(referensi, 1).empty());
    const auto second = CrossReferencesOfChapter(referensi, 2);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(FormatCrossReferenceLine(second[0]), QStringLiteral("2:4 -> Roma 1:1"));
    EXPECT_EQ(CrossReferencesOfChapter(referensi, 3).size(), 1u);
}

TEST(Referensi, WrittenLinesReadBack) {
    const std::vector<CrossReferenceLine> lines{
        {QStringLiteral("5:3"), {QStringLiteral("Lukas 6:20"), QStringLiteral("Yesaya 61:1")}},
        {QStringLiteral("5:44"), {QStringLiteral("Lukas 6:27-28")}}};
    const QString line = FormatReferensiLine(5, lines);
    EXPECT_EQ(line, QStringLiteral("#5#@5:3 Lukas 6:20,Yesaya 61:1@5:44 Lukas 6:27-28"));
    const QString referensi =
        FormatReferensiLine(1, {{QStringLiteral("1:1"), {QStringLiteral("Lukas 3:23")}}}) +
        QStringLiteral("\r\n") + line;
    EXPECT_EQ(CrossReferencesOfChapter(referensi, 5), lines);
}

TEST(PericopeLine, SplitsAtTheMarkAndDropsTheEnclosingCharacters) {
    const PericopeLine line{QStringLiteral("Ucapan bahagia"), QStringLiteral("Matius#5:3-12")};
    EXPECT_EQ(ParsePericopeLine(QStringLiteral("Ucapan bahagia==[Matius#5:3-12]")), line);
    EXPECT_EQ(FormatPericopeLine(line), QStringLiteral("Ucapan bahagia==[Matius#5:3-12]"));
    EXPECT_EQ(ParsePericopeLine(FormatPericopeLine(line)), line);
    EXPECT_EQ(ParseLocationKey(line.reference), (LocationKey{QStringLiteral("Matius"), 5, 3, 12}));

    EXPECT_EQ(
        ParsePericopeLine(QStringLiteral("Khotbah di bukit== (Matius#5:1-7:29) ")),
        (PericopeLine{QStringLiteral("Khotbah di bukit"), QStringLiteral("Matius#5:1-7:29")}));
    EXPECT_EQ(ParsePericopeLine(QStringLiteral("A==[Matius#5:3]==B")),
              (PericopeLine{QStringLiteral("A"), QStringLiteral("Matius#5:3")}));
    EXPECT_EQ(ParsePericopeLine(QStringLiteral("Tanpa rujukan==")),
              (PericopeLine{QStringLiteral("Tanpa rujukan"), QString()}));
    EXPECT_FALSE(ParsePericopeLine(QStringLiteral("Judul saja")));
    EXPECT_FALSE(ParsePericopeLine(QString()));
}
