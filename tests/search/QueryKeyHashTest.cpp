#include "search/QueryKeyHash.h"

#include <gtest/gtest.h>

using search::QueryKeyHash;

TEST(QueryKeyHash, EmptyKeyHasNoHash) {
    EXPECT_EQ(QueryKeyHash({}), QString());
}

TEST(QueryKeyHash, WeightsRunOneToFourThenRepeatTwoToFour) {
    EXPECT_EQ(QueryKeyHash(QStringLiteral("A")), QStringLiteral("65"));
    // 65*1 + 66*2 + 67*3 + 68*4 + 69*2 + 70*3 + 71*4 + 72*2
    EXPECT_EQ(QueryKeyHash(QStringLiteral("ABCDEFGH")),
              QString::number(65 + 132 + 201 + 272 + 138 + 210 + 284 + 144));
}

TEST(QueryKeyHash, UsesWindows1252CodesAndQuestionMarkOutsideIt) {
    // é is 233 and € is 128 in Windows-1252; a Cyrillic letter has no code there.
    EXPECT_EQ(QueryKeyHash(QString::fromUtf8("é")), QStringLiteral("233"));
    EXPECT_EQ(QueryKeyHash(QString::fromUtf8("a€")), QString::number(97 + 2 * 128));
    EXPECT_EQ(QueryKeyHash(QString::fromUtf8("Ж")), QStringLiteral("63"));
}

TEST(QueryKeyHash, SumsBeyondThirtyTwoBitsStayExact) {
    // Weights of 3,000,001 characters: 1 + 1,000,000 cycles of 2+3+4.
    const QString key(3000001, QChar(0xFF));
    EXPECT_EQ(QueryKeyHash(key), QString::number(255ull * 9000001ull));
}

TEST(QueryKeyHash, DifferentFoldersGiveDifferentKeys) {
    EXPECT_NE(QueryKeyHash(QStringLiteral("/opt/vermara")),
              QueryKeyHash(QStringLiteral("/home/ani/vermara")));
}
