#pragma once

#include <QString>
#include <benchmark/benchmark.h>

namespace bench {

// Marks the word in a fresh view of the text once per iteration, as the results window does
// (exact, yielding to the event loop); only the marking is timed. Answers the marks made.
int HighlightLoop(benchmark::State& state, const QString& text, const QString& word);

// Makes the widget application the views need (offscreen unless a platform is chosen) and
// runs the benchmarks the command line selects.
int RunWidgetBenchmarks(int argc, char** argv);

} // namespace bench
