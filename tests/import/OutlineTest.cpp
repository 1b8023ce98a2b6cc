#include "import/Outline.h"

#include "scripture/Notations.h"

#include <gtest/gtest.h>

using import::ChapterOutline;
using import::OutlineEntry;

namespace {

bool Same(const OutlineEntry& entry, const QString& heading, int first, int last) {
    return entry.heading == heading && entry.firstVerse == first && entry.lastVerse == last;
}

} // namespace

TEST(ChapterOutline, ReadsTheOutlineTableOfAChapter) {
    const QString markup = QStringLiteral(
        "<title type=\"x-s2\">Chapter 2</title> <title type=\"x-IS\">Chapter Outline</title> "
        "<table> <row><cell>The first sabbath.</cell><cell>(1-3)</cell></row> </table> "
        "<table> <row><cell>Man is placed in it.</cell><cell>(15)</cell></row> </table> "
        "<table> <row><cell>The animals named, The making of woman.</cell><cell>(18-25)</cell>"
        "</row> </table> <hi type=\"bold\">Verses 1-3</hi> After six days, (see 4:1-2) ...");
    const std::vector<OutlineEntry> entries = ChapterOutline(markup, 25);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(Same(entries[0], QStringLiteral("The first sabbath"), 1, 3));
    EXPECT_TRUE(Same(entries[1], QStringLiteral("Man is placed in it"), 15, 0));
    EXPECT_TRUE(Same(entries[2], QStringLiteral("The animals named, The making of woman"), 18, 25));
}

TEST(ChapterOutline, ReadsSectionsNamedInTheChapterSummary) {
    const QString markup = QStringLiteral(
        "<title type=\"x-s2\">Chapter 1</title> <div sID=\"a\" type=\"x-p\"/>The miserable state "
        "of Jerusalem. (<reference osisRef=\"Lam.1.1-Lam.1.11\">La 1:1-11</reference>) Jerusalem "
        "lamenting. (Lam. 1:12-22) <div eID=\"a\" type=\"x-p\"/><hi type=\"bold\">Verses 1-11</hi> "
        "The prophet (1:3) speaks");
    const std::vector<OutlineEntry> entries = ChapterOutline(markup, 22);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(Same(entries[0], QStringLiteral("The miserable state of Jerusalem"), 1, 11));
    EXPECT_TRUE(Same(entries[1], QStringLiteral("Jerusalem lamenting"), 12, 22));
}

TEST(ChapterOutline, TakesAShortSummaryAsTheHeadingOfTheWholeChapter) {
    const QString summary = QStringLiteral(
        "<title type=\"x-s2\">Chapter 23</title> <div sID=\"a\" type=\"x-p\"/>Confidence in God's "
        "grace and care. <div eID=\"a\" type=\"x-p\"/> <div sID=\"b\" type=\"introduction\"/> "
        "The Lord is my shepherd.");
    const std::vector<OutlineEntry> entries = ChapterOutline(summary, 6);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(Same(entries[0], QStringLiteral("Confidence in God's grace and care"), 1, 6));
    // A paragraph of commentary is no heading, and nothing at all gives no pericope.
    EXPECT_TRUE(ChapterOutline(
                    QString(summary).replace(QStringLiteral("Confidence"), QString(200, u'x')), 6)
                    .empty());
    EXPECT_TRUE(
        ChapterOutline(QStringLiteral("<hi type=\"bold\">Verses 1-6</hi> text"), 6).empty());
}

TEST(PerikopLines, WriteHeadingAndEnclosedLocationKeyThatTheIndexReadsBack) {
    const QStringList lines = import::PerikopLines(
        QStringLiteral("Kisah Para Rasul"), 2,
        {{QStringLiteral("The day of Pentecost"), 1, 4}, {QStringLiteral("A == sign"), 5, 0}});
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("The day of Pentecost==[Kisah Para Rasul#2:1-4]"));
    const auto parsed = scripture::ParsePericopeLine(lines[1]);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->reference, QStringLiteral("Kisah Para Rasul#2:5"));
}
