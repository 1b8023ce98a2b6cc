#include "search/ParseQuery.h"

#include "search/LineMatch.h"
#include "search/SearchKeys.h"

#include <gtest/gtest.h>

using namespace search;

namespace {

struct Split {
    const char* text;
    const char* list1;
    const char* list2;
    const char* list3;
};

TEST(ParseQuery, CutsTheExpressionIntoThreeWordLists) {
    const Split cases[] = {
        {"kasih", "kasih", "", ""},
        {"kasih&setia", "kasih&setia", "", ""},
        {"kasih+setia", "kasih", "setia", ""},
        {"kasih+setia+benar", "kasih", "setia+benar", ""},
        {"kasih^dosa", "kasih", "", "dosa"},
        {"kasih+setia^dosa+maut", "kasih", "setia", "dosa+maut"},
        {"kasih^dosa+maut", "kasih", "", "dosa+maut"},
        {"+setia", "", "setia", ""},
        {"^dosa", "", "", "dosa"},
        {"a+b^", "a", "b", ""},
        {"a++b+c", "a", "+b+c", ""},
        {"a^^b+c", "a", "", "^b+c"},
        {"kasih + setia", "kasih ", " setia", ""},
        {"", "", "", ""},
    };
    for (const Split& c : cases) {
        ParseQuery query;
        query.Query(QString::fromUtf8(c.text));
        EXPECT_EQ(query.WordList1(), QString::fromUtf8(c.list1)) << c.text;
        EXPECT_EQ(query.WordList2(), QString::fromUtf8(c.list2)) << c.text;
        EXPECT_EQ(query.WordList3(), QString::fromUtf8(c.list3)) << c.text;
    }
}

struct Verdict {
    const char* expression;
    const char* line;
    bool exact;
    bool accepted;
};

bool Accepts(const QString& text, const QString& line, bool exact) {
    ParseQuery query;
    query.Query(Expression(text));
    return LineFilter(query, exact).accepts(line);
}

TEST(LineFilter, FollowsTheLanguageSummary) {
    const Verdict cases[] = {
        {"a", "xax", false, true},      {"a", "xyz", false, false},
        {"a&b&c", "c", false, true},    {"a&b&c", "xyz", false, false},
        {"a+b", "ab", false, true},     {"a+b", "a", false, false},
        {"a+b+c", "ac", false, true},   {"a+b&c", "ab", false, true},
        {"a+b&c", "a", false, false},   {"a++b+c", "abc", false, true},
        {"a++b+c", "ab", false, false}, {"a^b", "a", false, true},
        {"a^b", "ab", false, false},    {"a^b+c", "ac", false, false},
        {"a^b+c", "ab", false, false},  {"a^b+c", "a", false, true},
        {"a^^b+c", "ab", false, true},  {"a^^b+c", "abc", false, false},
        {"a+b^c", "ab", false, true},   {"a+b^c", "abc", false, false},
        {"a+b^", "ab", false, true},    {"a+b^", "a", false, false},
        {"a^ ", "a", false, true},
    };
    for (const Verdict& c : cases) {
        EXPECT_EQ(Accepts(QString::fromUtf8(c.expression), QString::fromUtf8(c.line), c.exact),
                  c.accepted)
            << c.expression << " on " << c.line;
    }
}

TEST(LineFilter, KeepsBlanksNextToOperatorsAsPartOfTheWords) {
    EXPECT_TRUE(Accepts(QStringLiteral("a + b"), QStringLiteral("xa by"), false));
    EXPECT_FALSE(Accepts(QStringLiteral("a + b"), QStringLiteral("ab"), false));
    EXPECT_FALSE(Accepts(QStringLiteral("a + b"), QStringLiteral("a-b"), false));
    EXPECT_TRUE(Accepts(QStringLiteral("kasih "), QStringLiteral("kasih Allah"), false));
    EXPECT_FALSE(Accepts(QStringLiteral("kasih "), QStringLiteral("kasihilah"), false));
}

TEST(LineFilter, MatchesApostrophesSingleInAllThreeLists) {
    const QString line = QStringLiteral("Daud's son, the Lord's anointed");
    EXPECT_TRUE(Accepts(QStringLiteral("Daud's"), line, false));
    EXPECT_TRUE(Accepts(QStringLiteral("son+Lord's"), line, false));
    EXPECT_FALSE(Accepts(QStringLiteral("son^Lord's"), line, false));
    EXPECT_TRUE(Accepts(QStringLiteral("son^king's"), line, false));
}

TEST(LineFilter, IgnoresLetterCaseOnlyWithoutExact) {
    EXPECT_TRUE(Accepts(QStringLiteral("Kasih"), QStringLiteral("kasih Allah"), false));
    EXPECT_FALSE(Accepts(QStringLiteral("Kasih"), QStringLiteral("kasih Allah"), true));
    EXPECT_TRUE(Accepts(QStringLiteral("kasih"), QStringLiteral("kasih Allah"), true));
    EXPECT_TRUE(Accepts(QStringLiteral("kasih^ALLAH"), QStringLiteral("kasih Allah"), true));
    EXPECT_FALSE(Accepts(QStringLiteral("kasih^ALLAH"), QStringLiteral("kasih Allah"), false));
}

TEST(LineFilter, LowersLettersOutsideAscii) {
    EXPECT_TRUE(Accepts(QStringLiteral("YOÉL"), QStringLiteral("kitab Yoél"), false));
    EXPECT_TRUE(Accepts(QStringLiteral("ΛΌΓΟ"), QStringLiteral("ὁ λόγος"), false));
    EXPECT_FALSE(Accepts(QStringLiteral("YOÉL"), QStringLiteral("kitab Yoél"), true));
    EXPECT_FALSE(Accepts(QStringLiteral("Yoel"), QStringLiteral("kitab Yoél"), false));
}

TEST(MatchLists, TreatEmptyAndBlankListsAsTheLanguageDefines) {
    EXPECT_TRUE(MatchIncludeList(QString(), QStringLiteral("apa saja"), false));
    EXPECT_TRUE(MatchIncludeList(QStringLiteral("+"), QStringLiteral("apa"), false));
    EXPECT_FALSE(MatchExcludeList(QStringLiteral("   "), QStringLiteral("   "), false));
    EXPECT_FALSE(MatchExcludeList(QStringLiteral("^"), QStringLiteral("apa"), false));
    EXPECT_TRUE(MatchExcludeList(QStringLiteral("a&b"), QStringLiteral("xa&by"), false));
    EXPECT_FALSE(MatchExcludeList(QStringLiteral("a&b"), QStringLiteral("ab"), false));
}

TEST(MatchLists, LeadingOperatorAsksForEveryWord) {
    EXPECT_TRUE(MatchIncludeList(QStringLiteral("b+c"), QStringLiteral("c"), false));
    EXPECT_FALSE(MatchIncludeList(QStringLiteral("+b+c"), QStringLiteral("c"), false));
    EXPECT_TRUE(MatchIncludeList(QStringLiteral("+b+c"), QStringLiteral("bc"), false));
    EXPECT_TRUE(MatchExcludeList(QStringLiteral("b+c"), QStringLiteral("b"), false));
    EXPECT_FALSE(MatchExcludeList(QStringLiteral("^b+c"), QStringLiteral("b"), false));
    EXPECT_TRUE(MatchExcludeList(QStringLiteral("^b+c"), QStringLiteral("cb"), false));
}

} // namespace

// The word at every place of texts of every length around the sixteen-unit steps, and near
// misses whose first and last units match; the answer must be QString::contains'.
TEST(ContainsText, AgreesWithQStringAtEveryPlace) {
    const QString words[] = {QStringLiteral("k"), QStringLiteral("ka"), QStringLiteral("kasih"),
                             QStringLiteral("é\U0001F600ü"), QString()};
    for (const QString& word : words) {
        for (qsizetype length = 0; length <= 40; ++length) {
            const QString base(length, u'x');
            EXPECT_EQ(ContainsText(base, word), base.contains(word));
            for (qsizetype at = 0; at + word.size() <= length; ++at) {
                QString hit = base;
                hit.replace(at, word.size(), word);
                ASSERT_TRUE(ContainsText(hit, word)) << word.size() << " " << length << " " << at;
                if (word.size() < 3)
                    continue;
                QString miss = hit;
                miss[at + 1] = u'y';
                ASSERT_EQ(ContainsText(miss, word), miss.contains(word)) << length << " " << at;
            }
        }
    }
    EXPECT_FALSE(ContainsText(QStringLiteral("kasi"), QStringLiteral("kasih")));
}

// Every unit lowered as QChar::toLower does, wherever it stands among eight-unit blocks; the
// neighbours of 'A' and 'Z' and the first units past ASCII included.
TEST(FoldCase, LowersEachUnitAtEveryPlace) {
    const QString units =
        QStringLiteral("@AZ[`az{\u007F\u0080ÀÉİΣ") + QChar(0xD83D) + QChar(0xDE00);
    for (const QChar unit : units) {
        for (qsizetype length = 1; length <= 20; ++length) {
            for (qsizetype at = 0; at < length; ++at) {
                QString text(length, u'Q');
                text[at] = unit;
                QString expected(length, u'q');
                expected[at] = unit.toLower();
                ASSERT_EQ(FoldCase(text), expected)
                    << int(unit.unicode()) << " " << length << " " << at;
            }
        }
    }
    EXPECT_EQ(FoldCase(QString()), QString());
}
