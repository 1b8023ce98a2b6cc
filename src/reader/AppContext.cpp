#include "reader/AppContext.h"

#include "store/Store.h"

namespace reader {

AppContext::AppContext(platform::Dialogs& d, platform::SettingsStore& s, const QString& folder)
    : dialogs(d), settingsStore(s), settings(s, folder), programFolder(folder) {}

AppContext::~AppContext() = default;

} // namespace reader
