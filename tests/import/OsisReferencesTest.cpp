#include "import/OsisReferences.h"

#include "scripture/BookCatalogue.h"

#include <gtest/gtest.h>

using import::LocationOfOsisRef;
using scripture::LocationKey;

namespace {

// Every chapter of the test has 20 verses, except Psalm 117 with 2.
int Verses(int position, int chapter) {
    return position == 19 && chapter == 117 ? 2 : 20;
}

} // namespace

TEST(OsisBooks, MapTheSixtySixBooksOntoTheCanonicalNames) {
    EXPECT_EQ(scripture::CanonicalOsisBooks().size(), 66);
    EXPECT_EQ(scripture::OsisBookPosition(QStringLiteral("Gen")), 1);
    EXPECT_EQ(scripture::OsisBookPosition(QStringLiteral("Mal")), 39);
    EXPECT_EQ(scripture::OsisBookPosition(QStringLiteral("Matt")), 40);
    EXPECT_EQ(scripture::OsisBookPosition(QStringLiteral("Rev")), 66);
    EXPECT_EQ(scripture::OsisBookPosition(QStringLiteral("Wis")), 0);
    EXPECT_EQ(scripture::CanonicalName(38), QStringLiteral("Zakharia"));
    EXPECT_EQ(scripture::CanonicalName(44), QStringLiteral("Kisah Para Rasul"));
    EXPECT_TRUE(scripture::CanonicalName(0).isEmpty());
    EXPECT_TRUE(scripture::CanonicalName(67).isEmpty());
}

TEST(LocationOfOsisRef, ReadsVersesAndRangesInCanonicalNames) {
    EXPECT_EQ(LocationOfOsisRef(QStringLiteral("Matt.5.44"), Verses),
              (LocationKey{QStringLiteral("Matius"), 5, 44, 0}));
    EXPECT_EQ(LocationOfOsisRef(QStringLiteral("1Cor.13.4-1Cor.13.7"), Verses),
              (LocationKey{QStringLiteral("I Korintus"), 13, 4, 7}));
    EXPECT_EQ(LocationOfOsisRef(QStringLiteral("Bible:Luke.6.27-Luke.6.28"), Verses),
              (LocationKey{QStringLiteral("Lukas"), 6, 27, 28}));
}

TEST(LocationOfOsisRef, KeepsAKeyWithinOneChapter) {
    // A whole chapter becomes its verses; a range into the next chapter stops at the end of
    // its first one, and a one-verse chapter is a single verse.
    EXPECT_EQ(LocationOfOsisRef(QStringLiteral("Exod.28"), Verses),
              (LocationKey{QStringLiteral("Keluaran"), 28, 1, 20}));
    EXPECT_EQ(LocationOfOsisRef(QStringLiteral("Ps.117"), Verses),
              (LocationKey{QStringLiteral("Mazmur"), 117, 1, 2}));
    EXPECT_EQ(LocationOfOsisRef(QStringLiteral("Matt.5.1-Matt.7.29"), Verses),
              (LocationKey{QStringLiteral("Matius"), 5, 1, 20}));
    EXPECT_EQ(LocationOfOsisRef(QStringLiteral("Gen.50.26-Exod.1.1"), Verses),
              (LocationKey{QStringLiteral("Kejadian"), 50, 26, 0}));
    EXPECT_EQ(LocationOfOsisRef(QStringLiteral("Exod.28"), {}), std::nullopt);
}

TEST(LocationOfOsisRef, RefusesBooksOutsideTheCanonAndBrokenReferences) {
    for (const QString& bad :
         {QStringLiteral("Wis.14.21"), QStringLiteral("Matt"), QStringLiteral("Matt.x.3"),
          QStringLiteral("Matt.5.3.4"), QStringLiteral("Matt.5.3-Wis.1.1-Matt.5.4"), QString()})
        EXPECT_EQ(LocationOfOsisRef(bad, Verses), std::nullopt) << bad.toStdString();
}
