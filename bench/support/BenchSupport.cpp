#include "support/BenchSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <benchmark/benchmark.h>

namespace bench {

QString SamplePath() {
    const QString candidates[] = {qEnvironmentVariable("VERMARA_SAMPLE"),
                                  QCoreApplication::applicationDirPath() +
                                      QStringLiteral("/../../bin/VERMARA2000.DAT")};
    for (const QString& path : candidates) {
        if (!path.isEmpty() && QFileInfo(path).isFile())
            return path;
    }
    return {};
}

double ProcStatusMegabytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return 0;
}

int RunBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
