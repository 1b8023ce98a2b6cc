#include "reader/History.h"

#include "platform/ScriptedDialogs.h"
#include "reader/CommandTable.h"
#include "reader/Jumps.h"
#include "reader/Navigator.h"
#include "store/Store.h"
#include "support/FixtureStore.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using reader::History;
using reader::Jumps;
using reader::Navigator;
using Step = reader::History::Step;

namespace {

// A navigator on the fixture store with the history it records into.
class HistoryTest : public testing::Test {
protected:
    void SetUp() override {
        store = store::Store::Open(fixture::WriteFixtureStore(dir.path()));
        nav.emplace(store.get());
        jumps.emplace(*nav, dialogs);
        QObject::connect(&*nav, &Navigator::lineChosen, [this](int verse) { line = verse; });
    }
    // Versions by catalogue number: 1 has both testaments, 3 only the New one.
    void start(qint32 active = 1) {
        nav->loadVersions(active, 2);
        nav->restore({});
        history().clear();
    }
    // The verse whose line a jump selected (0 for none); nullopt when nothing moved.
    std::optional<int> jump(const char* key) {
        const auto parsed = scripture::ParseLocationKey(QString::fromUtf8(key));
        line = 0;
        return parsed && jumps->JumpLocation(*parsed) ? std::optional<int>(line) : std::nullopt;
    }
    std::optional<int> step(Step mode) {
        line = 0;
        return jumps->NavigateHistory(mode) ? std::optional<int>(line) : std::nullopt;
    }
    History& history() { return nav->history(); }
    QString where() const {
        return QStringLiteral("%1 %2").arg(nav->bookName()).arg(nav->chapter());
    }
    static scripture::HistoryEntry place(int chapter, int verse = 1) {
        return {QStringLiteral("Kitab1"), QStringLiteral("Mazmur"), chapter, verse};
    }

    QTemporaryDir dir;
    std::unique_ptr<store::Store> store;
    platform::ScriptedDialogs dialogs;
    int line = 0;
    std::optional<Navigator> nav;
    std::optional<Jumps> jumps;
};

} // namespace

TEST_F(HistoryTest, AChapterThenAVerseLeaveOneEntryEndingInTheVerse) {
    start();
    nav->goTo(QStringLiteral("Matius"), 5);
    nav->chooseVerse(44);
    ASSERT_EQ(history().entries().size(), 1);
    EXPECT_EQ(history().entries().last(), QStringLiteral("Kitab1@Matius# 5:44"));
    nav->chooseChapter(1);
    EXPECT_EQ(history().entries(), QStringList({QStringLiteral("Kitab1@Matius# 5:44"),
                                                QStringLiteral("Kitab1@Matius# 1:1")}));
}

TEST_F(HistoryTest, AVerseChosenAfterAStepBackKeepsTheNewerPlace) {
    start();
    nav->goTo(QStringLiteral("Matius"), 1);
    nav->goTo(QStringLiteral("Matius"), 5);
    ASSERT_TRUE(jumps->NavigateHistory(Step::Newest));
    ASSERT_TRUE(jumps->NavigateHistory(Step::Back));
    EXPECT_EQ(where(), QStringLiteral("Matius 1"));
    nav->chooseVerse(2);
    EXPECT_EQ(history().entries(), QStringList({QStringLiteral("Kitab1@Matius# 1:1"),
                                                QStringLiteral("Kitab1@Matius# 5:1"),
                                                QStringLiteral("Kitab1@Matius# 1:2")}));
}

TEST_F(HistoryTest, TheHundredAndFirstEntryDropsTheOldest) {
    for (int chapter = 1; chapter <= History::kMaxEntries; ++chapter)
        history().RecordLocation(place(chapter), false);
    ASSERT_EQ(history().entries().size(), History::kMaxEntries);
    ASSERT_TRUE(history().step(Step::Newest));
    EXPECT_EQ(history().index(), 99);
    history().RecordLocation(place(101), false);
    EXPECT_EQ(history().entries().size(), History::kMaxEntries);
    EXPECT_EQ(history().entries().first(), QStringLiteral("Kitab1@Mazmur# 2:1"));
    EXPECT_EQ(history().entries().last(), QStringLiteral("Kitab1@Mazmur# 101:1"));
    // The marked entry is still the one last navigated to.
    EXPECT_EQ(history().entries().at(history().index()), QStringLiteral("Kitab1@Mazmur# 100:1"));
}

TEST_F(HistoryTest, StepsStopAtBothEndsOfTheList) {
    EXPECT_FALSE(history().step(Step::Newest));
    for (int chapter = 1; chapter <= 3; ++chapter)
        history().RecordLocation(place(chapter), false);
    // Before any step, back does nothing and forward reaches the oldest entry.
    EXPECT_FALSE(history().step(Step::Back));
    EXPECT_EQ(history().index(), -1);
    EXPECT_EQ(history().step(Step::Forward), QStringLiteral("Mazmur# 1:1"));
    EXPECT_FALSE(history().step(Step::Back));
    EXPECT_EQ(history().index(), 0);
    EXPECT_EQ(history().step(Step::Newest), QStringLiteral("Mazmur# 3:1"));
    EXPECT_FALSE(history().step(Step::Forward));
    EXPECT_EQ(history().index(), 2);
    history().clear();
    EXPECT_TRUE(history().entries().isEmpty());
    EXPECT_EQ(history().index(), -1);
}

TEST_F(HistoryTest, StepsShowEntriesWithoutRecordingThemAgain) {
    start();
    nav->goTo(QStringLiteral("Kejadian"), 2);
    nav->goTo(QStringLiteral("Matius"), 5);
    nav->chooseVerse(44);
    const QStringList before = history().entries();
    EXPECT_EQ(step(Step::Newest), 44);
    EXPECT_EQ(step(Step::Back), 1);
    EXPECT_EQ(where(), QStringLiteral("Kejadian 2"));
    EXPECT_TRUE(nav->oldTestament());
    EXPECT_EQ(step(Step::Forward), 44);
    EXPECT_EQ(where(), QStringLiteral("Matius 5"));
    EXPECT_EQ(history().entries(), before);
    nav->goTo(QStringLiteral("Yohanes"), 3);
    EXPECT_EQ(history().entries().size(), before.size() + 1);
}

TEST_F(HistoryTest, AStepInAFullListKeepsEveryEntry) {
    start();
    for (int chapter = 1; chapter <= History::kMaxEntries; ++chapter)
        history().RecordLocation(place(chapter), false);
    const QStringList full = history().entries();
    EXPECT_EQ(step(Step::Newest), 1);
    EXPECT_EQ(step(Step::Back), 1);
    EXPECT_EQ(step(Step::Back), 1);
    EXPECT_EQ(where(), QStringLiteral("Mazmur 98"));
    EXPECT_EQ(history().entries(), full);
    EXPECT_EQ(history().index(), 97);
}

TEST_F(HistoryTest, JumpsFollowTheCatalogueSpellingAndSelectTheFirstVerse) {
    start();
    EXPECT_EQ(jump("Zakaria#1:1"), 1);
    EXPECT_EQ(where(), QStringLiteral("Zakharia 1"));
    EXPECT_TRUE(nav->oldTestament());
    EXPECT_EQ(jump("Matius#5:44-45"), 44);
    EXPECT_EQ(where(), QStringLiteral("Matius 5"));
    EXPECT_FALSE(nav->oldTestament());
    EXPECT_EQ(jump("Yo\u00e9l# 2:28"), 28);
    EXPECT_EQ(where(), QStringLiteral("Yoel 2"));
}

TEST_F(HistoryTest, AKeyNamingNoPlaceLeavesThePositionAlone) {
    start();
    nav->goTo(QStringLiteral("Matius"), 5);
    for (const char* key :
         {"Matius#29:1", "Matius#0:1", "Matius", "Matius#5", "Henokh#1:1", "matius#5:1", ""})
        EXPECT_FALSE(jump(key)) << key;
    EXPECT_EQ(where(), QStringLiteral("Matius 5"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(HistoryTest, AnOldTestamentJumpOnANewTestamentVersionIsExplainedOnlyBesideTheBookmarks) {
    start(3);
    nav->goTo(QStringLiteral("Matius"), 5);
    EXPECT_FALSE(jump("Kejadian#1:1"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    bool bookmarksShown = true;
    jumps->setBookmarkWindowShown([&] { return bookmarksShown; });
    EXPECT_FALSE(jump("Zakaria#14:9"));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first().text,
              QStringLiteral("Versi yang sedang aktif tidak memiliki Perjanjian Lama"));
    EXPECT_EQ(dialogs.messages().first().buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(where(), QStringLiteral("Matius 5"));
}

TEST_F(HistoryTest, SetDataLocationShowsAChapterRowOfTheStore) {
    start();
    const int rows = int(store->chapters().size());
    ASSERT_TRUE(jumps->SetDataLocation(rows - 1));
    EXPECT_EQ(where(), QStringLiteral("Yohanes 3"));
    ASSERT_TRUE(jumps->SetDataLocation(0));
    EXPECT_EQ(where(), QStringLiteral("Kejadian 1"));
    EXPECT_FALSE(jumps->SetDataLocation(rows));
    EXPECT_FALSE(jumps->SetDataLocation(-1));
    EXPECT_EQ(where(), QStringLiteral("Kejadian 1"));
}

TEST(JumpItems, OldTestamentPlacesAreMarkedWhenTheVersionLacksThem) {
    const QString line = QStringLiteral("5:44 -> Lukas 6:27-28, Yesaya 61:1,Zakaria 14:9, ,");
    EXPECT_EQ(reader::JumpItems(line, true),
              QStringList({QStringLiteral("Lukas 6:27-28"), QStringLiteral("Yesaya 61:1"),
                           QStringLiteral("Zakaria 14:9")}));
    const QStringList marked = reader::JumpItems(line, false);
    EXPECT_EQ(marked, QStringList({QStringLiteral("Lukas 6:27-28"), QStringLiteral("Yesaya 61:1*"),
                                   QStringLiteral("Zakaria 14:9*")}));
    EXPECT_TRUE(reader::CanConfirmJumpItem(marked.at(0)));
    EXPECT_FALSE(reader::CanConfirmJumpItem(marked.at(1)));
    EXPECT_FALSE(reader::CanConfirmJumpItem(QStringLiteral("Yesaya 61:1* ")));
    EXPECT_TRUE(reader::JumpItems(QStringLiteral("5:44 Lukas 6:27-28"), true).isEmpty());
    EXPECT_TRUE(reader::JumpItems(QStringLiteral("5:44 -> "), true).isEmpty());
}

TEST(KeyRows, HistoryKeysAreTheirOwnAndClashWithNoMenuItem) {
    QSet<QString> names;
    QSet<QString> shortcuts;
    for (const reader::CommandRow& row : reader::CommandRows()) {
        names.insert(row.name);
        if (!row.shortcut.isEmpty())
            shortcuts.insert(row.shortcut);
    }
    std::map<reader::ReaderCommand, QString> keys;
    for (const reader::KeyRow& row : reader::KeyRows()) {
        EXPECT_FALSE(names.contains(row.name)) << row.name.toStdString();
        const QString key = row.shortcut;
        EXPECT_FALSE(key.isEmpty()) << row.name.toStdString();
        EXPECT_FALSE(shortcuts.contains(key)) << key.toStdString();
        EXPECT_EQ(reader::FindCommandRow(row.command), nullptr) << row.name.toStdString();
        names.insert(row.name);
        shortcuts.insert(key);
        keys[row.command] = key;
    }
    using C = reader::ReaderCommand;
    EXPECT_EQ(keys[C::HistoryBack], QStringLiteral("F3"));
    EXPECT_EQ(keys[C::HistoryForward], QStringLiteral("F4"));
    EXPECT_EQ(keys[C::HistoryNewest], QStringLiteral("F5"));
    EXPECT_EQ(keys[C::ToggleHistory], QStringLiteral("Ctrl+F9"));
}
