#include "reader/StoreLocation.h"

#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "reader/ReaderSettings.h"
#include "store/DataLocation.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "store/StoreError.h"

#include <QFileInfo>

namespace reader {

namespace {

QString CommandLineDataPath(const QString& path) {
    return QFileInfo(path).isDir() ? platform::JoinPath(path, store::kDataFileName) : path;
}

} // namespace

StoreLocation LocateStore(ReaderSettings& settings, platform::Dialogs& dialogs,
                          const QString& programFolder, const QString& commandLinePath,
                          const std::function<void()>& beforeBrowse) {
    StoreLocation location;
    if (!commandLinePath.isEmpty()) {
        location.dataPath = CommandLineDataPath(commandLinePath);
    } else {
        const QString stored = settings.location(store::DefaultDataPath(programFolder));
        location.dataPath = store::ResolveDataPath(stored, dialogs, beforeBrowse);
    }
    location.dataFolder = store::DataLocationCaption(location.dataPath);
    location.found = QFileInfo(location.dataPath).isFile();
    if (!location.found) {
        dialogs.message(store::MissingDataMessage(location.dataPath), platform::MessageButtons::Ok,
                        platform::MessageIcon::None, store::kProductName);
    } else if (commandLinePath.isEmpty()) {
        settings.setLocation(location.dataPath);
    }
    return location;
}

std::unique_ptr<store::Store> OpenStoreOrExplain(const QString& dataPath,
                                                 platform::Dialogs& dialogs) {
    try {
        return store::Store::Open(dataPath);
    } catch (const store::StoreError& error) {
        dialogs.message(error.message(), platform::MessageButtons::Ok,
                        platform::MessageIcon::Critical, store::kProductName);
        return nullptr;
    }
}

} // namespace reader
