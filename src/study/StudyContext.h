#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace platform {
class Dialogs;
class ReadingLook;
} // namespace platform
namespace store {
class Store;
}

namespace study {

// The reading look as the study windows take it.
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
    // The reading look; without it each window keeps its own fonts.
    const platform::ReadingLook* look = nullptr;
    // The main window's picStatusBar, whose look the windows copy; may be null.
    const QWidget* mainStatusBar = nullptr;
};

} // namespace study
