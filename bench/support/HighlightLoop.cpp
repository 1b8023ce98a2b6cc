#include "support/HighlightLoop.h"

#include "results/HighlightWord.h"
#include "search/StopToken.h"
#include "support/BenchSupport.h"

#include <QApplication>
#include <QTextEdit>

namespace bench {

int HighlightLoop(benchmark::State& state, const QString& text, const QString& word) {
    QTextEdit view;
    view.resize(800, 600);
    view.show();
    search::StopToken stop;
    int marked = 0;
    for (auto _ : state) {
        state.PauseTiming();
        view.setPlainText(text);
        QApplication::processEvents();
        state.ResumeTiming();
        marked = results::HighlightWord(view, word, true, &stop, Qt::blue,
                                        [] { QApplication::processEvents(); });
        QApplication::processEvents();
    }
    return marked;
}

int RunWidgetBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}

} // namespace bench
