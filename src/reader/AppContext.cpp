#include "reader/AppContext.h"

#include "store/Store.h"

namespace reader {

AppContext::AppContext(platform::Dialogs& d, platform::SettingsStore& s,
                       const ReaderFolders& folders)
    : dialogs(d), settingsStore(s), settings(s, folders.programFolder),
      programFolder(folders.programFolder), tempFolder(folders.tempFolder),
      userDataFolder(folders.userDataFolder), legacyFolder(folders.legacyFolder) {}

AppContext::~AppContext() = default;

} // namespace reader
