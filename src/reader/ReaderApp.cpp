#include "reader/ReaderApp.h"

#include "platform/Folders.h"
#include "reader/BookmarkCommands.h"
#include "reader/ClipBookCommands.h"
#include "reader/CommentaryCommands.h"
#include "reader/FindCommands.h"
#include "reader/FrameViews.h"
#include "reader/MainWindow.h"
#include "reader/ReaderCommandLine.h"
#include "reader/SearchCommands.h"
#include "reader/Startup.h"
#include "store/Store.h"
#include "study/StudyCommands.h"
#include "study/StudyWindows.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

namespace reader {

ReaderApp::ReaderApp(platform::Dialogs& dialogs, const QString& settingsFile,
                     const ReaderFolders& folders)
    : settings_(settingsFile), context_(dialogs, settings_, folders) {}

ReaderApp::~ReaderApp() = default;

QString ReaderApp::UserSettingsFile() {
    return platform::SettingsStore::DefaultFilePath();
}

ReaderFolders ReaderApp::UserFolders() {
    // Results files in a folder of the user's own: in the shared one anybody could leave a
    // file that "Pencarian Optimal" would show as this user's results.
    return {platform::ProgramFolder(), platform::PrivateTempFolder(platform::GetTempFolder()),
            platform::UserDataFolder(), platform::GetTempFolder()};
}

bool ReaderApp::start(const QString& commandLinePath) {
    startup_ = std::make_unique<Startup>(context_);
    startup_->showSplash();
    if (!startup_->openStore(commandLinePath))
        return false;
    models_ = std::make_unique<ReaderModels>(context_.store.get());
    window_ = std::make_unique<MainWindow>(context_, *models_);
    if (context_.store)
        buildCommands();
    connect(window_.get(), &MainWindow::closed, this, &ReaderApp::shutDown);
    return true;
}

void ReaderApp::buildCommands() {
    MainWindow& window = *window_;
    search_ = new SearchCommands(window, context_);
    studies_ = std::make_unique<study::StudyWindows>(study::StudyContext{
        *context_.store, context_.dialogs, context_.dataFolder, context_.programFolder,
        &models_->look, window.findChild<QWidget*>(QStringLiteral("picStatusBar"))});
    clipBook_ = new ClipBookCommands(window, *search_);
    studyCommands_ = new study::StudyCommands(window, *studies_, *search_, *clipBook_);
    bookmarks_ = new BookmarkCommands(window, context_);
    find_ = new FindCommands(window, *context_.store, context_.dialogs);
    commentary_ = new CommentaryCommands(window, *context_.store);
}

void ReaderApp::shutDown() {
    if (bookmarks_)
        bookmarks_->saveBookmarks();
    // The results, study and bookmark windows end with the main window; once it is hidden
    // too, no window is left and Qt ends the event loop.
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window_.get())
            other->hide();
    }
    emit finished();
}

void ReaderApp::screenshotWhenShown(const ReaderCommandLine& options) {
    MainWindow& window = *window_;
    connect(&window, &MainWindow::firstChapterShown, &window, [&window, options] {
        if (options.parallel && window.state().showNext)
            window.toggleParallel();
        if (options.textOnly)
            window.frameViews().toggleTextOnly();
        QTimer::singleShot(300, &window, [&window, file = options.screenshot] {
            const bool saved = window.grab().save(file);
            std::printf("%s\n", qPrintable(QFileInfo(file).absoluteFilePath()));
            QApplication::exit(saved ? 0 : 1);
        });
    });
}

} // namespace reader
