#include "scripture/BookCatalogue.h"

#include <gtest/gtest.h>

using namespace scripture;

TEST(BookCatalogue, NamesAndIndexesAgreeInBothTestaments) {
    ASSERT_EQ(OldTestamentBooks().size(), 39);
    ASSERT_EQ(NewTestamentBooks().size(), 27);
    for (qint16 i = 0; i < 39; ++i)
        EXPECT_EQ(GetBookIndexOT(GetBookNameOT(i)), i) << i;
    for (qint16 i = 0; i < 27; ++i)
        EXPECT_EQ(GetBookIndexNT(GetBookNameNT(i)), i) << i;

    EXPECT_EQ(GetBookIndexOT(QStringLiteral("Kejadian")), 0);
    EXPECT_EQ(GetBookIndexOT(QStringLiteral("Hakim-hakim")), 6);
    EXPECT_EQ(GetBookIndexOT(QStringLiteral("I Raja-raja")), 10);
    EXPECT_EQ(GetBookIndexOT(QStringLiteral("Kidung Agung")), 21);
    EXPECT_EQ(GetBookIndexOT(QStringLiteral("Zakharia")), 37);
    EXPECT_EQ(GetBookIndexOT(QStringLiteral("Maleakhi")), 38);
    EXPECT_EQ(GetBookIndexNT(QStringLiteral("Kisah Para Rasul")), 4);
    EXPECT_EQ(GetBookIndexNT(QStringLiteral("III Yohanes")), 24);
    EXPECT_EQ(GetBookIndexNT(QStringLiteral("Wahyu")), 26);
}

TEST(BookCatalogue, LookupIsExactWithoutAliasesTrimmingOrCaseFolding) {
    EXPECT_EQ(GetBookIndexOT(QStringLiteral("Zakaria")), -1);
    EXPECT_EQ(GetBookIndexOT(QStringLiteral("Yo\u00e9l")), -1);
    EXPECT_EQ(GetBookIndexNT(QStringLiteral("wahyu")), -1);
    EXPECT_EQ(GetBookIndexNT(QStringLiteral("Wahyu ")), -1);
    EXPECT_EQ(GetBookIndexNT(QStringLiteral("Why")), -1);
    EXPECT_EQ(GetBookIndexNT(QString()), -1);
    // Each testament knows only its own books.
    EXPECT_EQ(GetBookIndexNT(QStringLiteral("Kejadian")), -1);
    EXPECT_EQ(GetBookIndexOT(QStringLiteral("Matius")), -1);
}

TEST(BookCatalogue, IndexOutsideTableGivesEmptyOldNameAndBlankNewName) {
    EXPECT_EQ(GetBookNameOT(39), QString());
    EXPECT_EQ(GetBookNameOT(-1), QString());
    EXPECT_EQ(GetBookNameNT(27), QStringLiteral(" "));
    EXPECT_EQ(GetBookNameNT(-1), QStringLiteral(" "));
    EXPECT_EQ(GetBookName(37, true), QStringLiteral("Zakharia"));
    EXPECT_EQ(GetBookName(26, false), QStringLiteral("Wahyu"));
    EXPECT_EQ(GetBookName(30, false), QStringLiteral(" "));
    EXPECT_EQ(GetBookName(30, true), QStringLiteral("Obaja"));
}

TEST(BookCatalogue, CanonicalPositionRunsThroughBothTestaments) {
    EXPECT_EQ(CanonicalPosition(QStringLiteral("Kejadian")), 1);
    EXPECT_EQ(CanonicalPosition(QStringLiteral("Maleakhi")), 39);
    EXPECT_EQ(CanonicalPosition(QStringLiteral("Matius")), 40);
    EXPECT_EQ(CanonicalPosition(QStringLiteral("Wahyu")), 66);
    EXPECT_EQ(CanonicalPosition(QStringLiteral("Tobit")), 0);
    EXPECT_EQ(CanonicalPosition(QStringLiteral("matius")), 0);
    QList<int> positions;
    for (const QStringList* books : {&OldTestamentBooks(), &NewTestamentBooks()}) {
        for (const QString& name : *books)
            positions.append(CanonicalPosition(name));
    }
    for (int i = 0; i < positions.size(); ++i)
        EXPECT_EQ(positions.at(i), i + 1);
}
