// A whole-Bible search on the sample store (VERMARA_SAMPLE, or build/bin) with "Kata Utuh" and
// folding both on, against the same search with both off; the goal is at most 1.5 times.
#include "search/SearchEngine.h"
#include "store/Store.h"
#include "support/BenchSupport.h"
#include "support/SampleSearch.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Argument 1: both options on.
search::SearchRequest WholeBible(const QString& text, bool options) {
    search::SearchRequest request = bench::WholeBibleRequest(text);
    request.wholeWords = options;
    request.fold = options;
    return request;
}

// Later searches of a run: the texts (and, with folding, their folded forms) are kept.
void BM_SearchLater(benchmark::State& state, const char* word) {
    if (!bench::SampleStore())
        return state.SkipWithError("no sample store");
    QTemporaryDir temp;
    search::SearchEngine engine(*bench::SampleStore(), temp.path());
    search::StopToken stop;
    const search::SearchRequest request = WholeBible(QString::fromUtf8(word), state.range(0) != 0);
    engine.CariSemua(request, stop);
    int count = 0;
    for (auto _ : state)
        count = engine.CariSemua(request, stop).count;
    state.counters["verses"] = count;
}
BENCHMARK_CAPTURE(BM_SearchLater, love, "love")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchLater, the, "the")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The first search of a run reads the texts; with folding it also folds them once.
void BM_SearchFirst(benchmark::State& state) {
    if (!bench::SampleStore())
        return state.SkipWithError("no sample store");
    QTemporaryDir temp;
    const search::SearchRequest request = WholeBible(QStringLiteral("love"), state.range(0) != 0);
    for (auto _ : state) {
        search::SearchEngine engine(*bench::SampleStore(), temp.path());
        search::StopToken stop;
        benchmark::DoNotOptimize(engine.CariSemua(request, stop).count);
    }
}
BENCHMARK(BM_SearchFirst)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv);
}
