#include "import/NaveReferences.h"

#include <gtest/gtest.h>

using import::FindNaveReferences;
using scripture::LocationKey;

namespace {

// The text of every run found, in order.
QStringList Runs(const QString& text) {
    QStringList runs;
    for (const import::ReferenceRun& run : FindNaveReferences(text))
        runs << text.mid(run.start, run.length);
    return runs;
}

} // namespace

TEST(FindNaveReferences, ReadsRunsWithTheirContinuations) {
    const QString text = QStringLiteral("By Paul Ac 18; 2Co 12:14; 13:1,3-5; with 1Co 16:5-7; 11");
    const auto runs = FindNaveReferences(text);
    ASSERT_EQ(Runs(text), (QStringList{"Ac 18", "2Co 12:14; 13:1,3-5", "1Co 16:5-7; 11"}));
    EXPECT_EQ(runs[0].keys, (std::vector<LocationKey>{{"Kisah Para Rasul", 18, 0, 0}}));
    EXPECT_EQ(runs[1].keys, (std::vector<LocationKey>{{"II Korintus", 12, 14, 0},
                                                      {"II Korintus", 13, 1, 0},
                                                      {"II Korintus", 13, 3, 5}}));
    // After a whole chapter, a number is the next chapter.
    EXPECT_EQ(runs[2].keys,
              (std::vector<LocationKey>{{"I Korintus", 16, 5, 7}, {"I Korintus", 11, 0, 0}}));
    EXPECT_FALSE(runs[1].glued);
}

TEST(FindNaveReferences, LeavesNamesInRunningTextAsText) {
    // The module's tags read these as "Titus 2" and "Co 8:16" (Colossians).
    EXPECT_EQ(Runs(QStringLiteral("By Titus 2Co 8:16,17; 12:18")),
              QStringList{QStringLiteral("2Co 8:16,17; 12:18")});
    EXPECT_EQ(Runs(QStringLiteral("Son of Micah 1Ch 8:35; 9:41,42")),
              QStringList{QStringLiteral("1Ch 8:35; 9:41,42")});
    EXPECT_EQ(Runs(QStringLiteral("A town of Dan 1Ki 4:9")),
              QStringList{QStringLiteral("1Ki 4:9")});
    // A full name that is also a person's counts with a verse only.
    EXPECT_EQ(Runs(QStringLiteral("By Jeremiah 2 2 Ch 36:12; Micah 1:1")),
              (QStringList{QStringLiteral("2 Ch 36:12"), QStringLiteral("Micah 1:1")}));
    EXPECT_TRUE(Runs(QStringLiteral("Ge is 5 words; Col. 3; xGe 1:1; 21Co 1:1")).isEmpty());
}

TEST(FindNaveReferences, ReadsTheEdgesOfTheNotation) {
    const QString glued = QStringLiteral("REVERENCEGe 35:5; De  4:10; Ps 47:7: Sing");
    const auto runs = FindNaveReferences(glued);
    ASSERT_EQ(Runs(glued), (QStringList{"Ge 35:5", "De  4:10", "Ps 47:7"}));
    EXPECT_TRUE(runs[0].glued);
    EXPECT_EQ(runs[0].start, 9);
    EXPECT_FALSE(runs[1].glued);
    // A range into the next chapter runs on to the end of its first one.
    const auto across = FindNaveReferences(QStringLiteral("Ge 1:31-2:3"));
    ASSERT_EQ(across.size(), 1u);
    EXPECT_EQ(across[0].keys.front().firstVerse, 31);
    EXPECT_GT(across[0].keys.front().lastVerse, 31);
    EXPECT_EQ(across[0].keys.front().chapter, 1);
    // Book at the very start and the very end of the text.
    EXPECT_EQ(Runs(QStringLiteral("Re 22:21")), QStringList{QStringLiteral("Re 22:21")});
    EXPECT_TRUE(Runs(QStringLiteral("Re 22")).size() == 1);
}

TEST(WriteReferenceRun, WritesCanonicalNamesThatReadBack) {
    const std::vector<LocationKey> keys = {{"II Korintus", 8, 16, 0},
                                           {"II Korintus", 8, 17, 0},
                                           {"II Korintus", 12, 18, 20},
                                           {"I Korintus", 5, 0, 0},
                                           {"III Yohanes", 1, 2, 0}};
    const QString written = import::WriteReferenceRun(keys);
    EXPECT_EQ(written,
              QStringLiteral("II Korintus 8:16,17; 12:18-20; I Korintus 5; III Yohanes 1:2"));
    std::vector<LocationKey> read;
    for (const import::ReferenceRun& run : import::FindWrittenReferences(written))
        read.insert(read.end(), run.keys.begin(), run.keys.end());
    EXPECT_EQ(read, keys);
    EXPECT_TRUE(import::WriteReferenceRun({}).isEmpty());
}

TEST(FindWrittenReferences, TellsAReferenceGluedToAWord) {
    const auto runs =
        import::FindWrittenReferences(QStringLiteral("REVERENCEKejadian 35:5 and Amos 2"));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs[0].glued);
    EXPECT_FALSE(runs[1].glued);
    EXPECT_EQ(runs[1].keys.front(), (LocationKey{"Amos", 2, 0, 0}));
}
