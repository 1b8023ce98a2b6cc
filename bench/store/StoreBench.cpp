#include "store/Schema.h"
#include "store/Store.h"
#include "store/StoreWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace store;

namespace {

constexpr int kBooks = 66;
constexpr int kChaptersPerBook = 18; // 66 * 18 + 1 = 1,189 rows
constexpr int kVersions = 3;
constexpr int kChapterChars = 3800; // ~4.5 MB per version over 1,189 chapters

QString ChapterText(int chapter, int version) {
    QStringList lines;
    int chars = 0;
    for (int verse = 1; chars < kChapterChars; ++verse) {
        const QString line = QStringLiteral("%1:%2 Versi %3 ayat yang cukup panjang untuk "
                                            "menyerupai teks Alkitab yang sebenarnya, %4.")
                                 .arg(chapter)
                                 .arg(verse)
                                 .arg(version)
                                 .arg(verse * 7);
        chars += int(line.size()) + 2;
        lines << line;
    }
    return lines.join(QStringLiteral("\r\n"));
}

void WriteChapters(StoreWriter& w) {
    int urutan = 0;
    for (int book = 1; book <= kBooks; ++book) {
        const int chapters = kChaptersPerBook + (book == kBooks ? 1 : 0);
        for (int chapter = 1; chapter <= chapters; ++chapter) {
            ++urutan;
            StoreWriter::Row row{
                {"id", urutan},
                {"Perjanjian", book <= 39 ? QStringLiteral("Lama") : QStringLiteral("Baru")},
                {"Urutan", urutan},
                {"Buku", QStringLiteral("Kitab %1").arg(book)},
                {"Bab", chapter},
                {"Ayat", 30}};
            for (int v = 1; v <= kVersions; ++v)
                row.push_back({VersionColumn(v), ChapterText(chapter, v)});
            w.insert(QStringLiteral("UsysAlkitab"), row);
        }
    }
}

void WriteCatalogue(StoreWriter& w) {
    for (int book = 1; book <= kBooks; ++book) {
        w.insert(QStringLiteral("UsysKitab"),
                 {{"Urutan", book},
                  {"Perjanjian", book <= 39 ? QStringLiteral("Lama") : QStringLiteral("Baru")},
                  {"JumlahBuku", kChaptersPerBook},
                  {"Intro", QString(2000, QLatin1Char('i'))},
                  {"Referensi", QString(8000, QLatin1Char('r'))},
                  {"Perikop", QString(3000, QLatin1Char('p'))},
                  {"Kitab1", QStringLiteral("Kitab %1").arg(book)},
                  {"Kitab2", QStringLiteral("Book %1").arg(book)},
                  {"Kitab3", QStringLiteral("Libro %1").arg(book)}});
    }
    for (int v = 1; v <= kVersions; ++v) {
        w.insert(QStringLiteral("UsysVersi"), {{"nr", v},
                                               {"NamaVersi", QStringLiteral("Versi %1").arg(v)},
                                               {"NamaTabel", VersionColumn(v)},
                                               {"Aktif", 1},
                                               {"Lama", 1},
                                               {"Baru", 1}});
    }
    const QStringList modules{"Perikop", "Pengantar",  "Perumpamaan",     "Peta",       "Kamus",
                              "Nubuat",  "Commentary", "Deuterokanonika", "Keterangan", "Tematik"};
    for (int i = 0; i < modules.size(); ++i)
        w.insert(QStringLiteral("UsysMenu"),
                 {{"id", i + 1}, {"NamaMenu", modules[i]}, {"Aktif", 1}});
    for (int i = 0; i < 40; ++i) {
        w.insert(QStringLiteral("UsysUmpama"), {{"Urutan", i},
                                                {"Perumpamaan", QStringLiteral("P%1").arg(i)},
                                                {"Matius", QStringLiteral("Kitab 40#1:1-3")}});
        w.insert(QStringLiteral("UsysNubuat"), {{"Urutan", i},
                                                {"Nubuat", QStringLiteral("N%1").arg(i)},
                                                {"Lama", QStringLiteral("Kitab 1#1:1")},
                                                {"Baru", QStringLiteral("Kitab 40#1:1")}});
    }
    for (int i = 0; i < 2000; ++i) {
        w.insert(QStringLiteral("UsysKamus"), {{"Entri", QStringLiteral("Entri %1").arg(i)},
                                               {"Penjelasan", QString(600, QLatin1Char('k'))}});
    }
}

// One full-size store per run, shared by the benchmarks.
const QString& StorePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = QDir(dir.path()).filePath(kDataFileName);
        CreateDefaultDB(p);
        StoreWriter w(p);
        w.begin();
        WriteChapters(w);
        WriteCatalogue(w);
        w.commit();
        return p;
    }();
    return path;
}

void BM_OpenStoreWithAllRecordSets(benchmark::State& state) {
    const QString path = StorePath();
    for (auto _ : state) {
        auto store = Store::Open(path);
        benchmark::DoNotOptimize(store->books().size());
    }
    state.counters["file_MB"] = double(QFile(path).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_OpenStoreWithAllRecordSets)->Unit(benchmark::kMillisecond);

// Opening plus the first use of the record sets that are read lazily.
void BM_OpenStoreAndReadLazyRecordSets(benchmark::State& state) {
    const QString path = StorePath();
    for (auto _ : state) {
        auto store = Store::Open(path);
        benchmark::DoNotOptimize(store->dictionary().size() + store->deuterocanon().size() +
                                 store->thematic().size());
    }
}
BENCHMARK(BM_OpenStoreAndReadLazyRecordSets)->Unit(benchmark::kMillisecond);

void BM_FetchOneChapterText(benchmark::State& state) {
    auto store = Store::Open(StorePath());
    int index = 0;
    for (auto _ : state) {
        index = (index + 97) % int(store->chapters().size());
        benchmark::DoNotOptimize(store->chapterText(index, QStringLiteral("Kitab2")).size());
    }
}
BENCHMARK(BM_FetchOneChapterText)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    StorePath();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
