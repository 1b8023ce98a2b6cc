// The pericope index of Mazmur and the cross-reference menu of its longest chapter, as the
// reader opens them on the sample store (VERMARA_SAMPLE, or build/bin), offscreen.
#include "platform/ScriptedDialogs.h"
#include "reader/CrossReferenceMenu.h"
#include "reader/CrossReferences.h"
#include "reader/MainMenus.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "reader/ReaderApp.h"
#include "store/Records.h"
#include "store/Store.h"
#include "study/PericopeWindow.h"
#include "support/BenchSupport.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

constexpr int kMazmur = 18; // list position in the Old Testament

// The main window on the sample store, shown, at Mazmur 119.
struct Reader {
    QTemporaryDir dir;
    platform::ScriptedDialogs dialogs;
    reader::ReaderApp app{dialogs,
                          dir.filePath(QStringLiteral("settings.ini")),
                          {dir.path(), dir.path(), dir.path(), dir.path()}};
    reader::AppContext& context = app.context();
    reader::MainWindow* window = nullptr;

    explicit Reader(const QString& path) {
        app.start(path);
        window = &app.window();
        QEventLoop loop;
        QObject::connect(window, &reader::MainWindow::firstChapterShown, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        window->show();
        loop.exec();
        window->navigator().chooseTestament(true);
        window->navigator().chooseBook(kMazmur);
        window->navigator().chooseChapter(119);
    }
};

// The chapter of the store with the most cross references, shown in the main window.
int ShowLongestReferenceChapter(Reader& reader) {
    int most = 0;
    QString book;
    int chapter = 0;
    for (const store::BookRow& row : reader.context.store->books()) {
        for (int c = 1; c <= row.jumlahBuku; ++c) {
            const int items = int(reader::CrossReferenceCaptions(row.referensi, c).size());
            if (items > most) {
                most = items;
                book = row.name(QStringLiteral("Kitab1"));
                chapter = c;
            }
        }
    }
    reader.window->navigator().goTo(book, chapter);
    return most;
}

void BM_CrossReferenceMenuLongestChapter(benchmark::State& state) {
    const QString path = bench::SamplePath();
    if (path.isEmpty()) {
        state.SkipWithError("sample store not found");
        return;
    }
    Reader reader(path);
    ShowLongestReferenceChapter(reader);
    QMenu* refs = reader.window->menus().menuRef();
    for (auto _ : state) {
        reader.window->crossReferences().BuildCrossReferenceMenu();
        benchmark::DoNotOptimize(refs->sizeHint());
    }
    state.counters["items"] = double(refs->actions().size());
    state.counters["chapter"] = reader.window->navigator().chapter();
}

// Mazmur 119 with an entry for each of its 176 verses, more than any store here holds.
void BM_CrossReferenceMenu176Items(benchmark::State& state) {
    const QString path = bench::SamplePath();
    if (path.isEmpty()) {
        state.SkipWithError("sample store not found");
        return;
    }
    Reader reader(path);
    QString line = QStringLiteral("#119#");
    for (int verse = 1; verse <= 176; ++verse)
        line += QStringLiteral("@119:%1 Ulangan 6:6,Yosua 1:8,Mazmur 1:2").arg(verse);
    QMenu* refs = reader.window->menus().menuRef();
    for (auto _ : state) {
        reader.window->crossReferences().build(QStringLiteral("Mazmur"), 119, line);
        benchmark::DoNotOptimize(refs->sizeHint());
    }
    state.counters["items"] = double(refs->actions().size());
}

// Opening the index beside the main window: the list filled from Mazmur's Perikop text.
void BM_PericopeIndexMazmur(benchmark::State& state) {
    const QString path = bench::SamplePath();
    if (path.isEmpty()) {
        state.SkipWithError("sample store not found");
        return;
    }
    Reader reader(path);
    const QString folder = QFileInfo(path).absolutePath() + u'/';
    const study::StudyContext context{
        *reader.context.store, reader.dialogs, folder, folder, {}, nullptr};
    study::PericopeWindow form12(context, reader.window->navigator(), reader.window->sideWindows());
    for (auto _ : state) {
        form12.openBeside();
        QApplication::processEvents();
        state.PauseTiming();
        form12.hide();
        state.ResumeTiming();
    }
    state.counters["entries"] = double(form12.list()->count());
}

} // namespace

BENCHMARK(BM_CrossReferenceMenuLongestChapter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrossReferenceMenu176Items)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PericopeIndexMazmur)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv);
}
