#pragma once

#include <QFont>
#include <QString>
#include <functional>

class QWidget;

namespace platform {
class Dialogs;
}
namespace store {
class Store;
}

namespace study {

// The main window's look that study windows copy when they become active.
struct StudyLook {
    QFont verseFont; // the main verse view
    QFont listFont;  // the main book list
};

// What the study windows borrow from the application: the open store, the dialogs layer,
// the data folder (the DataLocation caption) and the program's folder.
struct StudyContext {
    const store::Store& store;
    platform::Dialogs& dialogs;
    QString dataFolder;
    QString programFolder;
    // The main window's fonts; without it each window keeps its own.
    std::function<StudyLook()> look;
    // The main window's picStatusBar, whose look the windows copy; may be null.
    const QWidget* mainStatusBar = nullptr;
};

} // namespace study
