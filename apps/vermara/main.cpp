#include "platform/Folders.h"
#include "platform/QtDialogs.h"
#include "platform/QtTranslation.h"
#include "platform/SettingsStore.h"
#include "reader/AppContext.h"
#include "reader/BookmarkCommands.h"
#include "reader/ClipBookCommands.h"
#include "reader/FindCommands.h"
#include "reader/FrameViews.h"
#include "reader/MainWindow.h"
#include "reader/SearchCommands.h"
#include "reader/Startup.h"
#include "search/CommandLineSearch.h"
#include "store/Store.h"
#include "study/StudyCommands.h"
#include "study/StudyWindows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

// --screenshot: saves the main window once the first chapter is shown, prints the file's
// path and ends the program (for documentation and head-less checks).
void TakeScreenshotWhenShown(reader::MainWindow& window, const QString& file, bool parallel,
                             bool textOnly) {
    QObject::connect(&window, &reader::MainWindow::firstChapterShown, &window,
                     [&window, file, parallel, textOnly] {
                         if (parallel && window.state().showNext)
                             window.toggleParallel();
                         if (textOnly)
                             window.frameViews().toggleTextOnly();
                         QTimer::singleShot(300, &window, [&window, file] {
                             const bool saved = window.grab().save(file);
                             std::printf("%s\n", qPrintable(QFileInfo(file).absoluteFilePath()));
                             QApplication::exit(saved ? 0 : 1);
                         });
                     });
}

} // namespace

int main(int argc, char** argv) {
    if (search::IsCommandLineSearch(argc, argv))
        return search::RunCommandLineSearch(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Data file or folder to open."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the main window as PNG and quit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption parallel(
        QStringLiteral("parallel"), QStringLiteral("With --screenshot: show the parallel panel."));
    const QCommandLineOption textOnly(QStringLiteral("text-only"),
                                      QStringLiteral("With --screenshot: the text-only view."));
    parser.addOptions({data, screenshot, parallel, textOnly});
    {
        // Options that need no window are answered before a display is opened.
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Vermara"));
        parser.process(core);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vermara"));
    platform::InstallIndonesianQtTranslation(app);
    platform::QtDialogs dialogs;
    platform::SettingsStore settings(platform::SettingsStore::DefaultFilePath());
    reader::AppContext context(dialogs, settings, platform::ProgramFolder());
    reader::Startup startup(context);
    startup.showSplash();
    if (!startup.openStore(parser.value(data)))
        return 1;

    reader::MainWindow window(context);
    dialogs.setParentWidget(&window);
    std::unique_ptr<reader::SearchCommands> search;
    std::unique_ptr<study::StudyWindows> studies;
    if (context.store) {
        search = std::make_unique<reader::SearchCommands>(window, *context.store, dialogs);
        studies = std::make_unique<study::StudyWindows>(
            study::StudyContext{*context.store,
                                dialogs,
                                context.dataFolder,
                                context.programFolder,
                                {},
                                window.findChild<QWidget*>(QStringLiteral("picStatusBar"))});
        auto* clipBook = new reader::ClipBookCommands(window, *search);
        new study::StudyCommands(window, *studies, *search, *clipBook);
        new reader::BookmarkCommands(window, dialogs);
        new reader::FindCommands(window, *context.store, dialogs);
    }
    if (parser.isSet(screenshot))
        TakeScreenshotWhenShown(window, parser.value(screenshot), parser.isSet(parallel),
                                parser.isSet(textOnly));
    window.show();
    return QApplication::exec();
}
