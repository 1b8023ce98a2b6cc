// "Kata Utuh" and folding against the default search, on a store whose verses hold the
// accents, apostrophe forms and word stems the options are about.
#include "platform/AnsiCodePage.h"
#include "search/LineMatch.h"
#include "search/ParseQuery.h"
#include "search/SearchEngine.h"
#include "search/SearchedWords.h"
#include "store/Store.h"
#include "store/StoreWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace search;

namespace {

const char* const kVerses[] = {
    "1:1 Jehová berfirman kepada Musa.",
    "1:2 Jehova adalah gembalaku.",
    "1:3 Kasih itu sabar; kasihnya tidak berkesudahan.",
    "1:4 Mereka saling menolong; kasihnya nyata.",
    "1:5 The Lord\u2019s house stands.",
    "1:6 The Lord's day came.",
    "1:7 Yesus berkata: Kasih.",
};

QString WriteStore(const QString& folder) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("VERMARA2000.DAT"));
    store::CreateDefaultDB(path);
    store::StoreWriter w(path);
    w.begin();
    QStringList lines;
    for (const char* verse : kVerses)
        lines << QString::fromUtf8(verse);
    w.insert(QStringLiteral("UsysAlkitab"), {{"id", 1},
                                             {"Perjanjian", QStringLiteral("Lama")},
                                             {"Urutan", 1},
                                             {"Buku", QStringLiteral("Kejadian")},
                                             {"Bab", 1},
                                             {"Ayat", 7},
                                             {"Kitab1", lines.join(QStringLiteral("\r\n"))}});
    w.insert(QStringLiteral("UsysKitab"), {{"Urutan", 1},
                                           {"Perjanjian", QStringLiteral("Lama")},
                                           {"JumlahBuku", 50},
                                           {"Referensi", QString()},
                                           {"Kitab1", QStringLiteral("Kejadian")}});
    w.insert(QStringLiteral("UsysVersi"), {{"nr", 1},
                                           {"NamaVersi", QStringLiteral("Uji")},
                                           {"SourceFolder", QString()},
                                           {"NamaTabel", QStringLiteral("Kitab1")},
                                           {"Aktif", 1},
                                           {"HakCipta", QStringLiteral("(c) Uji")},
                                           {"Lama", 1},
                                           {"Baru", 1}});
    w.commit();
    return path;
}

class SearchOptionsTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new QTemporaryDir;
        store = store::Store::Open(WriteStore(folder->filePath(QStringLiteral("data")))).release();
    }
    static void TearDownTestSuite() {
        delete store;
        delete folder;
    }

    // The verse numbers a whole-Bible search finds with these options.
    QStringList Found(const QString& text, bool wholeWords, bool fold, bool exact = false) {
        SearchRequest r;
        r.text = text;
        r.column = QStringLiteral("Kitab1");
        r.versionName = QStringLiteral("Uji");
        r.caption = QStringLiteral("Uji");
        r.wholeWords = wholeWords;
        r.fold = fold;
        r.exact = exact;
        const SearchOutcome outcome = engine.CariSemua(r, stop);
        QStringList verses;
        if (outcome.kind != SearchOutcome::Kind::Finished)
            return verses;
        for (const QString& line :
             platform::ReadTextFile(outcome.file).split(QStringLiteral("\r\n"))) {
            if (line.startsWith(QStringLiteral("1:")))
                verses << line.section(u' ', 0, 0);
        }
        return verses;
    }

    static inline QTemporaryDir* folder = nullptr;
    static inline store::Store* store = nullptr;
    QTemporaryDir temp;
    SearchEngine engine{*store, temp.path()};
    StopToken stop;
};

} // namespace

TEST_F(SearchOptionsTest, WithBothOptionsOffEverySearchFindsWhatTheDefaultFinds) {
    EXPECT_EQ(Found(QStringLiteral("Jehova"), false, false), QStringList{"1:2"});
    EXPECT_EQ(Found(QStringLiteral("kasih"), false, false), (QStringList{"1:3", "1:4", "1:7"}));
    EXPECT_EQ(Found(QStringLiteral("Lord's"), false, false), QStringList{"1:6"});
}

TEST_F(SearchOptionsTest, WholeWordsDropsTheLinesWhereTheWordIsOnlyPartOfAnother) {
    EXPECT_EQ(Found(QStringLiteral("kasih"), true, false), (QStringList{"1:3", "1:7"}));
    EXPECT_EQ(Found(QStringLiteral("kasihnya"), true, false), (QStringList{"1:3", "1:4"}));
    // A word at the very start or end of a line, before punctuation, is whole.
    EXPECT_EQ(Found(QStringLiteral("gembalaku"), true, false), QStringList{"1:2"});
    EXPECT_EQ(Found(QStringLiteral("asih"), true, false), QStringList());
    // Excluded words are whole words too: "kasihnya" does not exclude by "kasih".
    EXPECT_EQ(Found(QStringLiteral("nyata^kasih"), false, false), QStringList());
    EXPECT_EQ(Found(QStringLiteral("nyata^kasih"), true, false), QStringList{"1:4"});
}

TEST_F(SearchOptionsTest, FoldingFindsAccentedAndApostropheFormsBothWays) {
    EXPECT_EQ(Found(QStringLiteral("Jehova"), false, true), (QStringList{"1:1", "1:2"}));
    EXPECT_EQ(Found(QStringLiteral("Jehová"), false, true), (QStringList{"1:1", "1:2"}));
    EXPECT_EQ(Found(QStringLiteral("Lord's"), false, true), (QStringList{"1:5", "1:6"}));
    EXPECT_EQ(Found(QStringLiteral("Lord\u2019s"), false, true), (QStringList{"1:5", "1:6"}));
    // "Kata Tepat" still tells the letter case apart while the accents fold.
    EXPECT_EQ(Found(QStringLiteral("Jehova"), false, true, true), (QStringList{"1:1", "1:2"}));
    EXPECT_EQ(Found(QStringLiteral("jehova"), false, true, true), QStringList());
    EXPECT_EQ(Found(QStringLiteral("jehova"), true, true), (QStringList{"1:1", "1:2"}));
}

TEST_F(SearchOptionsTest, EachOptionSetHasItsOwnKeyAndTheDefaultKeyIsUnchanged) {
    SearchRequest r;
    r.text = QStringLiteral("kasih");
    r.column = QStringLiteral("Kitab1");
    EXPECT_EQ(SearchKey(r), QStringLiteral("Kitab1kasih2False"));
    QStringList keys{SearchKey(r)};
    for (const auto& [whole, fold] : {std::pair{true, false}, {false, true}, {true, true}}) {
        r.wholeWords = whole;
        r.fold = fold;
        EXPECT_FALSE(keys.contains(SearchKey(r))) << SearchKey(r).toStdString();
        keys << SearchKey(r);
    }
    // A kept search is never reused for another option set: each has its own file.
    r.optimal = true;
    r.wholeWords = r.fold = false;
    ASSERT_EQ(engine.CariSemua(r, stop).kind, SearchOutcome::Kind::Finished);
    r.wholeWords = true;
    const SearchOutcome whole = engine.CariSemua(r, stop);
    EXPECT_EQ(whole.kind, SearchOutcome::Kind::Finished);
    EXPECT_EQ(whole.count, 2);
    EXPECT_TRUE(HeaderLines(r).at(1).endsWith(QStringLiteral(" -- Kata Utuh")));
}

TEST(WholeWord, BoundariesAreLettersAndDigitsOnly) {
    EXPECT_TRUE(ContainsWholeWord(u"kasih", u"kasih"));
    EXPECT_TRUE(ContainsWholeWord(u"(kasih)", u"kasih"));
    EXPECT_TRUE(ContainsWholeWord(u"kasihnya kasih", u"kasih"));
    EXPECT_FALSE(ContainsWholeWord(u"kasihnya mengasihi", u"kasih"));
    EXPECT_FALSE(ContainsWholeWord(u"kasih2", u"kasih"));
    EXPECT_TRUE(ContainsWholeWord(u"apa saja", u""));
    EXPECT_EQ(FoldAccents(QStringLiteral("Jehová Lord\u2019s")), QStringLiteral("Jehova Lord's"));
    EXPECT_EQ(FoldAccents(QStringLiteral("e\u0301")).size(), 2);
}

TEST(SearchedWords, TheRequiredAndAdditionalWordsAreMarkedNotTheExcludedOnes) {
    EXPECT_EQ(SearchedWords(QStringLiteral("kasih&Allah+dunia^benci")),
              (QStringList{"kasih", "Allah", "dunia"}));
    EXPECT_EQ(SearchedWords(QStringLiteral("kasih+ +kasih")), QStringList{"kasih"});
    EXPECT_EQ(SearchedWords(QStringLiteral("Lord''s")), QStringList{"Lord''s"});
    EXPECT_TRUE(SearchedWords(QStringLiteral("^benci")).isEmpty());
}
