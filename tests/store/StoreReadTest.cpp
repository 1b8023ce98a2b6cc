#include "store/DictionaryOrder.h"
#include "store/ModuleSwitches.h"
#include "store/Store.h"
#include "store/StoreWriter.h"
#include "support/FixtureStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace store;

namespace {

class StoreReadTest : public testing::Test {
protected:
    std::unique_ptr<Store> open(const fixture::Options& options = {}) {
        return Store::Open(fixture::WriteFixtureStore(dir.path(), options));
    }
    QTemporaryDir dir;
};

TEST_F(StoreReadTest, ChaptersComeInOrderWithTextsOnDemand) {
    auto store = open();
    ASSERT_EQ(store->chapters().size(), 6u);
    EXPECT_EQ(store->chapters().front().buku, QStringLiteral("Kejadian"));
    const auto matius5 = store->findChapter(QStringLiteral("MATIUS"), 5);
    ASSERT_TRUE(matius5);
    EXPECT_EQ(store->chapters()[size_t(*matius5)].ayat, 48);
    EXPECT_FALSE(store->chapters()[size_t(*matius5)].oldTestament());
    EXPECT_TRUE(store->chapters().front().oldTestament());
    EXPECT_TRUE(store->chapterText(*matius5, QStringLiteral("Kitab2"))
                    .contains(QStringLiteral("\r\n5:3-4. Berbahagialah")));
    EXPECT_FALSE(store->findChapter(QStringLiteral("Matius "), 5));
    EXPECT_FALSE(store->findChapter(QStringLiteral("Kejadian"), 3));

    const int yohanes3 = *store->findChapter(QStringLiteral("Yohanes"), 3);
    EXPECT_TRUE(store->chapterText(yohanes3, QStringLiteral("Kitab2")).isNull());
    EXPECT_TRUE(store->chapterText(yohanes3, QStringLiteral("Kitab9")).isNull());
    EXPECT_TRUE(store->chapterText(yohanes3, QStringLiteral("Kitab1; DROP")).isNull());
    EXPECT_TRUE(store->chapterText(99, QStringLiteral("Kitab1")).isNull());

    // The first and last rows are read; one past either end is not.
    const int last = int(store->chapters().size()) - 1;
    EXPECT_TRUE(store->chapterText(0, QStringLiteral("Kitab1")).startsWith(u"1:1 "));
    EXPECT_TRUE(store->chapterText(last, QStringLiteral("Kitab1")).startsWith(u"3:16 "));
    EXPECT_TRUE(store->chapterText(last + 1, QStringLiteral("Kitab1")).isNull());
    EXPECT_TRUE(store->chapterText(-1, QStringLiteral("Kitab1")).isNull());
}

TEST_F(StoreReadTest, CommentaryIsReadPerChapterAndEmptyWithoutTheField) {
    const QString path = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("k")));
    auto store = Store::Open(path);
    EXPECT_EQ(store->commentary(0),
              QStringLiteral("Tafsiran Kejadian 1: Allah menciptakan dengan firman-Nya."));
    EXPECT_TRUE(store->commentary(*store->findChapter(QStringLiteral("Matius"), 5))
                    .endsWith(QStringLiteral("\r\nBaris kedua tafsiran.")));
    EXPECT_TRUE(store->commentary(1).isEmpty());
    EXPECT_TRUE(store->commentary(-1).isEmpty());
    EXPECT_TRUE(store->commentary(int(store->chapters().size())).isEmpty());
    store.reset();
    {
        StoreWriter w(path);
        w.dropColumn(QStringLiteral("UsysAlkitab"), QStringLiteral("Komentar"));
    }
    EXPECT_TRUE(Store::Open(path)->commentary(0).isEmpty());
}

TEST_F(StoreReadTest, RangeReadsMatchTheChapterReadsOnEitherConnection) {
    auto store = open();
    const int count = int(store->chapters().size());
    using Read = bool (Store::*)(const QString&, int, int, const ChapterTextSink&) const;
    for (const Read read : {&Store::chapterTexts, &Store::chapterTextsApart}) {
        // Every index in order, its text as one read gives it (Null and empty kept apart).
        std::vector<std::pair<int, QString>> seen;
        const auto collect = [&](const QString& column, int first, int last) {
            seen.clear();
            return (*store.*read)(column, first, last, [&](int index, QByteArrayView utf8) {
                seen.emplace_back(index, utf8.isNull() ? QString() : QString::fromUtf8(utf8));
            });
        };
        ASSERT_TRUE(collect(QStringLiteral("Kitab2"), 0, count));
        ASSERT_EQ(int(seen.size()), count);
        for (int index = 0; index < count; ++index) {
            EXPECT_EQ(seen[size_t(index)].first, index);
            const QString own = store->chapterText(index, QStringLiteral("Kitab2"));
            EXPECT_EQ(seen[size_t(index)].second, own);
            EXPECT_EQ(seen[size_t(index)].second.isNull(), own.isNull());
        }
        EXPECT_TRUE(collect(QStringLiteral("Kitab1"), count - 1, count));
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].first, count - 1);
        EXPECT_TRUE(collect(QStringLiteral("Kitab1"), count, count));
        EXPECT_TRUE(seen.empty());
        EXPECT_FALSE(collect(QStringLiteral("Kitab1"), 0, count + 1));
        EXPECT_FALSE(collect(QStringLiteral("Kitab1"), -1, 1));
        EXPECT_FALSE(collect(QStringLiteral("Kitab1"), 2, 1));
        EXPECT_FALSE(collect(QStringLiteral("Kitab1; DROP"), 0, 1));
        EXPECT_TRUE(seen.empty());
    }
}

TEST(DictionaryOrderTest, EqualSpellingsKeepTheirOrderAndNullComesFirst) {
    struct Row {
        QString word;
        int order;
    };
    std::vector<Row> rows{{"Ezra", 0}, {"kasih", 1}, {QString(), 2}, {"Élim", 3},
                          {"", 4},     {"kasih", 5}, {"co-op", 6},   {"coal", 7}};
    const auto collator = DictionaryCollator();
    SortByDictionary(rows, &Row::word, *collator);
    std::vector<int> orders;
    for (const Row& row : rows)
        orders.push_back(row.order);
    EXPECT_EQ(orders, (std::vector<int>{2, 4, 7, 6, 3, 0, 1, 5}));
    EXPECT_EQ(DistinctIgnoringCase({"Kasih", "Ezra", "kasih", " kasih", "KASIH"}, *collator),
              (QStringList{"Ezra", " kasih", "Kasih"}));
}

TEST_F(StoreReadTest, BooksPerTestamentInCanonicalOrder) {
    auto store = open();
    const auto old = store->booksOf(QStringLiteral("Lama"));
    const auto neu = store->booksOf(QStringLiteral("baru"));
    ASSERT_EQ(old.size(), 39u);
    ASSERT_EQ(neu.size(), 27u);
    EXPECT_EQ(old[37]->name(QStringLiteral("Kitab2")), QStringLiteral("Zakaria"));
    EXPECT_EQ(neu[26]->names.first(), QStringLiteral("Wahyu"));
    const BookRow* matius = store->findBook(QStringLiteral("matius"));
    ASSERT_NE(matius, nullptr);
    EXPECT_EQ(matius->jumlahBuku, 28);
    EXPECT_TRUE(matius->referensi.startsWith(QStringLiteral("#5#@5:3 ")));
    EXPECT_EQ(store->findBook(QStringLiteral("Matius' OR '1'='1")), nullptr);
}

TEST_F(StoreReadTest, CatalogueSwitchesAndInfo) {
    fixture::Options options;
    options.catalogueWithGaps = true;
    options.missingModuleRow = true;
    options.withoutInfo99 = true;
    auto store = open(options);
    QList<qint32> numbers;
    for (const VersionRow& row : store->versions())
        numbers << row.nr;
    EXPECT_EQ(numbers, (QList<qint32>{1, 2, 4, 5, 7}));
    EXPECT_EQ(store->GetInfoText(99), QStringLiteral("Database VR v.1.0"));
    EXPECT_EQ(store->GetInfoText(3), QStringLiteral("Etika pengutipan: sebutkan versi dan ayat."));
    EXPECT_EQ(store->GetInfoText(42), QString());
    const auto switches = ReadModuleSwitches(*store);
    EXPECT_FALSE(switches[size_t(ModuleNames().indexOf(QStringLiteral("Kamus")))]);
    EXPECT_TRUE(switches[size_t(ModuleNames().indexOf(QStringLiteral("Peta")))]);
}

TEST_F(StoreReadTest, StudyTablesInTheirOrders) {
    auto store = open();
    EXPECT_EQ(store->pictureCategories(),
              (QStringList{QStringLiteral("Bagan"), QStringLiteral("Peta")}));
    ASSERT_EQ(store->dictionary().size(), 3u);
    EXPECT_EQ(store->dictionary()[0].entri, QStringLiteral("abba"));
    EXPECT_EQ(store->dictionary()[1].entri, QStringLiteral("Abraham"));
    EXPECT_TRUE(store->parables()[0].markus.isNull());
    EXPECT_EQ(store->prophecies()[1].baru, QStringLiteral("Yohanes#3:16"));
    ASSERT_EQ(store->thematic().size(), 4u);
    EXPECT_EQ(store->topics().size(), 3); // " kasih " and "Kasih" stay apart here
    const auto& deutero = store->deuterocanon();
    ASSERT_EQ(deutero.size(), 5u);
    EXPECT_EQ(deutero.back().bab, 14);
    EXPECT_TRUE(store->deuteroHasThirdColumn());
    EXPECT_EQ(store->firstDeuteroThirdText(), QStringLiteral("1:1 Teks BIS Tobit"));
}

TEST_F(StoreReadTest, TwoVersionDeuterocanonReadsWithoutThirdColumn) {
    fixture::Options options;
    options.twoVersionDeutero = true;
    auto store = open(options);
    EXPECT_FALSE(store->deuteroHasThirdColumn());
    EXPECT_TRUE(store->firstDeuteroThirdText().isNull());
    ASSERT_FALSE(store->deuterocanon().empty());
    EXPECT_TRUE(store->deuterocanon().front().kitab3.isNull());
    EXPECT_FALSE(store->deuterocanon().front().kitab2.isEmpty());
}

} // namespace
