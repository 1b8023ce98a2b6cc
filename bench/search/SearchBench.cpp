// "Cari Semua" on the sample store (VERMARA_SAMPLE, or build/bin): the engine alone, the
// engine with the progress and results windows (offscreen), and highlighting a word in a
// results file of 2,000 verses.
#include "platform/AnsiCodePage.h"
#include "platform/ReadingLook.h"
#include "platform/ScriptedDialogs.h"
#include "results/Form2.h"
#include "results/SearchRunner.h"
#include "search/SearchEngine.h"
#include "store/Store.h"
#include "support/BenchSupport.h"
#include "support/HighlightLoop.h"
#include "support/SampleSearch.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace {

// The first search of a run: the engine reads the version's chapter texts itself.
void BM_EngineLoveFirstSearch(benchmark::State& state) {
    if (!bench::SampleStore())
        return state.SkipWithError("no sample store");
    QTemporaryDir temp;
    int count = 0;
    for (auto _ : state) {
        search::SearchEngine engine(*bench::SampleStore(), temp.path());
        search::StopToken stop;
        count = engine.CariSemua(bench::WholeBibleRequest(QStringLiteral("love")), stop).count;
    }
    state.counters["verses"] = count;
}
BENCHMARK(BM_EngineLoveFirstSearch)->Unit(benchmark::kMillisecond);

// The same once in a fresh process, on memory the process has not used before, as the
// reader's first search after start-up; vs_diatheke.sh runs it in ten processes.
BENCHMARK(BM_EngineLoveFirstSearch)
    ->Name("BM_EngineLoveFirstInProcess")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Reading one version's chapter texts and their lower-case forms, which a first search does.
void BM_ReadVersionTexts(benchmark::State& state) {
    if (!bench::SampleStore())
        return state.SkipWithError("no sample store");
    for (auto _ : state) {
        search::ChapterTexts texts(*bench::SampleStore());
        benchmark::DoNotOptimize(
            texts.column(bench::SampleStore()->versions().front().namaTabel).size());
    }
}
BENCHMARK(BM_ReadVersionTexts)->Unit(benchmark::kMillisecond);

// Later searches of the same version in one run reuse the texts read once.
void BM_EngineLoveLaterSearch(benchmark::State& state) {
    if (!bench::SampleStore())
        return state.SkipWithError("no sample store");
    QTemporaryDir temp;
    search::SearchEngine engine(*bench::SampleStore(), temp.path());
    search::StopToken stop;
    engine.prepare(bench::WholeBibleRequest(QString()).column);
    int count = 0;
    for (auto _ : state)
        count = engine.CariSemua(bench::WholeBibleRequest(QStringLiteral("love")), stop).count;
    state.counters["verses"] = count;
}
BENCHMARK(BM_EngineLoveLaterSearch)->Unit(benchmark::kMillisecond);

// "Pencarian Optimal" finding the finished file of a large search: reading it back, checking
// its header and count, and checking its store stamp against the file.
void BM_EngineTheReused(benchmark::State& state) {
    if (!bench::SampleStore())
        return state.SkipWithError("no sample store");
    QTemporaryDir temp;
    search::SearchEngine engine(*bench::SampleStore(), temp.path());
    search::StopToken stop;
    search::SearchRequest request = bench::WholeBibleRequest(QStringLiteral("the"));
    request.optimal = true;
    const search::SearchOutcome first = engine.CariSemua(request, stop);
    for (auto _ : state) {
        if (engine.CariSemua(request, stop).kind != search::SearchOutcome::Kind::Reused)
            return state.SkipWithError("not reused");
    }
    state.counters["verses"] = first.count;
    state.counters["bytes"] = double(QFileInfo(first.file).size());
}
BENCHMARK(BM_EngineTheReused)->Unit(benchmark::kMillisecond);

// From the call until the results window shows the file, progress window included.
void BM_SearchWithWindows(benchmark::State& state) {
    if (!bench::SampleStore())
        return state.SkipWithError("no sample store");
    QTemporaryDir temp;
    platform::ScriptedDialogs dialogs;
    platform::ReadingLook look;
    results::Form2 window(dialogs, look);
    for (auto _ : state) {
        search::SearchEngine engine(*bench::SampleStore(), temp.path());
        results::SearchRunner runner(engine, window, dialogs);
        runner.CariSemua(bench::WholeBibleRequest(QStringLiteral("love")));
        QApplication::processEvents();
        state.PauseTiming();
        window.hide();
        window.rt1()->clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SearchWithWindows)->Unit(benchmark::kMillisecond);

// The results view holding the first 2,000 verses found for "the", highlighting "the".
void BM_Highlight2000Verses(benchmark::State& state) {
    if (!bench::SampleStore())
        return state.SkipWithError("no sample store");
    QTemporaryDir temp;
    search::SearchEngine engine(*bench::SampleStore(), temp.path());
    search::StopToken stop;
    const search::SearchOutcome outcome =
        engine.CariSemua(bench::WholeBibleRequest(QStringLiteral("the")), stop);
    // Five header lines, then four lines per verse: two empty ones, the reference, the verse.
    const QStringList lines = platform::ReadTextFile(outcome.file).split(QStringLiteral("\r\n"));
    const QString text = lines.mid(0, 5 + 4 * 2000).join(u'\n');
    const int marked = bench::HighlightLoop(state, text, QStringLiteral("the"));
    state.counters["verses"] = double(qMin(outcome.count, 2000));
    state.counters["marked"] = marked;
}
BENCHMARK(BM_Highlight2000Verses)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWidgetBenchmarks(argc, argv);
}
