#include "results/SearchRunner.h"

#include "platform/ReadingLook.h"
#include "platform/ScriptedDialogs.h"
#include "results/Form2.h"
#include "results/Form3.h"
#include "store/Store.h"
#include "support/FixtureStore.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

using namespace results;
using Kind = search::SearchOutcome::Kind;

namespace {

// Counts how often a widget is shown.
struct ShowCounter : QObject {
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

class SearchRunnerTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new QTemporaryDir;
        store = store::Store::Open(fixture::WriteFixtureStore(folder->path())).release();
    }
    static void TearDownTestSuite() {
        delete store;
        delete folder;
    }
    SearchRunnerTest() { runner.progressWindow().installEventFilter(&progressShows); }

    static search::SearchRequest Request(const QString& text, bool optimal) {
        search::SearchRequest r;
        r.text = text;
        r.column = QStringLiteral("Kitab1");
        r.versionName = QStringLiteral("Alkitab Terjemahan Baru");
        r.caption = QStringLiteral("Vermara");
        r.optimal = optimal;
        return r;
    }

    static inline QTemporaryDir* folder = nullptr;
    static inline store::Store* store = nullptr;
    QTemporaryDir temp;
    platform::ScriptedDialogs dialogs;
    search::SearchEngine engine{*store, temp.path()};
    platform::ReadingLook look;
    Form2 results{dialogs, look};
    SearchRunner runner{engine, results, dialogs};
    ShowCounter progressShows;
};

// The progress lets clicks through, so "Cari Semua" can be asked for again while a search
// runs: that second search is refused without a word, the first ends as usual, and the next
// search after it runs.
TEST_F(SearchRunnerTest, ASearchAskedForWhileOneRunsIsRefusedAndTheNextRuns) {
    std::optional<search::SearchOutcome> nested;
    QTimer::singleShot(0, &runner,
                       [&] { nested = runner.CariSemua(Request(QStringLiteral("Allah"), false)); });
    QSignalSpy started(&runner, &SearchRunner::searchStarted);
    QSignalSpy finished(&runner, &SearchRunner::searchFinished);
    EXPECT_EQ(runner.CariSemua(Request(QStringLiteral("kasih"), false)).kind, Kind::Finished);
    ASSERT_TRUE(nested.has_value());
    EXPECT_EQ(nested->kind, Kind::Message);
    EXPECT_TRUE(nested->message.isEmpty());
    EXPECT_TRUE(nested->file.isEmpty());
    EXPECT_EQ(started.size(), 1);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(results.rt1()->toPlainText().contains(QStringLiteral("5:44 Tetapi")));
    EXPECT_EQ(runner.CariSemua(Request(QStringLiteral("Allah"), false)).kind, Kind::Finished);
    EXPECT_EQ(started.size(), 2);
}

TEST_F(SearchRunnerTest, ShowsTheResultsAndKeepsOptimalSearchesInTheList) {
    QSignalSpy started(&runner, &SearchRunner::searchStarted);
    QSignalSpy finished(&runner, &SearchRunner::searchFinished);
    EXPECT_EQ(runner.CariSemua(Request(QStringLiteral("kasih"), true)).kind, Kind::Finished);
    EXPECT_TRUE(results.isVisible());
    EXPECT_EQ(results.mode(), results::ResultsPage::Cari);
    EXPECT_TRUE(results.rt1()->toPlainText().contains(QStringLiteral("\nMatius 5\n5:44 Tetapi")));
    EXPECT_FALSE(results.rt1()->toPlainText().contains(u'\r'));
    EXPECT_EQ(results.resultList().size(), 1);
    EXPECT_EQ(progressShows.shows, 1);
    EXPECT_FALSE(runner.progressWindow().isVisible());
    EXPECT_EQ(started.size(), 1);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_FALSE(runner.running());

    results.hide();
    EXPECT_EQ(runner.CariSemua(Request(QStringLiteral("kasih"), true)).kind, Kind::Reused);
    EXPECT_TRUE(results.isVisible());
    EXPECT_EQ(results.resultList().size(), 1);
    EXPECT_EQ(progressShows.shows, 1);

    EXPECT_EQ(runner.CariSemua(Request(QStringLiteral("Allah"), false)).kind, Kind::Finished);
    EXPECT_EQ(results.resultList().size(), 1);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(SearchRunnerTest, RefusalsAreToldAndShowNoWindow) {
    runner.CariSemua(Request(QStringLiteral("ka"), true));
    runner.CariSemua(Request(QStringLiteral("zzzz"), true));
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Kata yang dicari terlalu pendek"));
    EXPECT_EQ(dialogs.messages()[1].text, QStringLiteral("Kata tidak ditemukan"));
    EXPECT_EQ(dialogs.messages()[1].title, QStringLiteral("Vermara"));
    EXPECT_FALSE(results.isVisible());
    EXPECT_EQ(progressShows.shows, 0);
}

TEST_F(SearchRunnerTest, StopButtonStopsTheSearchWhichIsShownButNotListed) {
    QTimer::singleShot(0, &runner.progressWindow(), [this] {
        QTest::mouseClick(
            runner.progressWindow().findChild<QPushButton*>(QStringLiteral("cmdStop")),
            Qt::LeftButton);
    });
    EXPECT_EQ(runner.CariSemua(Request(QStringLiteral("Allah"), true)).kind, Kind::Stopped);
    EXPECT_TRUE(results.isVisible());
    EXPECT_TRUE(results.rt1()->toPlainText().endsWith(QStringLiteral("--PENCARIAN DIHENTIKAN--")));
    EXPECT_TRUE(results.resultList().empty());
}

TEST_F(SearchRunnerTest, EscapeInTheProgressWindowStopsTheDeuteroSearch) {
    QTimer::singleShot(0, &runner.progressWindow(),
                       [this] { QTest::keyClick(&runner.progressWindow(), Qt::Key_Escape); });
    const search::DeuteroRequest request{QStringLiteral("Teks"), 1, QStringLiteral("TB"), false,
                                         true};
    EXPECT_EQ(runner.CariDeutro(request).kind, Kind::Stopped);
    EXPECT_EQ(runner.CariDeutro(request).kind, Kind::Finished);
    EXPECT_EQ(results.resultList().size(), 1);
    EXPECT_EQ(results.resultList().at(0).title, QStringLiteral("Teks (TB)"));
}

TEST_F(SearchRunnerTest, ProgressWindowMirrorsItsLabelsIntoItsBoxes) {
    Form3& progress = runner.progressWindow();
    progress.start(QStringLiteral("10:00:00"));
    EXPECT_EQ(progress.windowTitle(), QStringLiteral("PENCARIAN"));
    EXPECT_EQ(progress.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->text(),
              QStringLiteral("Tunggu... sedang mencari."));
    progress.setStatus(QStringLiteral("12"));
    progress.setElapsed(QStringLiteral("00:00:03"));
    EXPECT_EQ(progress.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->text(),
              QStringLiteral("12"));
    EXPECT_EQ(progress.findChild<QLineEdit*>(QStringLiteral("txtElapsed"))->text(),
              QStringLiteral("00:00:03"));
    progress.hide();
}

} // namespace
