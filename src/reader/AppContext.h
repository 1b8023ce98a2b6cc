#pragma once

#include "reader/ReaderSettings.h"

#include <QString>
#include <functional>
#include <memory>

namespace platform {
class Dialogs;
class SettingsStore;
} // namespace platform
namespace store {
class Store;
}

namespace reader {

// Where a run of the reader keeps its files; tests and benchmarks give their own.
struct ReaderFolders {
    QString programFolder;
    QString tempFolder;     // results files
    QString userDataFolder; // the bookmark file
    QString legacyFolder;   // where an earlier version kept the bookmark file
};

// What the composition prepares for the windows: no window reaches for globals.
struct AppContext {
    platform::Dialogs& dialogs;
    platform::SettingsStore& settingsStore;
    ReaderSettings settings;
    QString programFolder;
    QString tempFolder;
    QString userDataFolder;
    QString legacyFolder;
    QString dataPath;
    QString dataFolder;                  // the DataLocation caption
    std::unique_ptr<store::Store> store; // null when the store could not be opened
    std::function<void()> closeSplash;   // set while a splash window is up

    AppContext(platform::Dialogs& d, platform::SettingsStore& s, const ReaderFolders& folders);
    ~AppContext();
};

} // namespace reader
