// Saving a list of 1,000 bookmarks to its file and reading it back.
#include "bookmarks/BookmarkList.h"
#include "support/BenchSupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kCount = 1000;

bookmarks::BookmarkList FilledList(const QString& folder) {
    bookmarks::BookmarkList list(folder, folder);
    for (int i = 0; i < kCount; ++i) {
        list.add({QStringLiteral("Catatan ke-%1 tentang kasih, iman dan pengharapan").arg(i),
                  QStringLiteral("Kitab%1~~~~World English Bible").arg(i % 3 + 1),
                  QStringLiteral("Mazmur#%1:%2").arg(i % 150 + 1).arg(i % 176 + 1)});
    }
    return list;
}

void BM_SaveThousandBookmarks(benchmark::State& state) {
    QTemporaryDir dir;
    bookmarks::BookmarkList list = FilledList(dir.path());
    for (auto _ : state) {
        // Each save takes the lock and reads the file again before it writes the list.
        if (list.SaveBookmarks_to_File() != bookmarks::BookmarkList::SaveResult::Saved)
            state.SkipWithError("the bookmark file could not be written");
    }
}
BENCHMARK(BM_SaveThousandBookmarks)->Unit(benchmark::kMillisecond);

void BM_ReadThousandBookmarksBack(benchmark::State& state) {
    QTemporaryDir dir;
    bookmarks::BookmarkList saved = FilledList(dir.path());
    saved.SaveBookmarks_to_File();
    bookmarks::BookmarkList read(dir.path(), dir.path());
    for (auto _ : state)
        read.RetrieveBookmarks();
    if (read.items() != saved.items())
        state.SkipWithError("the bookmarks read back differ from those saved");
}
BENCHMARK(BM_ReadThousandBookmarksBack)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv);
}
