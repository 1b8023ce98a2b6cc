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
    EXPECT_EQ(PlainVerseText(QStringLiteral("a &lt; b &gt; c &amp;c.")),
              QStringLiteral("a < b > c &c."));
}

// An entity that names no character is left out rather than shown; markup escaped twice
// ("&amp;gt;", as Nave's has it) leaves no bracket, and escaped tags no tag.
TEST(PlainVerseText, DecodesEntitiesAndLeavesNoneAsWritten) {
    EXPECT_EQ(PlainVerseText(QStringLiteral("&quot;Yes&quot; &apos;no&apos;&nbsp;&gt;&#x41;&#66;")),
              QStringLiteral("\"Yes\" 'no' >AB"));
    EXPECT_EQ(PlainVerseText(QStringLiteral("&eacute;t&eacute; &Uuml;ber &ntilde; &mdash; &AMP;")),
              QStringLiteral("été Über ñ — &"));
    EXPECT_EQ(PlainVerseText(QStringLiteral("a &#99999999999; b &unknown; c &#0; d &#x; e")),
              QStringLiteral("a b c d &#x; e"));
    EXPECT_EQ(PlainVerseText(QStringLiteral("See DEATH&amp;gt; and &amp;gt;LIFE")),
              QStringLiteral("See DEATH and LIFE"));
    EXPECT_EQ(PlainVerseText(QStringLiteral("&lt;i&gt;word&lt;/i&gt; x &amp;amp; y")),
              QStringLiteral("word x & y"));
}

// The King James module keeps USFM codes inside its OSIS text (Leviticus 19:24 and 25).
TEST(PlainVerseText, DropsBackslashCodesAndKeepsTheirWords) {
    EXPECT_EQ(PlainVerseText(QStringLiteral(
                  "thereof: I <transChange type=\"added\">am</transChange> the \\nd <w "
                  "lemma=\"strong:H3068\">LORD</w></divineName> your <w>God</w>.")),
              QStringLiteral("thereof: I am the LORD your God."));
    EXPECT_EQ(PlainVerseText(QStringLiteral("to the <divineName>LORD\\+nd*</divineName>’s "
                                            "\\wj Blessed\\wj* \\add are\\add* "
                                            "\\+w they|strong=\"G3588\"\\+w*")),
              QStringLiteral("to the LORD’s Blessed are they"));
    // A note runs across tags up to its closing code; an RTF font code is no note.
    EXPECT_EQ(PlainVerseText(QStringLiteral("holy\\f + \\fr 19.24 \\ft Heb. <w>holiness</w> "
                                            "of \\+nd LORD\\+nd*\\f* to praise \\x - \\xo "
                                            "1 \\xt Ps 1\\x*him")),
              QStringLiteral("holy to praise him"));
    EXPECT_EQ(PlainVerseText(QStringLiteral("{\\f0\\fs24 caf\\'e9 \\u8212? \\\\ \\{x\\} end\\")),
              QStringLiteral("{caf\u00e9 \u2014 {x} end"));
}

TEST(ReadableText, ParagraphCodesStartLines) {
    EXPECT_EQ(ReadableText(QStringLiteral("\\p First line\\q1 Second\\par Third \\pard end")),
              QStringLiteral("First line\r\nSecond\r\nThird end"));
}

// Markup of every kind goes in; what comes out holds none that the store check reports.
TEST(FindMarkupResidue, FindsCodesTagsAndEntitiesButNotPlainSigns) {
    const QString text = QStringLiteral("the \\nd LORD\\nd* <i>x</i> caf\\'e9 &gt; &#233;");
    QStringList found;
    for (const import::MarkupResidue& residue : import::FindMarkupResidue(text))
        found << QStringLiteral("%1:%2").arg(residue.start).arg(residue.text);
    EXPECT_EQ(found, (QStringList{"4:\\nd", "12:\\nd*", "17:<i>", "21:</i>", "29:\\'", "34:&gt;",
                                  "39:&#233;"}));
    EXPECT_TRUE(import::FindMarkupResidue(
                    QStringLiteral("a < b, Info > Hak Cipta, &c. 1 & 2, C:/data, x<3 y>2"))
                    .empty());
    const QStringList inputs = {
        QStringLiteral("\\nd <w>LORD</w>\\nd* &amp;gt; &lt;b&gt; &bogus; \\f + \\ft x"),
        QStringLiteral("<lb/>\\p a\\'e9 \\u233? &amp;amp;lt;i&amp;amp;gt; \\")};
    for (const QString& input : inputs) {
        EXPECT_TRUE(import::FindMarkupResidue(PlainVerseText(input)).empty())
            << PlainVerseText(input).toStdString();
        EXPECT_TRUE(import::FindMarkupResidue(ReadableText(input)).empty())
            << ReadableText(input).toStdString();
    }
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
