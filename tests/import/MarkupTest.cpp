#include "import/Markup.h"

#include <gtest/gtest.h>

using import::CrossReferenceNotes;
using import::PlainVerseText;
using import::ReadableText;

TEST(PlainVerseText, KeepsOnlyTheWordsOfOsisVerses) {
    EXPECT_EQ(
        PlainVerseText(QStringLiteral(
            "<q marker=\"\"><w lemma=\"strong:G1161\">But</w> <w lemma=\"strong:G1473\">I</w> "
            "tell you, <transChange type=\"added\">love</transChange> your enemies, </q>")),
        QStringLiteral("But I tell you, love your enemies,"));
    // A footnote between two words leaves one blank, but none before punctuation.
    EXPECT_EQ(
        PlainVerseText(QStringLiteral(
            "<w>God</w><note placement=\"foot\"><reference type=\"annotateRef\">1:1 </reference>"
            "The Hebrew word rendered “God”</note><w>created</w> the earth<note>x</note>.")),
        QStringLiteral("God created the earth."));
    EXPECT_EQ(PlainVerseText(QStringLiteral("Christ,<note>n</note><w>the</w> son")),
              QStringLiteral("Christ, the son"));
}

TEST(PlainVerseText, DropsHeadingsButKeepsCanonicalPsalmTitles) {
    EXPECT_EQ(PlainVerseText(QStringLiteral(
                  "<title type=\"section\">The Beatitudes</title><div sID=\"p1\" type=\"x-p\"/>"
                  "Blessed are the poor")),
              QStringLiteral("Blessed are the poor"));
    EXPECT_EQ(
        PlainVerseText(QStringLiteral(
            "<title canonical=\"true\" type=\"psalm\">A Psalm by David.</title> <lg sID=\"a\"/>"
            "<l level=\"1\" sID=\"b\"/>Yahweh, how my adversaries have increased!<l eID=\"b\"/>")),
        QStringLiteral("A Psalm by David. Yahweh, how my adversaries have increased!"));
    EXPECT_EQ(PlainVerseText(QStringLiteral("<speaker>Beloved</speaker> Let him kiss me")),
              QStringLiteral("Let him kiss me"));
}

TEST(PlainVerseText, ReadsGbfAndThmlMarkupAndEntities) {
    EXPECT_EQ(PlainVerseText(QStringLiteral("In the beginning<WH07225> God<WH0430> "
                                            "created<RF>Or, made<Rf> the <FI>heaven<Fi>")),
              QStringLiteral("In the beginning God created the heaven"));
    EXPECT_EQ(PlainVerseText(QStringLiteral(
                  "Love <sync type=\"Strongs\" value=\"G25\"/>your enemies<note>lit.</note> "
                  "<scripRef>Luke 6:27</scripRef>&amp; pray &#233;&#x2014;")),
              QStringLiteral("Love your enemies & pray é—"));
    EXPECT_EQ(PlainVerseText(QStringLiteral("a &lt; b &unknown; c")),
              QStringLiteral("a < b &unknown; c"));
}

TEST(PlainVerseText, DecodesNamedAndNumericEntitiesButKeepsWhatItCannotRead) {
    EXPECT_EQ(PlainVerseText(QStringLiteral("&quot;Yes&quot; &apos;no&apos;&nbsp;&gt;&#x41;&#66;")),
              QStringLiteral("\"Yes\" 'no' >AB"));
    EXPECT_EQ(PlainVerseText(QStringLiteral("a &#99999999999; b &AMP; c &#x; d")),
              QStringLiteral("a &#99999999999; b &AMP; c &#x; d"));
}

TEST(ReadableText, StartsALineForEachBlockAndDropsNotes) {
    const QString markup = QStringLiteral(
        "<title type=\"x-s2\">Chapter 5</title> <div sID=\"g1\" type=\"x-p\"/> <table> "
        "<row><cell>Who are blessed.</cell><cell>(3-12)</cell></row> </table> "
        "<hi type=\"bold\">Verses 3-12</hi> <div eID=\"g1\" type=\"x-p\"/> Our Saviour "
        "<note>n</note>here gives <reference osisRef=\"Matt.5.3\">Mt 5:3</reference>. <lb/>Next");
    EXPECT_EQ(ReadableText(markup),
              QStringLiteral("Chapter 5\r\nWho are blessed. (3-12)\r\nVerses 3-12\r\n"
                             "Our Saviour here gives Mt 5:3.\r\nNext"));
    EXPECT_EQ(ReadableText(QStringLiteral("<div/> <p> </p>")), QString());
}

TEST(CrossReferenceNotes, GivesTheTargetsOfCrossReferenceNotesOnly) {
    const QString markup = QStringLiteral(
        "love<note type=\"crossReference\"><reference subType=\"x-origin\" "
        "type=\"annotateRef\">5:44 </reference><reference>Luke 6:27; Romans 12:14</reference>"
        "</note> your enemies<note placement=\"foot\"><reference type=\"annotateRef\">5:44 "
        "</reference>Or, <reference>Luke 6:35</reference></note>"
        "<note type=\"crossReference\"><reference osisRef=\"Prov.25.21\">Pr 25:21</reference>"
        "</note>");
    const std::vector<import::NoteReference> notes = CrossReferenceNotes(markup);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].text, QStringLiteral("Luke 6:27; Romans 12:14"));
    EXPECT_TRUE(notes[0].osisRef.isEmpty());
    EXPECT_EQ(notes[1].osisRef, QStringLiteral("Prov.25.21"));
    EXPECT_TRUE(CrossReferenceNotes(QStringLiteral("<w>plain</w> text")).empty());
}

TEST(AttributeValue, ReadsQuotedValuesByExactName) {
    const QString attributes =
        QStringLiteral("subType='x-origin' type=\"annotateRef\" n=\"a&amp;b\"");
    EXPECT_EQ(import::AttributeValue(attributes, QStringLiteral("type")),
              QStringLiteral("annotateRef"));
    EXPECT_EQ(import::AttributeValue(attributes, QStringLiteral("subType")),
              QStringLiteral("x-origin"));
    EXPECT_EQ(import::AttributeValue(attributes, QStringLiteral("n")), QStringLiteral("a&b"));
    EXPECT_TRUE(import::AttributeValue(attributes, QStringLiteral("Type")).isEmpty());
}
