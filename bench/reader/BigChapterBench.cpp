// A store whose first chapter (Kejadian 1, shown at start) holds 30 MB of text: the reader's
// start, the chapter shown again, find in it (F3/F4 and "Cari") and "Cari Semua" over the
// whole Bible, each timed once, with the peak memory of the process during that step.
// Argument 0: the chapter is 30 MB of verse lines; 1: it is one verse line of 30 MB.
#include "platform/ScriptedDialogs.h"
#include "reader/FindCommands.h"
#include "reader/MainWindow.h"
#include "reader/ReaderApp.h"
#include "reader/SearchBar.h"
#include "reader/SearchCommands.h"
#include "results/ShownText.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "support/BenchSupport.h"
#include "support/FixtureStore.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

constexpr qsizetype kChapterBytes = 30 * 1024 * 1024;
// Found once, at the very end of the big chapter (beyond what the view shows), and nowhere
// else.
const QString kRareWord = QStringLiteral("Zafnat-Paaneah");
// Found in every verse of the big chapter and in the fixture's other chapters.
const QString kCommonWord = QStringLiteral("Allah");

QString BigChapterText(bool oneLine) {
    const QByteArray verse = " Pada mulanya Allah menciptakan langit dan bumi, dan bumi belum "
                             "berbentuk dan kosong.";
    QString text;
    text.reserve(kChapterBytes + 1024);
    text += QStringLiteral("1:1");
    for (int number = 2; text.size() < kChapterBytes; ++number) {
        text += QLatin1StringView(verse);
        if (!oneLine)
            text += QStringLiteral("\r\n1:%1").arg(number);
    }
    return text + u' ' + kRareWord + u'.';
}

// The fixture store with Kejadian 1 of the first version replaced by the big chapter.
struct BigStore {
    QTemporaryDir dir;
    QString path;

    explicit BigStore(bool oneLine) {
        path = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("data")));
        store::Database db(path, store::Database::Mode::ReadWrite, store::kStorePassword);
        db.prepare(QStringLiteral(
                       "UPDATE UsysAlkitab SET Kitab1 = ? WHERE Buku = 'Kejadian' AND Bab = 1"))
            .bind(1, BigChapterText(oneLine))
            .run();
    }
    reader::ReaderFolders folders() const {
        return {dir.path(), dir.path(), dir.path(), dir.path()};
    }
    QString settingsFile() const { return dir.filePath(QStringLiteral("settings.ini")); }
};

// Forgets the peak so far, so that VmHWM then tells the peak of the step that follows.
void ResetPeakMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Times one step and reports its seconds and the process's peak memory while it ran.
template <typename Step> void Measure(benchmark::State& state, Step step) {
    ResetPeakMemory();
    const auto start = std::chrono::steady_clock::now();
    step();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
    state.counters["peak_MB"] = bench::ProcStatusMegabytes("VmHWM");
}

// The reader as main() composes it, started on the big store until its first chapter shows.
struct Reader {
    platform::ScriptedDialogs dialogs;
    reader::ReaderApp app;
    reader::MainWindow* window = nullptr;

    explicit Reader(const BigStore& big) : app(dialogs, big.settingsFile(), big.folders()) {
        app.start(big.path);
        window = &app.window();
        QEventLoop loop;
        QObject::connect(window, &reader::MainWindow::firstChapterShown, &loop, &QEventLoop::quit);
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        window->show();
        loop.exec();
    }
    QTextEdit* view() const { return window->findChild<QTextEdit*>(QStringLiteral("rtf1")); }
    void typeFind(const QString& word, search::Scope scope) {
        window->searchBar().text1()->setText(word);
        window->searchBar().combo2()->setCurrentIndex(int(scope));
    }
};

void BM_StoreOpen(benchmark::State& state) {
    const BigStore big(state.range(0) == 1);
    for (auto _ : state) {
        Measure(state, [&] { benchmark::DoNotOptimize(store::Store::Open(big.path)); });
    }
}

void BM_StartToBigChapter(benchmark::State& state) {
    const BigStore big(state.range(0) == 1);
    for (auto _ : state) {
        std::unique_ptr<Reader> reader;
        Measure(state, [&] { reader = std::make_unique<Reader>(big); });
        if (!reader->view()->toPlainText().endsWith(results::CutTextNotice()))
            state.SkipWithError("the big chapter is not shown");
    }
}

// Away to Kejadian 2 and back to the big chapter.
void BM_ShowBigChapterAgain(benchmark::State& state) {
    const BigStore big(state.range(0) == 1);
    Reader reader(big);
    QListWidget* chapters = reader.window->findChild<QListWidget*>(QStringLiteral("List2"));
    for (auto _ : state) {
        chapters->setCurrentRow(1);
        Measure(state, [&] { chapters->setCurrentRow(0); });
    }
}

// "Cari" in the chapter shown: the word looked for and marked in the view, in every verse.
void BM_FindInBigChapter(benchmark::State& state) {
    const BigStore big(state.range(0) == 1);
    Reader reader(big);
    reader.typeFind(kCommonWord, search::Scope::Chapter);
    for (auto _ : state) {
        Measure(state, [&] { reader.app.find()->Find(); });
        if (!reader.dialogs.messages().isEmpty())
            state.SkipWithError("the word was not found");
    }
}

// "Cari" over the whole Bible, then F4 and F3: the column read, the big chapter shown and
// its word marked, a later chapter, and back.
void BM_FindStepsThroughBible(benchmark::State& state) {
    const BigStore big(state.range(0) == 1);
    Reader reader(big);
    reader.typeFind(kCommonWord, search::Scope::WholeBible);
    for (auto _ : state) {
        Measure(state, [&] {
            reader.app.find()->Find();
            reader.app.find()->findNext();
            reader.app.find()->findPrevious();
        });
        if (!reader.dialogs.messages().isEmpty())
            state.SkipWithError("a step found nothing");
    }
}

// "Cari Semua" over the whole Bible for the word at the end of the big chapter.
void BM_SearchWholeBible(benchmark::State& state) {
    const BigStore big(state.range(0) == 1);
    Reader reader(big);
    reader.typeFind(kRareWord, search::Scope::WholeBible);
    for (auto _ : state)
        Measure(state, [&] { reader.app.search()->CariSemua(); });
}

} // namespace

BENCHMARK(BM_StoreOpen)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToBigChapter)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowBigChapterAgain)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindInBigChapter)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindStepsThroughBible)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchWholeBible)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv);
}
