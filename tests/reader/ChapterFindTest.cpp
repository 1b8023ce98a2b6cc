#include "reader/ChapterFind.h"

#include "store/Store.h"
#include "support/FixtureStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using reader::ChapterFind;
using reader::FindCriterion;
using search::Scope;

namespace {

class ChapterFindTest : public testing::Test {
protected:
    void SetUp() override {
        store = store::Store::Open(fixture::WriteFixtureStore(dir.path()));
        find.emplace(*store);
    }
    // "Kejadian 2" for a row of the store's chapters, "-" for none.
    QString at(std::optional<int> row) const {
        if (!row)
            return QStringLiteral("-");
        const store::ChapterRow& chapter = store->chapters()[std::size_t(*row)];
        return QStringLiteral("%1 %2").arg(chapter.buku).arg(chapter.bab);
    }
    std::optional<int> first(Scope scope, const char* word, const char* column = "Kitab1") {
        return find->findFirst({scope, QString::fromUtf8(column), QString::fromUtf8(word),
                                QStringLiteral("Kejadian"), QStringLiteral("Lama")});
    }

    QTemporaryDir dir;
    std::unique_ptr<store::Store> store;
    std::optional<ChapterFind> find;
};

} // namespace

TEST_F(ChapterFindTest, ABookFindNeverLeavesTheBook) {
    // "Allah" stands in Kejadian 1 and 2 and again in Matius 5 and Yohanes 3.
    const auto row = first(Scope::Book, "allah");
    EXPECT_EQ(at(row), QStringLiteral("Kejadian 1"));
    const auto second = find->next(*row);
    EXPECT_EQ(at(second), QStringLiteral("Kejadian 2"));
    EXPECT_EQ(at(find->next(*second)), QStringLiteral("-"));
    EXPECT_EQ(at(find->previous(*second)), QStringLiteral("Kejadian 1"));
    EXPECT_EQ(at(find->previous(*row)), QStringLiteral("-"));
}

TEST_F(ChapterFindTest, WiderScopesStepThroughTheTestamentOrTheWholeBible) {
    const auto old = first(Scope::Testament, "ALLAH");
    EXPECT_EQ(at(find->next(*find->next(*old))), QStringLiteral("-"));
    const auto whole = first(Scope::WholeBible, "Allah");
    const auto third = find->next(*find->next(*whole));
    EXPECT_EQ(at(third), QStringLiteral("Matius 5"));
    const int last = int(store->chapters().size()) - 1;
    EXPECT_EQ(find->next(*third), last);
    EXPECT_EQ(at(find->next(last)), QStringLiteral("-"));
    // From one past the end, previous reaches the last chapter.
    EXPECT_EQ(find->previous(last + 1), last);
}

TEST_F(ChapterFindTest, OnlyTheActiveVersionsTextCountsAndNullTextHoldsNothing) {
    EXPECT_EQ(at(first(Scope::WholeBible, "cintailah", "Kitab1")), QStringLiteral("-"));
    EXPECT_EQ(at(first(Scope::WholeBible, "cintailah", "Kitab2")), QStringLiteral("Matius 5"));
    // Kitab2 of Yohanes 3 is Null; the empty word is in every other chapter.
    const auto row = first(Scope::WholeBible, "", "Kitab2");
    EXPECT_EQ(at(find->previous(int(store->chapters().size()))), QStringLiteral("Matius 5"));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(at(first(Scope::WholeBible, "'perjanjian'", "Kitab3")), QStringLiteral("Matius 1"));
}

TEST_F(ChapterFindTest, WithoutAFindThereIsNoStep) {
    EXPECT_FALSE(find->hasCriterion());
    EXPECT_FALSE(find->next(-1));
    EXPECT_FALSE(find->previous(3));
}

TEST(FindText, OperatorsAndTheDisplayedChapter) {
    EXPECT_TRUE(reader::HasSearchOperators(QStringLiteral("kasih +musuh")));
    EXPECT_TRUE(reader::HasSearchOperators(QStringLiteral("^kasih")));
    EXPECT_FALSE(reader::HasSearchOperators(QStringLiteral("anak-anak")));
    const QString text = QStringLiteral("1:2 Abraham memperanakkan Ishak, anak 'Perjanjian'.");
    EXPECT_TRUE(reader::ChapterHasWord(text, QStringLiteral("'perjanjian'"), false));
    EXPECT_FALSE(reader::ChapterHasWord(text, QStringLiteral("'perjanjian'"), true));
    EXPECT_TRUE(reader::ChapterHasWord(text, QStringLiteral("'Perjanjian'"), true));
    EXPECT_FALSE(reader::ChapterHasWord(text, QStringLiteral("Ishak,anak"), false));
}
