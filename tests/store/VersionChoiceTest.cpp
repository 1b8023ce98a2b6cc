#include "store/VersionChoice.h"

#include <gtest/gtest.h>

using namespace store;

namespace {

VersionRow Row(qint32 nr, const char* name, const char* column, qint32 aktif) {
    return VersionRow{nr, QString::fromUtf8(name), {}, QString::fromUtf8(column), aktif, {}, 1, 1};
}

const std::vector<VersionRow> kCatalogue{Row(1, "TB", "Kitab1", 1), Row(2, "Lama", "Kitab4", 0),
                                         Row(4, "-", "Kitab5", 1), Row(5, "BIS", "Kitab2", 1),
                                         Row(7, "PB", "Kitab3", 1)};

TEST(VersionChoiceTest, SavedNumbersAreUsedWhenActive) {
    const VersionChoice c = ChooseVersions(kCatalogue, 5, 7);
    EXPECT_EQ(c.activeColumn, QStringLiteral("Kitab2"));
    EXPECT_EQ(c.firstNr, 5);
    EXPECT_EQ(c.parallelColumn, QStringLiteral("Kitab3"));
    EXPECT_EQ(c.parallelName, QStringLiteral("PB"));
    EXPECT_EQ(c.secondNr, 7);
}

TEST(VersionChoiceTest, InactiveOrUnnamedNumbersFallBackToOfferedVersions) {
    const VersionChoice c = ChooseVersions(kCatalogue, 2, 4);
    EXPECT_EQ(c.activeColumn, QStringLiteral("Kitab1"));
    EXPECT_EQ(c.firstNr, 1);
    EXPECT_EQ(c.parallelColumn, QStringLiteral("Kitab2")); // the next offered after the active
    EXPECT_EQ(c.secondNr, 5);

    const VersionChoice last = ChooseVersions(kCatalogue, 7, 99);
    EXPECT_EQ(last.parallelColumn, QStringLiteral("Kitab1")); // wraps round

    const VersionChoice none = ChooseVersions({Row(1, "TB", "Kitab1", 0)}, 1, 1);
    EXPECT_EQ(none.firstNr, 0);
    EXPECT_EQ(none.secondNr, 0);
    EXPECT_TRUE(none.activeColumn.isEmpty());
}

TEST(VersionChoiceTest, EntriesFollowCatalogueOrderAcrossGaps) {
    EXPECT_EQ(EntryOfNr(kCatalogue, 1), 1);
    EXPECT_EQ(EntryOfNr(kCatalogue, 5), 4);
    EXPECT_EQ(EntryOfNr(kCatalogue, 3), 0);
}

} // namespace
