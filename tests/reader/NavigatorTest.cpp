#include "reader/Navigator.h"

#include "reader/ReferenceJump.h"
#include "scripture/BookCatalogue.h"
#include "store/Store.h"
#include "support/FixtureStore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using reader::LastPosition;
using reader::Navigator;

namespace {

class NavigatorTest : public testing::Test {
protected:
    void SetUp() override {
        store = store::Store::Open(fixture::WriteFixtureStore(dir.path()));
        nav.emplace(store.get());
    }
    // Versions by catalogue number, then the saved place shown.
    void start(qint32 active = 1, LastPosition last = {}) {
        nav->loadVersions(active, 2);
        nav->restore(last);
    }
    QString where() const {
        return QStringLiteral("%1 %2:%3")
            .arg(nav->bookName())
            .arg(nav->chapter())
            .arg(nav->verse());
    }

    QTemporaryDir dir;
    std::unique_ptr<store::Store> store;
    std::optional<Navigator> nav;
};

} // namespace

TEST_F(NavigatorTest, StartsOnTheOldTestamentsFirstChapterInTheSavedVersions) {
    start();
    EXPECT_TRUE(nav->oldTestament());
    EXPECT_EQ(nav->OTAvailable(), 1);
    EXPECT_EQ(where(), QStringLiteral("Kejadian 1:0"));
    EXPECT_EQ(nav->bookNames().size(), 39);
    EXPECT_EQ(nav->activeColumn(), QStringLiteral("Kitab1"));
    EXPECT_EQ(nav->parallelName(), QStringLiteral("Alkitab Kabar Baik"));
    EXPECT_EQ(nav->verseCount(), 3);
    EXPECT_TRUE(nav->chapterText().startsWith(QStringLiteral("1:1 Pada mulanya Allah")));
    EXPECT_TRUE(nav->parallelChapterText().startsWith(QStringLiteral("1:1 Pada mulanya,")));
}

TEST_F(NavigatorTest, ChoosingATestamentShowsItsFirstBookAndAnnouncesEachStep) {
    start();
    QSignalSpy lists(&*nav, &Navigator::bookListChanged);
    QSignalSpy books(&*nav, &Navigator::bookChanged);
    QSignalSpy chapters(&*nav, &Navigator::chapterChanged);
    ASSERT_TRUE(nav->chooseTestament(false));
    EXPECT_EQ(where(), QStringLiteral("Matius 1:0"));
    EXPECT_EQ(nav->bookNames().front(), QStringLiteral("Matius"));
    EXPECT_EQ(nav->bookNames().size(), 27);
    EXPECT_EQ(lists.count(), 1);
    EXPECT_EQ(books.count(), 1);
    EXPECT_EQ(chapters.count(), 1);
    // Another chapter of the same book leaves the chapter list alone.
    ASSERT_TRUE(nav->chooseChapter(5));
    EXPECT_EQ(books.count(), 1);
    EXPECT_EQ(chapters.count(), 2);
}

TEST_F(NavigatorTest, BooksChaptersAndVersesAreBoundedByTheStore) {
    start();
    nav->chooseTestament(false);
    EXPECT_FALSE(nav->chooseBook(-1));
    EXPECT_FALSE(nav->chooseBook(27));
    ASSERT_TRUE(nav->chooseBook(26));
    EXPECT_EQ(nav->bookName(), QStringLiteral("Wahyu"));
    ASSERT_TRUE(nav->chooseBook(0));
    EXPECT_EQ(nav->chapterCount(), 28);
    EXPECT_FALSE(nav->chooseChapter(0));
    EXPECT_FALSE(nav->chooseChapter(29));
    // The last chapter of the list is offered even though the store lacks its text.
    ASSERT_TRUE(nav->chooseChapter(28));
    EXPECT_FALSE(nav->chapterRow().has_value());
    EXPECT_TRUE(nav->chapterText().isEmpty());
    EXPECT_FALSE(nav->chooseVerse(1));

    ASSERT_TRUE(nav->chooseChapter(5));
    QSignalSpy verses(&*nav, &Navigator::verseChosen);
    EXPECT_FALSE(nav->chooseVerse(0));
    ASSERT_TRUE(nav->chooseVerse(48));
    ASSERT_EQ(verses.count(), 1);
    EXPECT_EQ(verses.front().front().toInt(), 48);
    EXPECT_EQ(where(), QStringLiteral("Matius 5:48"));
}

TEST_F(NavigatorTest, LeavingTheOldTestamentForAVersionWithoutItWaitsForTheAnswer) {
    start();
    nav->goTo(QStringLiteral("Zakharia"), 14);
    QSignalSpy versions(&*nav, &Navigator::versionChanged);
    EXPECT_EQ(nav->ChangeVersion(3), Navigator::VersionStep::NeedsNewTestament);
    EXPECT_EQ(versions.count(), 0);
    EXPECT_EQ(nav->activeEntry(), 1);
    EXPECT_EQ(where(), QStringLiteral("Zakharia 14:0"));

    nav->ChangeVersionToNewTestament(3);
    EXPECT_EQ(where(), QStringLiteral("Matius 1:0"));
    EXPECT_FALSE(nav->oldTestament());
    EXPECT_EQ(nav->OTAvailable(), 0);
    EXPECT_EQ(nav->bookNames().front(), QStringLiteral("PB Matius"));
    EXPECT_TRUE(nav->chapterText().startsWith(QStringLiteral("1:1 PB")));
    EXPECT_FALSE(nav->chooseTestament(true));
    EXPECT_FALSE(nav->goTo(QStringLiteral("Kejadian"), 1));
    EXPECT_EQ(where(), QStringLiteral("Matius 1:0"));
    EXPECT_EQ(nav->ChangeVersion(4), Navigator::VersionStep::Unknown);
    EXPECT_EQ(nav->ChangeVersion(0), Navigator::VersionStep::Unknown);
}

TEST_F(NavigatorTest, OnTheNewTestamentAVersionChangeKeepsThePlace) {
    start();
    nav->goTo(QStringLiteral("Matius"), 5);
    EXPECT_EQ(nav->ChangeVersion(3), Navigator::VersionStep::Done);
    EXPECT_EQ(where(), QStringLiteral("Matius 5:0"));
    EXPECT_EQ(nav->OTAvailable(), 0);
    EXPECT_TRUE(nav->chapterText().startsWith(QStringLiteral("5:1 PB")));
    EXPECT_EQ(nav->ChangeVersion(2), Navigator::VersionStep::Done);
    EXPECT_EQ(nav->OTAvailable(), 1);
    EXPECT_TRUE(nav->chapterText().contains(QStringLiteral("5:3-4.")));
    EXPECT_TRUE(nav->chooseTestament(true));
}

TEST_F(NavigatorTest, GoesToAPlaceByNameOrLocationKey) {
    start();
    QSignalSpy verses(&*nav, &Navigator::verseChosen);
    ASSERT_TRUE(nav->goToKey({QStringLiteral("Matius"), 5, 44, 45}));
    EXPECT_EQ(where(), QStringLiteral("Matius 5:44"));
    EXPECT_FALSE(nav->oldTestament());
    EXPECT_EQ(nav->bookIndex(), 0);
    EXPECT_EQ(verses.count(), 1);
    ASSERT_TRUE(nav->goTo(QStringLiteral("zakharia"), 14, 9));
    EXPECT_EQ(where(), QStringLiteral("Zakharia 14:9"));
    EXPECT_EQ(nav->bookIndex(), 37);
    // Nothing moves for a book, chapter or key the store cannot show.
    EXPECT_FALSE(nav->goToKey({QStringLiteral("Matius"), 29, 1}));
    EXPECT_FALSE(nav->goTo(QStringLiteral("Matius"), 29));
    EXPECT_FALSE(nav->goTo(QStringLiteral("Mat"), 1));
    EXPECT_FALSE(nav->goTo(QStringLiteral("Tobit"), 1));
    EXPECT_EQ(where(), QStringLiteral("Zakharia 14:9"));
}

TEST_F(NavigatorTest, RestoresTheSavedPlaceOrAFirstChapterTheVersionCanShow) {
    start(1, LastPosition{false, 0, 4});
    EXPECT_EQ(where(), QStringLiteral("Matius 5:0"));
    start(1, LastPosition{false, 26, 21});
    EXPECT_EQ(where(), QStringLiteral("Wahyu 22:0"));
    start(1, LastPosition{false, 27, 4});
    EXPECT_EQ(where(), QStringLiteral("Matius 1:0"));
    start(1, LastPosition{true, 1, 40});
    EXPECT_EQ(where(), QStringLiteral("Keluaran 1:0"));
    // Yosua 3 saved, then a version without the Old Testament: not Roma 3.
    start(3, LastPosition{true, 5, 2});
    EXPECT_FALSE(nav->oldTestament());
    EXPECT_EQ(where(), QStringLiteral("Matius 1:0"));
}

TEST_F(NavigatorTest, TheParallelVersionChangesAlone) {
    start();
    nav->goTo(QStringLiteral("Matius"), 5);
    QSignalSpy chapters(&*nav, &Navigator::chapterChanged);
    ASSERT_TRUE(nav->chooseParallel(3));
    EXPECT_EQ(nav->parallelColumn(), QStringLiteral("Kitab3"));
    EXPECT_TRUE(nav->parallelChapterText().startsWith(QStringLiteral("5:1 PB")));
    EXPECT_FALSE(nav->chooseParallel(4));
    EXPECT_EQ(nav->parallelEntry(), 3);
    EXPECT_EQ(chapters.count(), 0);
}

TEST_F(NavigatorTest, ChapterSteppingCrossesEveryBookBoundaryBothWays) {
    start();
    for (int position = 1; position < scripture::kCanonBooks; ++position) {
        const QString book = scripture::CanonicalName(position);
        const int last = store->findBook(book)->jumlahBuku;
        ASSERT_TRUE(nav->goTo(book, last));
        ASSERT_TRUE(nav->stepChapter(1)) << book.toStdString();
        EXPECT_EQ(where(), scripture::CanonicalName(position + 1) + QStringLiteral(" 1:0"));
        EXPECT_EQ(nav->oldTestament(), scripture::IsOldTestament(position + 1));
        ASSERT_TRUE(nav->stepChapter(-1)) << book.toStdString();
        EXPECT_EQ(where(), QStringLiteral("%1 %2:0").arg(book).arg(last));
    }
    // Within a book, and nothing beyond either end of the canon.
    ASSERT_TRUE(nav->goTo(QStringLiteral("Kejadian"), 1));
    EXPECT_FALSE(nav->stepChapter(-1));
    ASSERT_TRUE(nav->stepChapter(1));
    EXPECT_EQ(where(), QStringLiteral("Kejadian 2:0"));
    ASSERT_TRUE(nav->goTo(QStringLiteral("Wahyu"), 22));
    EXPECT_FALSE(nav->stepChapter(1));
    EXPECT_EQ(where(), QStringLiteral("Wahyu 22:0"));
}

TEST_F(NavigatorTest, SteppingIsRecordedAndStopsAtAnOldTestamentTheVersionLacks) {
    start(3);
    ASSERT_TRUE(nav->goTo(QStringLiteral("Matius"), 1));
    nav->history().clear();
    EXPECT_FALSE(nav->stepChapter(-1));
    EXPECT_EQ(where(), QStringLiteral("Matius 1:0"));
    ASSERT_TRUE(nav->stepChapter(1));
    ASSERT_TRUE(nav->stepChapter(1));
    EXPECT_EQ(nav->history().entries(), QStringList({QStringLiteral("Kitab3@Matius# 2:1"),
                                                     QStringLiteral("Kitab3@Matius# 3:1")}));
}

TEST_F(NavigatorTest, ATypedReferenceGoesThereOrSaysWhyItStays) {
    start();
    nav->history().clear();
    QSignalSpy passages(&*nav, &Navigator::passageChosen);
    EXPECT_EQ(reader::GoToTypedReference(*nav, QStringLiteral("mat 5:44")), QString());
    EXPECT_EQ(where(), QStringLiteral("Matius 5:44"));
    EXPECT_EQ(nav->history().entries(), QStringList{QStringLiteral("Kitab1@Matius# 5:44")});
    EXPECT_EQ(reader::GoToTypedReference(*nav, QStringLiteral("Kej 1:1-3")), QString());
    EXPECT_EQ(where(), QStringLiteral("Kejadian 1:1"));
    ASSERT_EQ(passages.count(), 1);
    EXPECT_EQ(passages.at(0), (QVariantList{1, 3}));
    // Past the store's chapter or verse, or an unknown book: the place stays.
    EXPECT_EQ(reader::GoToTypedReference(*nav, QStringLiteral("Kej 1:4")),
              QStringLiteral("Kejadian 1 tidak punya ayat 4"));
    EXPECT_EQ(reader::GoToTypedReference(*nav, QStringLiteral("Mat 29")),
              QStringLiteral("Matius tidak punya pasal 29"));
    EXPECT_EQ(reader::GoToTypedReference(*nav, QStringLiteral("Tobit 1")),
              QStringLiteral("Kitab \"Tobit\" tidak dikenal"));
    EXPECT_EQ(where(), QStringLiteral("Kejadian 1:1"));
    EXPECT_EQ(nav->history().entries().size(), 2);
}

TEST_F(NavigatorTest, ATypedReferenceReadsTheActiveVersionsNamesAndItsTestaments) {
    start(3);
    EXPECT_EQ(reader::GoToTypedReference(*nav, QStringLiteral("PB Matius 5:44")), QString());
    EXPECT_EQ(where(), QStringLiteral("Matius 5:44"));
    EXPECT_EQ(reader::GoToTypedReference(*nav, QStringLiteral("Kej 1")),
              QStringLiteral("Versi yang sedang aktif tidak memiliki Perjanjian Lama"));
    EXPECT_EQ(where(), QStringLiteral("Matius 5:44"));
}

TEST(Navigator, WithoutAStoreNothingMoves) {
    Navigator nav(nullptr);
    nav.loadVersions(1, 1);
    nav.restore({});
    EXPECT_TRUE(nav.bookNames().isEmpty());
    EXPECT_FALSE(nav.chooseTestament(false));
    EXPECT_FALSE(nav.goToKey({QStringLiteral("Matius"), 5, 44}));
    EXPECT_EQ(nav.ChangeVersion(1), Navigator::VersionStep::Unknown);
    EXPECT_FALSE(nav.stepChapter(1));
    EXPECT_FALSE(reader::GoToTypedReference(nav, QStringLiteral("Yoh 3:16")).isEmpty());
    EXPECT_TRUE(nav.chapterText().isEmpty());
}
