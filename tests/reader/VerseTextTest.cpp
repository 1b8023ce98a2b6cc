#include "reader/VerseText.h"

#include "reader/VerseLocator.h"

#include <gtest/gtest.h>

using namespace reader;

namespace {

const QString kKitab2 = QStringLiteral("5:1 Yesus naik.\r\n5:2 Ia mengajar.\r\n"
                                       "5:3-4. Berbahagialah yang miskin.\r\n5:5 Rendah hati.\r\n"
                                       "5:44 Cintailah musuhmu.\r\n5:45 Anak-anak Bapamu.");
const QString kView = QStringLiteral("5:1 Ketika Yesus.\n5:2 Maka.\n5:3 Berbahagialah.\n"
                                     "5:4 Berdukacita.\n5:44 Kasihilah.\n5:45 Karena.");

} // namespace

TEST(VerseLabel, CutsJoinedRangesAndFinalDot) {
    EXPECT_EQ(VerseLabel(u"5:3-4. Berbahagialah"), QStringLiteral("5:3"));
    EXPECT_EQ(VerseLabel(u"5:3. Berbahagialah"), QStringLiteral("5:3"));
    EXPECT_EQ(VerseLabel(u"5:44 Tetapi"), QStringLiteral("5:44"));
    EXPECT_EQ(VerseLabel(u"5:44"), QStringLiteral("5:44"));
}

TEST(ParallelVerseLine, FindsTheLineStartingWithTheLabelTrimmed) {
    EXPECT_EQ(ParallelVerseLine(kKitab2, QStringLiteral("5:2")),
              QStringLiteral("5:2 Ia mengajar."));
    EXPECT_EQ(ParallelVerseLine(QStringLiteral("5:1  a  \r\n5:2 b"), QStringLiteral("5:1")),
              QStringLiteral("5:1  a"));
    // The joined line answers for its first verse.
    EXPECT_EQ(ParallelVerseLine(kKitab2, QStringLiteral("5:3")),
              QStringLiteral("5:3-4. Berbahagialah yang miskin."));
}

TEST(ParallelVerseLine, AVerseJoinedIntoThePreviousOneIsNotFound) {
    // 5:4 lives inside "5:3-4." and must not be mistaken for 5:44.
    EXPECT_FALSE(ParallelVerseLine(kKitab2, QStringLiteral("5:4")).has_value());
    EXPECT_FALSE(ParallelVerseLine(kKitab2, QStringLiteral("5:6")).has_value());
    EXPECT_FALSE(ParallelVerseLine({}, QStringLiteral("5:1")).has_value());
    // A label inside a verse's text is not a line start.
    EXPECT_FALSE(
        ParallelVerseLine(QStringLiteral("5:1 lihat 5:7 juga"), QStringLiteral("5:7")).has_value());
}

TEST(FindVerseLine, FindsTheVerseAtALineStartNotInsideLongerNumbers) {
    EXPECT_EQ(FindVerseLine(kView, 1), 0);
    EXPECT_EQ(FindVerseLine(kView, 4), kView.indexOf(QStringLiteral("5:4 ")));
    EXPECT_EQ(FindVerseLine(kView, 44), kView.indexOf(QStringLiteral("5:44")));
    EXPECT_FALSE(FindVerseLine(kView, 7).has_value());
}

TEST(FindVerseLine, AJoinedLineCoversEachOfItsVerses) {
    const QString joined = QString(kKitab2).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const int line = int(joined.indexOf(QStringLiteral("5:3-4.")));
    EXPECT_EQ(FindVerseLine(joined, 3), line);
    EXPECT_EQ(FindVerseLine(joined, 4), line);
    EXPECT_EQ(FindVerseLine(joined, 44), joined.indexOf(QStringLiteral("5:44")));
}

TEST(VerseLocator, LocatesTheLineAroundThePositionAndItsLabel) {
    VerseLocator locator;
    const int third = int(kView.indexOf(QStringLiteral("5:3")));
    const auto line = locator.locate(kView, third + 5, false);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->start, third);
    EXPECT_EQ(line->end, kView.indexOf(u'\n', third));
    EXPECT_EQ(line->label, QStringLiteral("5:3"));

    const auto first = locator.locate(kView, 0, false);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->start, 0);
    EXPECT_EQ(first->label, QStringLiteral("5:1"));

    const auto last = locator.locate(kView, int(kView.size()), false);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->label, QStringLiteral("5:45"));
    EXPECT_EQ(last->end, kView.size());
}

TEST(VerseLocator, CaretMovesInsideTheRememberedLineAreIgnoredUnlessForced) {
    VerseLocator locator;
    const int second = int(kView.indexOf(QStringLiteral("5:2")));
    const int lineEnd = int(kView.indexOf(u'\n', second));
    ASSERT_TRUE(locator.locate(kView, second + 2, false));
    EXPECT_FALSE(locator.locate(kView, second, false));
    EXPECT_FALSE(locator.locate(kView, lineEnd, false));
    EXPECT_TRUE(locator.locate(kView, second + 1, true));
    EXPECT_TRUE(locator.locate(kView, lineEnd + 1, false)); // the next line
    locator.forget();
    EXPECT_TRUE(locator.locate(kView, lineEnd + 1, false));
}

TEST(VerseLocator, PositionsOutsideTheTextFindNothing) {
    VerseLocator locator;
    EXPECT_FALSE(locator.locate(kView, -1, true));
    EXPECT_FALSE(locator.locate(kView, int(kView.size()) + 1, true));
    EXPECT_TRUE(locator.locate(QString(), 0, true));
}
