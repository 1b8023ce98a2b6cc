#include "reader/StoreLocation.h"

#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/ProductName.h"
#include "reader/DataLocation.h"
#include "reader/ReaderSettings.h"
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
        const QString stored = settings.location(DefaultDataPath(programFolder));
        location.dataPath = ResolveDataPath(stored, dialogs, beforeBrowse);
    }
    location.dataFolder = DataLocationCaption(location.dataPath);
    location.found = QFileInfo(location.dataPath).isFile();
    if (!location.found) {
        if (beforeBrowse)
            beforeBrowse();
        dialogs.message(MissingDataMessage(location.dataPath), platform::MessageButtons::Ok,
                        platform::MessageIcon::None, platform::kProductName);
    } else if (commandLinePath.isEmpty()) {
        settings.setLocation(location.dataPath);
    }
    return location;
}

std::unique_ptr<store::Store> OpenStoreOrExplain(const QString& dataPath,
                                                 platform::Dialogs& dialogs,
                                                 const std::function<void()>& beforeMessage) {
    try {
        return store::Store::Open(dataPath);
    } catch (const store::StoreError& error) {
        if (beforeMessage)
            beforeMessage();
        dialogs.message(error.message(), platform::MessageButtons::Ok,
                        platform::MessageIcon::Critical, platform::kProductName);
        return nullptr;
    }
}

} // namespace reader
