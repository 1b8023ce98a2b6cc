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

// What main() prepares for the windows: no window reaches for globals.
struct AppContext {
    platform::Dialogs& dialogs;
    platform::SettingsStore& settingsStore;
    ReaderSettings settings;
    QString programFolder;
    QString dataPath;
    QString dataFolder;                  // the DataLocation caption
    std::unique_ptr<store::Store> store; // null when the store could not be opened
    std::function<void()> closeSplash;   // set while a splash window is up

    AppContext(platform::Dialogs& d, platform::SettingsStore& s, const QString& folder);
    ~AppContext();
};

} // namespace reader
