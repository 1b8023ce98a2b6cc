#pragma once

#include "platform/SettingsStore.h"
#include "reader/AppContext.h"

#include <QObject>
#include <memory>

namespace platform {
class Dialogs;
}
namespace study {
class StudyCommands;
class StudyWindows;
} // namespace study

namespace reader {

class BookmarkCommands;
class ClipBookCommands;
class CommentaryCommands;
class FindCommands;
class MainWindow;
class SearchCommands;
class Startup;
struct ReaderCommandLine;
struct ReaderModels;

// The reader as one program: the application context, the models, the main window and every
// command object, built and owned in one place. main() and the end-to-end tests run the same
// composition; only the dialogs, the settings file and the folders differ.
class ReaderApp : public QObject {
    Q_OBJECT
public:
    ReaderApp(platform::Dialogs& dialogs, const QString& settingsFile,
              const ReaderFolders& folders);
    ~ReaderApp() override;

    // The user's own settings file and folders.
    static QString UserSettingsFile();
    static ReaderFolders UserFolders();

    AppContext& context() { return context_; }
    // The splash, the data file and the store, then the windows; false when no data file was
    // found (the program must end). The main window is shown by the caller.
    bool start(const QString& commandLinePath);
    // --screenshot: the main window saved once the first chapter is shown, then the end.
    void screenshotWhenShown(const ReaderCommandLine& options);

    MainWindow& window() { return *window_; }
    ReaderModels& models() { return *models_; }
    // Null while no store is open.
    SearchCommands* search() const { return search_; }
    ClipBookCommands* clipBook() const { return clipBook_; }
    BookmarkCommands* bookmarks() const { return bookmarks_; }
    FindCommands* find() const { return find_; }
    CommentaryCommands* commentary() const { return commentary_; }
    study::StudyWindows* studies() const { return studies_.get(); }
    study::StudyCommands* studyCommands() const { return studyCommands_; }

signals:
    // The main window is closing: the settings and the bookmarks were saved and every other
    // window is gone, so the event loop ends with it.
    void finished();

private:
    void buildCommands();
    void shutDown();

    platform::SettingsStore settings_;
    AppContext context_;
    std::unique_ptr<Startup> startup_;
    std::unique_ptr<ReaderModels> models_;
    std::unique_ptr<study::StudyWindows> studies_;
    std::unique_ptr<MainWindow> window_;
    // Children of the main window, which ends their lives.
    SearchCommands* search_ = nullptr;
    ClipBookCommands* clipBook_ = nullptr;
    BookmarkCommands* bookmarks_ = nullptr;
    FindCommands* find_ = nullptr;
    CommentaryCommands* commentary_ = nullptr;
    study::StudyCommands* studyCommands_ = nullptr;
};

} // namespace reader
