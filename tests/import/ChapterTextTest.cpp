#include "import/ChapterText.h"

#include <gtest/gtest.h>

using import::VerseText;

TEST(ChapterText, WritesLabelledLinesJoinedByCrLf) {
    const std::vector<VerseText> verses = {
        {44, 0, QStringLiteral("But I tell you, love your enemies,")},
        {45, 0, QStringLiteral("that you may be children")}};
    EXPECT_EQ(
        import::ChapterText(5, verses),
        QStringLiteral("5:44 But I tell you, love your enemies,\r\n5:45 that you may be children"));
}

TEST(ChapterText, LabelsJoinedVersesWithTheirRangeAndLeavesMissingOnesOut) {
    const std::vector<VerseText> verses = {{1, 0, QStringLiteral("One.")},
                                           {2, 0, QString()},
                                           {3, 4, QStringLiteral("Three and four.")},
                                           {5, 0, QStringLiteral("Five.")}};
    EXPECT_EQ(import::ChapterText(12, verses),
              QStringLiteral("12:1 One.\r\n12:3-4 Three and four.\r\n12:5 Five."));
    EXPECT_EQ(import::ChapterText(1, {{1, 0, QString()}}), QString());
}

TEST(LastVerseWithText, CountsJoinedVersesAndIgnoresEmptyTails) {
    EXPECT_EQ(import::LastVerseWithText({{1, 0, QStringLiteral("a")}, {2, 3, QStringLiteral("b")}}),
              3);
    EXPECT_EQ(import::LastVerseWithText({{1, 0, QStringLiteral("a")}, {2, 0, QString()}}), 1);
    EXPECT_EQ(import::LastVerseWithText({}), 0);
}
