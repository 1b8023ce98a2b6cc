// Customizing the sample store (VERMARA_SAMPLE or build/bin/VERMARA2000.DAT): every version and
// module, and the first version with one more and no module. Peak memory is the process's.
#include "customizer/CustomBuild.h"
#include "customizer/SourceCatalogue.h"
#include "platform/ScriptedDialogs.h"
#include "store/Store.h"
#include "support/BenchSupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The wizard's whole work after "Lanjut" on the first page: the catalogue, then the build.
void Customize(benchmark::State& state, bool everything) {
    const QString sample = bench::SamplePath();
    if (sample.isEmpty()) {
        state.SkipWithError("no sample store: run build/bin/vermara-import --out build/bin");
        return;
    }
    for (auto _ : state) {
        QTemporaryDir destination;
        customizer::SourceCatalogue source = customizer::LoadSourceCatalogue(sample);
        if (everything) {
            source.lists.chooseAllVersions();
            source.lists.chooseAllModules();
        } else {
            source.lists.chooseVersion(0);
        }
        platform::ScriptedDialogs dialogs;
        customizer::CustomBuild build(
            {sample, destination.path(),
             customizer::ChosenColumns(source.store->versions(), source.lists.chosenVersions()),
             source.lists.chosenModules()},
            dialogs);
        if (build.BuildCustomStore().status != customizer::BuildStatus::Finished) {
            state.SkipWithError("the build failed");
            return;
        }
        state.counters["versions"] = double(source.lists.chosenVersions().size());
        state.counters["modules"] = double(source.lists.chosenModules().size());
    }
    state.counters["peak_MB"] = bench::ProcStatusMegabytes("VmHWM");
}

void BM_CustomizeEverything(benchmark::State& state) {
    Customize(state, true);
}

void BM_CustomizeOneMoreVersion(benchmark::State& state) {
    Customize(state, false);
}

} // namespace

BENCHMARK(BM_CustomizeEverything)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CustomizeOneMoreVersion)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv);
}
