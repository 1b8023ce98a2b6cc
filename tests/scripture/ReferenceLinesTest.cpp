#include "scripture/ReferenceText.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace scripture;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Verse 5:2 mentions 15:4 and 5:4 in its text, before the line of 5:4 itself.
const QStringList kMatius5{
    QStringLiteral("5:1 Ketika Yesus melihat orang banyak itu, naiklah Ia ke atas bukit."),
    QStringLiteral("5:2 Maka Yesuspun mulai berbicara (bandingkan 15:4 dan 5:4)."),
    QStringLiteral("5:3 \"Berbahagialah orang yang miskin di hadapan Allah."),
    QStringLiteral("5:4 Berbahagialah orang yang berdukacita."),
    QStringLiteral("5:5 Berbahagialah orang yang lemah lembut."),
    QStringLiteral("5:44 Tetapi Aku berkata kepadamu: Kasihilah musuhmu."),
    QStringLiteral("5:45 Karena dengan demikian kamu menjadi anak-anak Bapamu."),
};

// A version that joins 5:3 and 5:4 and lacks 5:4 otherwise.
const QStringList kJoined{
    QStringLiteral("5:1 Ketika Yesus melihat orang banyak itu."),
    QStringLiteral("5:3-4. Berbahagialah orang yang miskin dan yang berdukacita."),
    QStringLiteral("5:5 Berbahagialah orang yang lemah lembut."),
    QStringLiteral("5:44 Kasihilah musuhmu."),
};

ChapterTextSource Chapter(const QString& book, int chapter, const QStringList& lines) {
    return [=](const QString& b, int c) -> std::optional<QString> {
        if (b != book || c != chapter)
            return std::nullopt;
        return lines.join(kCrLf);
    };
}

QString Lines(const QStringList& lines, int first, int count) {
    return lines.mid(first, count).join(kCrLf);
}

} // namespace

TEST(ReferenceLines, GivesTheLinesOfASingleVerseOrARangeJoinedByCrLf) {
    const auto matius = Chapter(QStringLiteral("Matius"), 5, kMatius5);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:44-45"), matius), Lines(kMatius5, 5, 2));
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:3"), matius), kMatius5[2]);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:1-5"), matius), Lines(kMatius5, 0, 5));
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:45"), matius), kMatius5[6]);
    EXPECT_EQ(ReferenceLines(QStringLiteral(" Matius#  5 :1 "), matius), kMatius5[0]);
}

TEST(ReferenceLines, MatchesTheVerseLabelOnlyAtTheStartOfALine) {
    const auto matius = Chapter(QStringLiteral("Matius"), 5, kMatius5);
    // Neither the mention of 5:4 inside 5:2 nor the line 5:44 stands for verse 4.
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:4"), matius), kMatius5[3]);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:4-5"), matius), Lines(kMatius5, 3, 2));

    const QStringList onlyLater{kMatius5[5], kMatius5[6]};
    const auto later = Chapter(QStringLiteral("Matius"), 5, onlyLater);
    EXPECT_FALSE(ReferenceLines(QStringLiteral("Matius#5:4"), later));

    const QStringList fifteen{QStringLiteral("15:4 Sebab Allah berfirman."),
                              QStringLiteral("15:5 Tetapi kamu berkata.")};
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#15:4"),
                             Chapter(QStringLiteral("Matius"), 15, fifteen)),
              fifteen[0]);
}

TEST(ReferenceLines, FindsAJoinedLineUnderEveryVerseItHolds) {
    const auto joined = Chapter(QStringLiteral("Matius"), 5, kJoined);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:3"), joined), kJoined[1]);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:4"), joined), kJoined[1]);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:3-4"), joined), kJoined[1]);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:4-5"), joined), Lines(kJoined, 1, 2));
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:3-5"), joined), Lines(kJoined, 1, 2));
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:1-4"), joined), Lines(kJoined, 0, 2));
    // Verse 2 lies in no line's label; verse 44 is not verse 4 of a joined 5:3-4.
    EXPECT_FALSE(ReferenceLines(QStringLiteral("Matius#5:2"), joined));
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:44"), joined), kJoined[3]);
}

TEST(ReferenceLines, AChapterNumberThatPrefixesAnotherNeverMatchesIt) {
    // 1:5 must not be read from 11:5 or from the joined 1:50-51, nor 1:50 from 1:5.
    const QStringList lines{QStringLiteral("11:5 Di pasal lain."), QStringLiteral("1:5 Ayat lima."),
                            QStringLiteral("1:50-51. Dua ayat.")};
    const auto chapter1 = Chapter(QStringLiteral("Kejadian"), 1, lines);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Kejadian#1:5"), chapter1), lines[1]);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Kejadian#1:51"), chapter1), lines[2]);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Kejadian#1:5-50"), chapter1), Lines(lines, 1, 2));
    EXPECT_FALSE(ReferenceLines(QStringLiteral("Kejadian#1:52"), chapter1));
}

TEST(ReferenceLines, RangeWhoseLastVerseIsMissingEndsAtTheFirstVersesLine) {
    const auto matius = Chapter(QStringLiteral("Matius"), 5, kMatius5);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:5-9"), matius), kMatius5[4]);
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:45-48"), matius), kMatius5[6]);
    // The last verse is searched after the first, never before it.
    EXPECT_EQ(ReferenceLines(QStringLiteral("Matius#5:44-44"), matius), kMatius5[5]);
}

TEST(ReferenceLines, GivesNothingForAMissingChapterVerseOrMalformedKey) {
    int calls = 0;
    const auto counting = [&calls](const QString& book, int chapter) -> std::optional<QString> {
        ++calls;
        return Chapter(QStringLiteral("Matius"), 5, kMatius5)(book, chapter);
    };
    EXPECT_FALSE(ReferenceLines(QStringLiteral("Matius#6:1"), counting));
    EXPECT_FALSE(ReferenceLines(QStringLiteral("Markus#5:1"), counting));
    EXPECT_FALSE(ReferenceLines(QStringLiteral("Matius#5:7"), counting));
    EXPECT_EQ(calls, 3);

    for (const QString& bad : {QStringLiteral("Matius #5:3"), QStringLiteral("Matius#v:3"),
                               QStringLiteral("Matius#5"), QString()}) {
        EXPECT_FALSE(ReferenceLines(bad, counting)) << bad.toStdString();
    }
    EXPECT_EQ(calls, 3);

    const auto nullText = [](const QString&, int) { return std::optional<QString>(QString()); };
    EXPECT_FALSE(ReferenceLines(QStringLiteral("Matius#5:1"), nullText));
}

TEST(ReferenceLines, PassesTheBookAndChapterOfTheKey) {
    QString seenBook;
    int seenChapter = 0;
    const auto record = [&](const QString& book, int chapter) -> std::optional<QString> {
        seenBook = book;
        seenChapter = chapter;
        return QStringLiteral("2:1 Ketika tiba hari Pentakosta.\r\n2:2 Tiba-tiba turunlah.");
    };
    EXPECT_EQ(ReferenceLines(QStringLiteral("Kisah Para Rasul# 2:1-2"), record),
              QStringLiteral("2:1 Ketika tiba hari Pentakosta.\r\n2:2 Tiba-tiba turunlah."));
    EXPECT_EQ(seenBook, QStringLiteral("Kisah Para Rasul"));
    EXPECT_EQ(seenChapter, 2);
}
