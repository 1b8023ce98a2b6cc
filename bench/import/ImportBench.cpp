#include "import/Importer.h"
#include "import/Markup.h"
#include "import/SwordLibrary.h"
#include "support/BenchSupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// One verse as the WEB module stores it: Strong's numbers on every word and a footnote.
const QString kVerse = QStringLiteral(
    "<q marker=\"\"><w lemma=\"strong:G1161\">But</w> <w lemma=\"strong:G1473\">I</w> "
    "<w lemma=\"strong:G3004\">tell</w> <w lemma=\"strong:G5210\">you</w>, <w "
    "lemma=\"strong:G0025\">love</w> <w lemma=\"strong:G0025\">your</w> <w "
    "lemma=\"strong:G2190\">enemies</w>,<note placement=\"foot\"><reference "
    "type=\"annotateRef\">5:44 </reference>NU omits “bless those who curse you”</note> bless "
    "<w lemma=\"strong:G3588\">those</w> <w lemma=\"strong:G3588\">who</w> curse <w "
    "lemma=\"strong:G5210\">you</w>, </q>");

void PlainVerses(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(import::PlainVerseText(kVerse));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlainVerses);

// The whole sample store from the installed SWORD modules with every reference check (goal:
// under 10 s), without the pictures, which need a GUI application. PeakMB is the importer's
// peak memory.
void SampleStore(benchmark::State& state) {
    const import::SwordLibrary library;
    for (auto _ : state) {
        QTemporaryDir out;
        const import::ImportSummary summary =
            import::Importer(library,
                             import::SampleOptions(QStringLiteral(VERMARA_DATA_DIR), out.path()))
                .run();
        state.counters["MB"] = double(summary.bytes) / (1024.0 * 1024.0);
    }
    state.counters["PeakMB"] = bench::ProcStatusMegabytes("VmHWM");
}
BENCHMARK(SampleStore)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv);
}
