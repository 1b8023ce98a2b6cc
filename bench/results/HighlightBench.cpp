// Highlighting a word in a view that holds one single line of text (no line breaks) of 1 MB and
// of 30 MB, as a results or ClipBook file saved without breaks gives: the whole text is one
// paragraph of the view.
#include "support/BenchSupport.h"
#include "support/HighlightLoop.h"

#include <benchmark/benchmark.h>

namespace {

// Verse-like text in which "kasih" stands in several letter cases, about every 60 characters.
QString OneLine(qsizetype bytes) {
    const QString piece = QStringLiteral("Kasih itu sabar; kasih itu murah hati; ia tidak cemburu, "
                                         "KASIH tidak memegahkan diri dan tidak sombong. ");
    QString text;
    text.reserve(bytes + piece.size());
    while (text.size() < bytes)
        text += piece;
    text.truncate(bytes);
    return text;
}

void BM_HighlightOneLine(benchmark::State& state) {
    const QString text = OneLine(state.range(0) * 1024 * 1024);
    const int marked = bench::HighlightLoop(state, text, QStringLiteral("kasih"));
    state.counters["MB"] = double(state.range(0));
    state.counters["marked"] = marked;
}
BENCHMARK(BM_HighlightOneLine)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HighlightOneLine)->Arg(30)->Iterations(1)->Unit(benchmark::kMillisecond);

// The floor of the above: one mark at the start of the same line, after which the view lays
// the whole paragraph out again as after any change of format.
void BM_OneMarkOneLine(benchmark::State& state) {
    const QString text = QStringLiteral("Agape ") + OneLine(state.range(0) * 1024 * 1024);
    bench::HighlightLoop(state, text, QStringLiteral("agape"));
    state.counters["MB"] = double(state.range(0));
}
BENCHMARK(BM_OneMarkOneLine)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneMarkOneLine)->Arg(30)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWidgetBenchmarks(argc, argv);
}
