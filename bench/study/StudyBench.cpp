// First and later opening of each study window and the dictionary's type-ahead on the sample
// store (VERMARA_SAMPLE, or build/bin), offscreen, timed inside the process.
#include "platform/ScriptedDialogs.h"
#include "store/Store.h"
#include "study/DictionaryWindow.h"
#include "study/MapsWindow.h"
#include "study/ParablesWindow.h"
#include "study/ProphecyWindow.h"
#include "study/StudyWindows.h"
#include "study/ThematicWindow.h"
#include "support/BenchSupport.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>

namespace {

// A fresh store for every first opening, so the study tables it reads on first use are
// part of what is timed, as at the first opening in a run.
struct Session {
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<store::Store> store;
    std::unique_ptr<study::StudyWindows> windows;

    explicit Session(const QString& path) : store(store::Store::Open(path)) {
        const QString folder = QFileInfo(path).absolutePath() + u'/';
        windows = std::make_unique<study::StudyWindows>(
            study::StudyContext{*store, dialogs, folder, folder, {}, nullptr});
    }
};

using Opener = std::function<QWidget&(study::StudyWindows&)>;

void Open(QWidget& window) {
    window.show();
    QApplication::processEvents();
}

void FirstOpening(benchmark::State& state, const Opener& opener) {
    const QString path = bench::SamplePath();
    if (path.isEmpty()) {
        state.SkipWithError("sample store not found");
        return;
    }
    for (auto _ : state) {
        Session session(path);
        const auto start = std::chrono::steady_clock::now();
        Open(opener(*session.windows));
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
    }
}

void LaterOpening(benchmark::State& state, const Opener& opener) {
    const QString path = bench::SamplePath();
    if (path.isEmpty()) {
        state.SkipWithError("sample store not found");
        return;
    }
    Session session(path);
    QWidget& window = opener(*session.windows);
    Open(window);
    for (auto _ : state) {
        window.hide();
        Open(opener(*session.windows));
    }
}

void BM_DictionaryTypeAhead(benchmark::State& state) {
    const QString path = bench::SamplePath();
    if (path.isEmpty()) {
        state.SkipWithError("sample store not found");
        return;
    }
    Session session(path);
    auto& window = session.windows->dictionary();
    auto* text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    const int headwords = window.findChild<QListWidget*>(QStringLiteral("List1"))->count();
    // Every key of a word typed letter by letter; "zz" matches nothing and scans the whole list.
    const QStringList typed = {QStringLiteral("y"), QStringLiteral("ye"), QStringLiteral("yer"),
                               QStringLiteral("yeru"), QStringLiteral("zz")};
    qsizetype key = 0;
    for (auto _ : state)
        text1->setText(typed[key++ % typed.size()]);
    state.counters["headwords"] = headwords;
}

// The store's part of the thematic window's first opening: reading UsysTematik.
void BM_ThematicRowsFromStore(benchmark::State& state) {
    const QString path = bench::SamplePath();
    if (path.isEmpty()) {
        state.SkipWithError("sample store not found");
        return;
    }
    for (auto _ : state) {
        const auto store = store::Store::Open(path);
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(store->thematic().size() + store->topics().size());
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        state.counters["rows"] = static_cast<double>(store->thematic().size());
        state.counters["topics"] = static_cast<double>(store->topics().size());
    }
}

template <typename Window> Opener Of(Window& (study::StudyWindows::*get)()) {
    return [get](study::StudyWindows& windows) -> QWidget& { return (windows.*get)(); };
}

void Register() {
    const std::pair<const char*, Opener> windows[] = {
        {"Parables", Of(&study::StudyWindows::parables)},
        {"Prophecies", Of(&study::StudyWindows::prophecies)},
        {"Dictionary", Of(&study::StudyWindows::dictionary)},
        {"Thematic", Of(&study::StudyWindows::thematic)},
        {"Maps", Of(&study::StudyWindows::maps)},
        {"Deuterocanon", Of(&study::StudyWindows::deutero)}};
    for (const auto& [name, opener] : windows) {
        benchmark::RegisterBenchmark((std::string("BM_FirstOpening/") + name).c_str(), FirstOpening,
                                     opener)
            ->Iterations(5)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_LaterOpening/") + name).c_str(), LaterOpening,
                                     opener)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_ThematicRowsFromStore", BM_ThematicRowsFromStore)
        ->Iterations(5)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_DictionaryTypeAhead", BM_DictionaryTypeAhead)
        ->Unit(benchmark::kMicrosecond);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Register();
    return bench::RunBenchmarks(argc, argv);
}
