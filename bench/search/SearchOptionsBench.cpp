// A whole-Bible search on the sample store (VERMARA_SAMPLE, or build/bin) with "Kata Utuh" and
// folding both on, against the same search with both off; the goal is at most 1.5 times.
#include "search/SearchEngine.h"
#include "store/Store.h"
#include "support/BenchSupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

store::Store* Sample() {
    static std::unique_ptr<store::Store> store = [] {
        const QString path = bench::SamplePath();
        return path.isEmpty() ? nullptr : store::Store::Open(path);
    }();
    return store.get();
}

// Argument 1: both options on.
search::SearchRequest WholeBible(const QString& text, bool options) {
    search::SearchRequest request;
    request.text = text;
    request.scope = search::Scope::WholeBible;
    request.column = Sample()->versions().front().namaTabel;
    request.versionName = Sample()->versions().front().namaVersi;
    request.caption = QStringLiteral("Vermara");
    request.wholeWords = options;
    request.fold = options;
    return request;
}

// Later searches of a run: the texts (and, with folding, their folded forms) are kept.
void BM_SearchLater(benchmark::State& state, const char* word) {
    if (!Sample())
        return state.SkipWithError("no sample store");
    QTemporaryDir temp;
    search::SearchEngine engine(*Sample(), temp.path());
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
    if (!Sample())
        return state.SkipWithError("no sample store");
    QTemporaryDir temp;
    const search::SearchRequest request = WholeBible(QStringLiteral("love"), state.range(0) != 0);
    for (auto _ : state) {
        search::SearchEngine engine(*Sample(), temp.path());
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
