// Start-up, chapter and verse choice, version switch and memory of the reader on the sample store
// (VERMARA_SAMPLE, build/bin or /tmp/sample), offscreen, timed inside the process.
#include "platform/ScriptedDialogs.h"
#include "platform/SettingsStore.h"
#include "reader/History.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "reader/ReaderApp.h"
#include "store/Store.h"
#include "support/BenchSupport.h"

#include <QApplication>
#include <QEventLoop>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

// Settings of a reader that stored the sample's location in an earlier run.
struct ReaderHome {
    QTemporaryDir dir;

    explicit ReaderHome(const QString& path) {
        platform::SettingsStore settings(settingsFile());
        reader::ReaderSettings(settings, dir.path()).setLocation(path);
    }
    QString settingsFile() const { return dir.filePath(QStringLiteral("settings.ini")); }
    reader::ReaderFolders folders() const {
        return {dir.path(), dir.path(), dir.path(), dir.path()};
    }
};

// One reader as main() composes it: the splash, the settings' data location, the store, the
// window's loading and its first activation.
struct Reader {
    platform::ScriptedDialogs dialogs;
    reader::ReaderApp app;
    reader::MainWindow* window = nullptr;

    explicit Reader(ReaderHome& home) : app(dialogs, home.settingsFile(), home.folders()) {
        app.start({});
        window = &app.window();
        QEventLoop loop;
        QObject::connect(window, &reader::MainWindow::firstChapterShown, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        window->show();
        loop.exec();
    }
    QListWidget* list(const char* name) const {
        return window->findChild<QListWidget*>(QString::fromUtf8(name));
    }
};

bool SplashShown() {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("frmSplash") && window->isVisible())
            return true;
    }
    return false;
}

bool NeedSample(benchmark::State& state, QString& path) {
    path = bench::SamplePath();
    if (path.isEmpty())
        state.SkipWithError("sample store not found");
    return !path.isEmpty();
}

void BM_MemoryAfterStart(benchmark::State& state) {
    QString path;
    if (!NeedSample(state, path))
        return;
    ReaderHome home(path);
    std::unique_ptr<Reader> reader;
    for (auto _ : state)
        reader = std::make_unique<Reader>(home);
    state.counters["rss_MB"] = bench::ProcStatusMegabytes("VmRSS");
}

void BM_StartupToFirstChapter(benchmark::State& state) {
    QString path;
    if (!NeedSample(state, path))
        return;
    ReaderHome home(path);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Reader reader(home);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        QListWidget* books = reader.list("List1");
        if (!books || books->count() == 0 || SplashShown())
            state.SkipWithError("no chapter shown, or the splash still up");
    }
}

void BM_ChooseChapter(benchmark::State& state) {
    QString path;
    if (!NeedSample(state, path))
        return;
    ReaderHome home(path);
    Reader reader(home);
    reader.list("List1")->setCurrentRow(18); // Mazmur: 150 chapters, 119 the longest
    QListWidget* chapters = reader.list("List2");
    const int choices[] = {118, 22, 0, 149, 77};
    int i = 0;
    for (auto _ : state)
        chapters->setCurrentRow(choices[i++ % 5]);
}

// A verse chosen in the longest chapter: located in the view, selected, and looked up in
// the parallel version (the work of every caret move into another verse).
void BM_ChooseVerse(benchmark::State& state) {
    QString path;
    if (!NeedSample(state, path))
        return;
    ReaderHome home(path);
    Reader reader(home);
    reader.list("List1")->setCurrentRow(18);
    reader.list("List2")->setCurrentRow(118);
    QTextEdit* view = reader.window->findChild<QTextEdit*>(QStringLiteral("rtf1"));
    int verse = 0;
    for (auto _ : state) {
        verse = (verse + 37) % 176 + 1;
        reader.window->SelectAyat(view, verse, true);
    }
}

void BM_SwitchVersion(benchmark::State& state) {
    QString path;
    if (!NeedSample(state, path))
        return;
    ReaderHome home(path);
    Reader reader(home);
    reader.list("List1")->setCurrentRow(18);
    reader.list("List2")->setCurrentRow(118);
    const int versions = reader.window->navigator().versions().count();
    if (versions < 2) {
        state.SkipWithError("the sample store needs two versions");
        return;
    }
    int entry = 1;
    for (auto _ : state) {
        entry = entry % 2 + 1;
        reader.window->ChangeVersion(entry);
    }
}

// F3 and F4 in turn between two places of different testaments: the entry parsed, the
// navigator moved, the chapter shown and its verse line selected. Argument 0 steps between
// Kejadian 1 and Matius 5, argument 1 between the longest chapter (Mazmur 119) and Matius 5.
void BM_HistoryStep(benchmark::State& state) {
    QString path;
    if (!NeedSample(state, path))
        return;
    ReaderHome home(path);
    Reader reader(home);
    const scripture::LocationKey first[] = {{QStringLiteral("Kejadian"), 1, 3},
                                            {QStringLiteral("Mazmur"), 119, 105}};
    reader.window->JumpLocation(first[state.range(0)]);
    reader.window->JumpLocation({QStringLiteral("Matius"), 5, 44});
    if (reader.window->history().entries().size() < 2) {
        state.SkipWithError("no history recorded");
        return;
    }
    reader.window->NavigateHistory(reader::History::Step::Newest);
    bool back = true;
    for (auto _ : state) {
        reader.window->NavigateHistory(back ? reader::History::Step::Back
                                            : reader::History::Step::Forward);
        back = !back;
    }
}

// JumpLocation as the jump and bookmark windows call it, alternating between testaments.
void BM_JumpLocation(benchmark::State& state) {
    QString path;
    if (!NeedSample(state, path))
        return;
    ReaderHome home(path);
    Reader reader(home);
    const scripture::LocationKey keys[] = {{QStringLiteral("Mazmur"), 119, 105},
                                           {QStringLiteral("Matius"), 5, 44, 45},
                                           {QStringLiteral("Zakaria"), 14, 9},
                                           {QStringLiteral("Wahyu"), 22, 21}};
    int i = 0;
    for (auto _ : state)
        reader.window->JumpLocation(keys[i++ % 4]);
}

} // namespace

BENCHMARK(BM_MemoryAfterStart)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupToFirstChapter)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseChapter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseVerse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SwitchVersion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JumpLocation)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv);
}
