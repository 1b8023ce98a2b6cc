#include "scripture/ReferenceRoutines.h"

#include "scripture/Notations.h"

#include <gtest/gtest.h>

using namespace scripture;

TEST(ToLocationKey, PutsHashBeforeTheLastBlankAndWritesItBack) {
    QString reference = QStringLiteral("Kisah Para Rasul 2:1-4");
    EXPECT_EQ(ToLocationKey(reference), QStringLiteral("Kisah Para Rasul# 2:1-4"));
    EXPECT_EQ(reference, QStringLiteral("Kisah Para Rasul# 2:1-4"));

    QString bookOnly = QStringLiteral("Kisah Para Rasul 2:1-4");
    EXPECT_EQ(ToLocationKey(bookOnly, true), QStringLiteral("Kisah Para Rasul"));
    EXPECT_EQ(bookOnly, QStringLiteral("Kisah Para Rasul# 2:1-4"));

    // The key it gives names the same place as the display reference.
    QString corinthians = QStringLiteral("I Korintus 13:4-7");
    const auto display = ParseDisplayReference(corinthians);
    ASSERT_TRUE(display);
    EXPECT_EQ(ParseLocationKey(ToLocationKey(corinthians)), display);
}

TEST(ToLocationKey, TextWithoutBlankComesBackUnchangedInBothModes) {
    QString key = QStringLiteral("Matius#5:3");
    EXPECT_EQ(ToLocationKey(key), QStringLiteral("Matius#5:3"));
    EXPECT_EQ(ToLocationKey(key, true), QStringLiteral("Matius#5:3"));
    EXPECT_EQ(key, QStringLiteral("Matius#5:3"));
    QString empty;
    EXPECT_EQ(ToLocationKey(empty, true), QString());
}

TEST(NormalizeBookAlias, AcceptsOnlyTheTwoSpellingsRightBeforeTheHash) {
    QString zakaria = QStringLiteral("Zakaria#14:9");
    EXPECT_EQ(NormalizeBookAlias(zakaria), QStringLiteral("Zakharia#14:9"));
    EXPECT_EQ(zakaria, QStringLiteral("Zakharia#14:9"));
    QString yoel = QStringLiteral("Yo\u00e9l# 2:28");
    EXPECT_EQ(NormalizeBookAlias(yoel), QStringLiteral("Yoel# 2:28"));

    for (const QString& unchanged :
         {QStringLiteral("Zakharia#14:9"), QStringLiteral("zakaria#14:9"),
          QStringLiteral("Zakaria 14:9"), QStringLiteral("Yoe\u0301l#2:28"),
          QStringLiteral("Yo\u00c9l#2:28")}) {
        QString key = unchanged;
        EXPECT_EQ(NormalizeBookAlias(key), unchanged);
    }
}
