// The reference field, chapter stepping and the commentary window on the sample store
// (VERMARA_SAMPLE, build/bin or /tmp/sample), offscreen, timed inside the process.
// Goals: reference to shown chapter 5 ms, a chapter step 3 ms, opening the commentary 20 ms.
#include "platform/ScriptedDialogs.h"
#include "platform/SettingsStore.h"
#include "reader/CommentaryCommands.h"
#include "reader/CommentaryWindow.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "reader/ReaderApp.h"
#include "reader/ReadingArea.h"
#include "reader/ReferenceField.h"
#include "support/BenchSupport.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

// One reader as main() composes it, on settings that point at the sample store.
struct Reader {
    QTemporaryDir dir;
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<reader::ReaderApp> app;
    reader::MainWindow* window = nullptr;

    explicit Reader(const QString& path) {
        const QString settingsFile = dir.filePath(QStringLiteral("settings.ini"));
        {
            platform::SettingsStore settings(settingsFile);
            reader::ReaderSettings(settings, dir.path()).setLocation(path);
        }
        app = std::make_unique<reader::ReaderApp>(
            dialogs, settingsFile,
            reader::ReaderFolders{dir.path(), dir.path(), dir.path(), dir.path()});
        app->start({});
        window = &app->window();
        QEventLoop loop;
        QObject::connect(window, &reader::MainWindow::firstChapterShown, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        window->show();
        loop.exec();
    }
};

std::unique_ptr<Reader> SampleReader(benchmark::State& state) {
    const QString path = bench::SamplePath();
    if (path.isEmpty()) {
        state.SkipWithError("sample store not found");
        return nullptr;
    }
    return std::make_unique<Reader>(path);
}

// Enter in the reference field: the text read, the chapter shown and the verse or passage
// selected near the top, alternating between testaments and the longest chapter.
void BM_ReferenceFieldToChapter(benchmark::State& state) {
    const auto r = SampleReader(state);
    if (!r)
        return;
    QLineEdit* field = r->window->readingArea().referenceField()->edit();
    const QString references[] = {QStringLiteral("Mzm 119:105"), QStringLiteral("Mat 5:44"),
                                  QStringLiteral("Why 22:21"), QStringLiteral("Kej 1:1-5")};
    int i = 0;
    for (auto _ : state) {
        field->setText(references[i++ % 4]);
        emit field->returnPressed();
    }
    if (r->window->navigator().chapter() == 0)
        state.SkipWithError("no chapter shown");
}

// Ctrl+PgDn through Mazmur 1 to 150, then Ctrl+PgUp back (argument 0), or the two keys in
// turn across the longest chapter, Mazmur 119 and 120 (argument 1).
void BM_ChapterStep(benchmark::State& state) {
    const auto r = SampleReader(state);
    if (!r)
        return;
    reader::Navigator& nav = r->window->navigator();
    const bool longest = state.range(0) == 1;
    nav.goTo(QStringLiteral("Mazmur"), longest ? 119 : 1);
    bool forward = true;
    for (auto _ : state) {
        r->window->execute(forward ? reader::ReaderCommand::NextChapter
                                   : reader::ReaderCommand::PreviousChapter);
        if (longest || nav.chapter() == 150 || nav.chapter() == 1)
            forward = !forward;
    }
    if (nav.bookName() != QStringLiteral("Mazmur"))
        state.SkipWithError("stepping left Mazmur");
}

// "Tafsiran Alkitab": the window placed beside the main window with the chapter's commentary;
// it is hidden again outside the timing.
void BM_OpenCommentary(benchmark::State& state) {
    const auto r = SampleReader(state);
    if (!r)
        return;
    r->window->navigator().goTo(QStringLiteral("Mazmur"), 119);
    reader::CommentaryCommands& commentary = *r->app->commentary();
    for (auto _ : state) {
        commentary.showCommentary();
        state.PauseTiming();
        commentary.commentaryWindow().hide();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_ReferenceFieldToChapter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChapterStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCommentary)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv);
}
