#include "platform/AnsiCodePage.h"
#include "platform/SettingsStore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using platform::SettingsStore;

namespace {

constexpr int kKeys = 20000;
const QString kApp = QStringLiteral("6656");

// A settings file that other programs have filled: one section with many keys, then the
// reader's own sections at its end, where a search from the front finds them last.
QString LargeSettingsFile() {
    QString text = QStringLiteral("[Lain\\Daftar]\n");
    for (int i = 0; i < kKeys; ++i)
        text += QStringLiteral("Kunci%1=Nilai %1\n").arg(i);
    text += QStringLiteral("[6656\\Opsi]\nLocation=/data/VERMARA2000.DAT\nsaveset=1\nTip=0\n"
                           "[6656\\font]\nsize=10\nname=Times New Roman\n"
                           "[6656\\kitab]\naktif1=1\naktif2=2\nperj=1\nbuku=0\npasal=0\n");
    return text;
}

// What the reader does with its settings from start to the first chapter: about thirty
// reads, then the location and the installation marker written.
void BM_StartWithLargeSettingsFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vermara.ini"));
    platform::WriteTextFile(path, LargeSettingsFile());
    const char* opsi[] = {"saveset", "Tip",  "flush",   "sbar",       "tbar",  "bbar",
                          "klist",   "pbar", "optimal", "splitIntro", "Etika", "Location"};
    const char* kitab[] = {"aktif1", "aktif2", "perj", "buku", "pasal", "padanan"};
    for (auto _ : state) {
        SettingsStore settings(path);
        for (const char* key : opsi)
            benchmark::DoNotOptimize(settings.get(kApp, QStringLiteral("Opsi"), key));
        for (const char* key : kitab)
            benchmark::DoNotOptimize(settings.get(kApp, QStringLiteral("kitab"), key));
        benchmark::DoNotOptimize(
            settings.get(kApp, QStringLiteral("font"), QStringLiteral("size")));
        benchmark::DoNotOptimize(
            settings.get(kApp, QStringLiteral("font"), QStringLiteral("name")));
        settings.set(kApp, QStringLiteral("Opsi"), QStringLiteral("Location"),
                     QStringLiteral("/data/VERMARA2000.DAT"));
        settings.set(QStringLiteral("VR2000"), QStringLiteral("CDInstall"),
                     QStringLiteral("Installed"), QStringLiteral("yes"));
    }
}
BENCHMARK(BM_StartWithLargeSettingsFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
