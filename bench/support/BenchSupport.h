#pragma once

#include <QString>

namespace bench {

// The sample store: $VERMARA_SAMPLE, or the one ./run builds beside the programs in build/bin;
// empty when neither exists.
QString SamplePath();

// A memory figure of /proc/self/status in MB: "VmHWM" (peak) or "VmRSS" (now).
double ProcStatusMegabytes(const char* field);

// Runs the benchmarks the command line selects; the caller has made its application object.
int RunBenchmarks(int argc, char** argv);

} // namespace bench
