#include "scripture/TypedReference.h"

#include "scripture/BookCatalogue.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace scripture;

namespace {

const char* const kAbbreviations[] = {
    "Kej",  "Kel",  "Im",   "Bil", "Ul",   "Yos",  "Hak",  "Rut",  "1Sam", "2Sam", "1Raj",
    "2Raj", "1Taw", "2Taw", "Ezr", "Neh",  "Est",  "Ayb",  "Mzm",  "Ams",  "Pkh",  "Kid",
    "Yes",  "Yer",  "Rat",  "Yeh", "Dan",  "Hos",  "Yl",   "Am",   "Ob",   "Yun",  "Mi",
    "Nah",  "Hab",  "Zef",  "Hag", "Za",   "Mal",  "Mat",  "Mrk",  "Luk",  "Yoh",  "Kis",
    "Rm",   "1Kor", "2Kor", "Gal", "Ef",   "Flp",  "Kol",  "1Tes", "2Tes", "1Tim", "2Tim",
    "Tit",  "Flm",  "Ibr",  "Yak", "1Ptr", "2Ptr", "1Yoh", "2Yoh", "3Yoh", "Yud",  "Why"};

// A few books and chapters with their real sizes; anything else is unknown (0).
ReferenceLimits Limits() {
    return {[](int position) {
                switch (position) {
                case 1:
                    return 50;
                case 19:
                    return 150;
                case 64:
                    return 1;
                case 66:
                    return 22;
                default:
                    return 0;
                }
            },
            [](int position, int chapter) {
                if (position == 1 && chapter == 1)
                    return 31;
                if (position == 19 && chapter == 119)
                    return 176;
                if (position == 64 && chapter == 1)
                    return 15;
                if (position == 66 && chapter == 22)
                    return 21;
                return 0;
            }};
}

TypedReference Read(const ReferenceParser& parser, const QString& text) {
    const ReferenceReading reading = parser.read(text, Limits());
    EXPECT_TRUE(reading.reference) << text.toStdString() << ": " << reading.problem.toStdString();
    return reading.reference.value_or(TypedReference{});
}

QString Problem(const QString& text) {
    const ReferenceReading reading = ReferenceParser().read(text, Limits());
    EXPECT_FALSE(reading.reference) << text.toStdString();
    return reading.problem;
}

// "I Samuel" -> "1 Samuel", the way many users type numbered books.
QString ArabicNumeral(const QString& name) {
    for (const char* roman : {"III ", "II ", "I "}) {
        if (name.startsWith(QLatin1String(roman)))
            return QString::number(int(strlen(roman)) - 1) + u' ' + name.mid(int(strlen(roman)));
    }
    return name;
}

} // namespace

TEST(TypedReference, EveryCanonicalNameAndAbbreviationOfBothTestamentsFindsItsBook) {
    const ReferenceParser parser;
    for (int position = 1; position <= kCanonBooks; ++position) {
        const QString name = CanonicalName(position);
        const QString abbreviation = QString::fromLatin1(kAbbreviations[position - 1]);
        QStringList forms = {
            name,         name.toUpper(),         name.toLower(),     ArabicNumeral(name),
            abbreviation, abbreviation.toLower(), abbreviation + u'.'};
        if (abbreviation[0].isDigit())
            forms << QString(abbreviation).insert(1, u' ') << QString(abbreviation).insert(1, u'.');
        for (const QString& form : forms) {
            EXPECT_EQ(parser.bookPosition(form), position) << form.toStdString();
        }
    }
}

TEST(TypedReference, RomanAndArabicNumeralsCountAlikeWithOrWithoutBlankOrDot) {
    const ReferenceParser parser;
    const int first = CanonicalPosition(QStringLiteral("I Korintus"));
    const int third = CanonicalPosition(QStringLiteral("III Yohanes"));
    for (const char* form : {"1Kor", "1 Kor", "1.Kor", "1. kor", "I Kor", "I.Kor", "IKor", "ikor",
                             "i korintus", "1 Korintus"})
        EXPECT_EQ(parser.bookPosition(QString::fromLatin1(form)), first) << form;
    for (const char* form : {"3Yoh", "3 yoh", "III Yoh", "IIIYoh", "iii.yohanes", "3 Yohanes"})
        EXPECT_EQ(parser.bookPosition(QString::fromLatin1(form)), third) << form;
    // Books that begin with an I of their own are not read as numbered.
    EXPECT_EQ(parser.bookPosition(QStringLiteral("Im")),
              CanonicalPosition(QStringLiteral("Imamat")));
    EXPECT_EQ(parser.bookPosition(QStringLiteral("ibr")),
              CanonicalPosition(QStringLiteral("Ibrani")));
    // A prefix counts only when it names one book.
    EXPECT_EQ(parser.bookPosition(QStringLiteral("Mazm")), 19);
    EXPECT_EQ(parser.bookPosition(QStringLiteral("Ma")), 0);
    EXPECT_EQ(parser.bookPosition(QStringLiteral("Xyz")), 0);
}

TEST(TypedReference, TheActiveVersionsOwnNamesWorkWithoutHidingTheCanonicalOnes) {
    QStringList english(kCanonBooks);
    english[18] = QStringLiteral("Psalms");
    english[45] = QStringLiteral("1 Corinthians");
    english[41] = QStringLiteral("Luke");
    // A version name that reads like another book's abbreviation gives way to it.
    english[17] = QStringLiteral("Mat");
    const ReferenceParser parser(english);
    EXPECT_EQ(Read(parser, QStringLiteral("Psalms 119:105")), (TypedReference{19, 119, 105, 0}));
    EXPECT_EQ(parser.bookPosition(QStringLiteral("I Corinthians")), 46);
    EXPECT_EQ(parser.bookPosition(QStringLiteral("luke")), 42);
    EXPECT_EQ(parser.bookPosition(QStringLiteral("Mat")), 40);
    EXPECT_EQ(parser.bookPosition(QStringLiteral("Mazmur")), 19);
    EXPECT_EQ(ReferenceParser().bookPosition(QStringLiteral("Psalms")), 0);
}

TEST(TypedReference, ChapterVerseAndRangeAreReadFromTheNumbers) {
    const ReferenceParser parser;
    EXPECT_EQ(Read(parser, QStringLiteral("Mazmur 119:105")), (TypedReference{19, 119, 105, 0}));
    EXPECT_EQ(Read(parser, QStringLiteral("mzm 119")), (TypedReference{19, 119, 0, 0}));
    EXPECT_EQ(Read(parser, QStringLiteral("I Korintus 13")), (TypedReference{46, 13, 0, 0}));
    EXPECT_EQ(Read(parser, QStringLiteral("Yoh 3:16")), (TypedReference{43, 3, 16, 0}));
    EXPECT_EQ(Read(parser, QStringLiteral(" Kej 1:1-5 ")), (TypedReference{1, 1, 1, 5}));
    EXPECT_EQ(Read(parser, QStringLiteral("Kej. 1 : 2 - 4")), (TypedReference{1, 1, 2, 4}));
    EXPECT_EQ(Read(parser, QStringLiteral("Kej 1:3-3")), (TypedReference{1, 1, 3, 0}));
    EXPECT_EQ(Read(parser, QStringLiteral("Kidung Agung 2")), (TypedReference{22, 2, 0, 0}));
    // A book alone opens its first chapter.
    EXPECT_EQ(Read(parser, QStringLiteral("Why")), (TypedReference{66, 1, 0, 0}));
}

TEST(TypedReference, FirstAndLastBookChapterAndVerseAreInsideOnePastIsNot) {
    const ReferenceParser parser;
    EXPECT_EQ(Read(parser, QStringLiteral("Kej 1:1")), (TypedReference{1, 1, 1, 0}));
    EXPECT_EQ(Read(parser, QStringLiteral("Kej 50")), (TypedReference{1, 50, 0, 0}));
    EXPECT_EQ(Read(parser, QStringLiteral("Kej 1:31")), (TypedReference{1, 1, 31, 0}));
    EXPECT_EQ(Read(parser, QStringLiteral("Why 22:21")), (TypedReference{66, 22, 21, 0}));
    EXPECT_EQ(Read(parser, QStringLiteral("Mzm 119:176")), (TypedReference{19, 119, 176, 0}));
    EXPECT_EQ(Problem(QStringLiteral("Kej 51")), QStringLiteral("Kejadian tidak punya pasal 51"));
    EXPECT_EQ(Problem(QStringLiteral("Kej 0")), QStringLiteral("Kejadian tidak punya pasal 0"));
    EXPECT_EQ(Problem(QStringLiteral("Why 23:1")), QStringLiteral("Wahyu tidak punya pasal 23"));
    EXPECT_EQ(Problem(QStringLiteral("Kej 1:32")),
              QStringLiteral("Kejadian 1 tidak punya ayat 32"));
    EXPECT_EQ(Problem(QStringLiteral("Kej 1:0")), QStringLiteral("Kejadian 1 tidak punya ayat 0"));
    EXPECT_EQ(Problem(QStringLiteral("Why 22:20-22")),
              QStringLiteral("Wahyu 22 tidak punya ayat 22"));
    EXPECT_EQ(Problem(QStringLiteral("Kej 1:5-1")), QStringLiteral("Rentang ayat 5-1 terbalik"));
}

TEST(TypedReference, ANumberBeforeTheBookIsPartOfItsNameNotAChapter) {
    const ReferenceParser parser;
    EXPECT_EQ(Read(parser, QStringLiteral("3 Yoh 1")), (TypedReference{64, 1, 0, 0}));
    EXPECT_EQ(Read(parser, QStringLiteral("3 Yoh 1:15")), (TypedReference{64, 1, 15, 0}));
    EXPECT_EQ(Problem(QStringLiteral("3 Yoh 2")),
              QStringLiteral("III Yohanes tidak punya pasal 2"));
    EXPECT_EQ(Problem(QStringLiteral("3:1")), QStringLiteral("Nama kitab tidak ada dalam \"3:1\""));
}

TEST(TypedReference, WhatIsNotUnderstoodIsNamedInTheProblem) {
    EXPECT_EQ(Problem(QStringLiteral("  ")), QStringLiteral("Ketik referensi, misalnya Yoh 3:16"));
    EXPECT_EQ(Problem(QStringLiteral("Xyz 3:16")), QStringLiteral("Kitab \"Xyz\" tidak dikenal"));
    EXPECT_EQ(Problem(QStringLiteral("Ma 1")), QStringLiteral("Kitab \"Ma\" tidak dikenal"));
    EXPECT_EQ(Problem(QStringLiteral("Yoh 3:x")),
              QStringLiteral("\"3:x\" tidak dapat dibaca sebagai pasal dan ayat"));
    EXPECT_EQ(Problem(QStringLiteral("Yoh 3:16:2")),
              QStringLiteral("\"3:16:2\" tidak dapat dibaca sebagai pasal dan ayat"));
    EXPECT_EQ(Problem(QStringLiteral("Yoh 123456")),
              QStringLiteral("\"123456\" tidak dapat dibaca sebagai pasal dan ayat"));
}
