#include "import/BookIntroWriter.h"

#include "scripture/BookCatalogue.h"

#include <gtest/gtest.h>

namespace {

using import::BookFacts;

BookFacts Book(int position, int chapters, int verses) {
    BookFacts book;
    book.position = position;
    book.oldTestament = position <= 39;
    book.name = scripture::CanonicalName(position);
    book.chapters = chapters;
    book.verses = verses;
    return book;
}

// Kejadian, Mazmur, Amos, Obaja, Yunus, Matius, Filemon and Wahyu with their real sizes.
std::vector<BookFacts> SomeBooks() {
    return {Book(1, 50, 1533), Book(19, 150, 2461), Book(30, 9, 146), Book(31, 1, 21),
            Book(32, 4, 48),   Book(40, 28, 1071),  Book(57, 1, 25),  Book(66, 22, 404)};
}

const BookFacts& Find(const std::vector<BookFacts>& books, const QString& name) {
    return *std::find_if(books.begin(), books.end(),
                         [&](const BookFacts& b) { return b.name == name; });
}

::testing::AssertionResult Holds(const QString& text, const QString& part) {
    if (text.contains(part))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << part.toStdString() << "\" not in:\n"
                                         << text.toStdString();
}

TEST(BookIntroWriter, OneChapterBookIsDescribedWithItsGroupNeighboursAndTwins) {
    const auto books = SomeBooks();
    const auto texts = import::WriteBookTexts(Find(books, "Obaja"), books);
    EXPECT_TRUE(Holds(texts.intro, "Obaja terdiri atas satu pasal dengan 21 ayat"));
    EXPECT_TRUE(Holds(texts.intro, "sesudah Amos dan sebelum Yunus"));
    EXPECT_TRUE(Holds(texts.pengantar, "Jumlah pasal: 1\r\n"));
    EXPECT_TRUE(Holds(texts.pengantar, "kitab ke-31 dari 39 kitab Perjanjian Lama"));
    EXPECT_TRUE(Holds(texts.pengantar,
                      "Kelompok: kitab keempat dari 12 kitab dalam kelompok Nabi-nabi Kecil"));
    EXPECT_TRUE(Holds(texts.pengantar, "Kitab sebelumnya: Amos\r\nKitab sesudahnya: Yunus"));
    EXPECT_TRUE(Holds(texts.ciriKhas, "hanya terdiri atas satu pasal"));
    EXPECT_TRUE(Holds(texts.ciriKhas, "Obaja dan Filemon"));
    // Among the Old Testament books given it has the fewest verses.
    EXPECT_TRUE(
        Holds(texts.ciriKhas, "Obaja adalah kitab terpendek di antara 5 kitab Perjanjian Lama"));
}

TEST(BookIntroWriter, RanksAndSharesAreCountedOverTheBooksGiven) {
    const auto books = SomeBooks();
    const auto psalms = import::WriteBookTexts(Find(books, "Mazmur"), books);
    // 2461 of the 5709 verses given.
    EXPECT_TRUE(Holds(psalms.intro, "43,1% dari ayat-ayat 8 kitab dalam database ini"));
    EXPECT_TRUE(Holds(psalms.ciriKhas, "Mazmur adalah kitab terpanjang"));
    EXPECT_TRUE(Holds(psalms.ciriKhas, "pasal terbanyak"));
    EXPECT_TRUE(Holds(psalms.pengantar, "Jumlah ayat: 2.461 (rata-rata 16,4 ayat per pasal)"));
    const auto matthew = import::WriteBookTexts(Find(books, "Matius"), books);
    EXPECT_TRUE(Holds(matthew.ciriKhas, "terpanjang di antara 3 kitab Perjanjian Baru"));
    EXPECT_TRUE(Holds(matthew.pengantar, "Kitab sebelumnya: Maleakhi"));
}

TEST(BookIntroWriter, WholeCanonIsNamedAsSuchAndEndsHaveOneNeighbour) {
    std::vector<BookFacts> bible;
    for (int position = 1; position <= 66; ++position)
        bible.push_back(Book(position, position, 10 * position));
    const auto genesis = import::WriteBookTexts(bible.front(), bible);
    EXPECT_TRUE(Holds(genesis.intro,
                      "Kejadian adalah kitab pertama Alkitab; sesudahnya menyusul Keluaran"));
    EXPECT_FALSE(genesis.pengantar.contains("Kitab sebelumnya"));
    EXPECT_TRUE(Holds(genesis.ciriKhas, "terpendek di antara kitab-kitab Perjanjian Lama"));
    const auto revelation = import::WriteBookTexts(bible.back(), bible);
    EXPECT_TRUE(Holds(revelation.intro, "Wahyu adalah kitab terakhir Alkitab, sesudah Yudas"));
    EXPECT_TRUE(Holds(revelation.intro, "kitab terakhir dari 27 kitab Perjanjian Baru"));
    EXPECT_TRUE(Holds(revelation.pengantar, "satu-satunya kitab dalam kelompok Nubuat"));
    EXPECT_TRUE(Holds(revelation.ciriKhas, "terpanjang di seluruh Alkitab"));
    EXPECT_FALSE(revelation.pengantar.contains("Kitab sesudahnya"));
    EXPECT_TRUE(
        Holds(import::WriteBookTexts(bible[43], bible).pengantar, "kelompok Sejarah Gereja"));
    EXPECT_TRUE(
        Holds(import::WriteBookTexts(bible[57], bible).pengantar, "kelompok Surat-surat Umum"));
}

TEST(BookIntroWriter, SurveyListsHeadingsByTheChapterTheyStartIn) {
    auto books = SomeBooks();
    BookFacts& matthew = books[5];
    matthew.headings = {"Silsilah Yesus", "Kelahiran Yesus", "Orang majus"};
    matthew.headingChapters = {1, 1, 2};
    const auto texts = import::WriteBookTexts(matthew, books);
    const QStringList lines = texts.survai.split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(Holds(lines[0], "3 perikop"));
    EXPECT_EQ(lines[1], "Pasal 1: Silsilah Yesus; Kelahiran Yesus");
    EXPECT_EQ(lines[2], "Pasal 2: Orang majus");
    EXPECT_TRUE(Holds(texts.pengantar, "Jumlah perikop: 3"));

    matthew.headingChapters.clear();
    EXPECT_TRUE(Holds(import::WriteBookTexts(matthew, books).survai, "\r\n2. Kelahiran Yesus\r\n"));
    matthew.headings.clear();
    EXPECT_TRUE(Holds(import::WriteBookTexts(matthew, books).survai, "belum tersedia"));
}

TEST(BookIntroWriter, TextsUseCrLfOnlyAndStayShort) {
    const auto books = SomeBooks();
    for (const BookFacts& book : books) {
        const auto texts = import::WriteBookTexts(book, books);
        for (const QString& text : {texts.intro, texts.pengantar, texts.ciriKhas, texts.survai}) {
            EXPECT_FALSE(text.isEmpty());
            EXPECT_EQ(text.count("\r\n"), text.count(u'\n')) << book.name.toStdString();
            EXPECT_LT(text.size(), 2000) << book.name.toStdString();
        }
        EXPECT_FALSE(texts.intro.contains(u'\n'));
    }
}

} // namespace
