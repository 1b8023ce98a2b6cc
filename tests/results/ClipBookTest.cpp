#include "results/ClipBook.h"

#include <gtest/gtest.h>

using results::ClipBookEntry;

TEST(ClipBookEntry, IsLabelPrefixSelectionAndTwoLineBreaks) {
    EXPECT_EQ(ClipBookEntry(QStringLiteral("5:44 Kasihilah musuhmu\n"), QString(),
                            QStringLiteral("Matius "), QStringLiteral("Lukas")),
              QStringLiteral("Matius 5:44 Kasihilah musuhmu\n\n\n"));
    EXPECT_EQ(ClipBookEntry(QStringLiteral("1:1 Tobit"),
                            QStringLiteral("Deuterokanonika -- Tobit "), QString(),
                            QStringLiteral("Matius")),
              QStringLiteral("Deuterokanonika -- Tobit 1:1 Tobit\n\n"));
}

TEST(ClipBookEntry, AnAbsentLabelTakesTheChosenBookButAnEmptyOneStaysEmpty) {
    EXPECT_EQ(ClipBookEntry(QStringLiteral("x"), QStringLiteral("p "), std::nullopt,
                            QStringLiteral("Matius")),
              QStringLiteral("Matiusp x\n\n"));
    EXPECT_EQ(ClipBookEntry(QStringLiteral("x"), QStringLiteral("p "), QString(),
                            QStringLiteral("Matius")),
              QStringLiteral("p x\n\n"));
}

TEST(ClipBookEntry, NothingSelectedLeavesTheLabelAndTheLineBreaks) {
    EXPECT_EQ(ClipBookEntry(QString(), QString(), QStringLiteral("Matius "), QString()),
              QStringLiteral("Matius \n\n"));
    EXPECT_EQ(results::ClipboardText(QString()), QStringLiteral("\n"));
    EXPECT_EQ(results::ClipboardText(QStringLiteral("5:1 a\n5:2 b")),
              QStringLiteral("5:1 a\n5:2 b\n"));
}
