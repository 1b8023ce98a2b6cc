#include "reader/StoreLocation.h"

#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/ProductName.h"
#include "reader/DataLocation.h"
#include "reader/ReaderSettings.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "store/StoreError.h"
#include "store/VersionChoice.h"

#include <QFileInfo>

namespace reader {

namespace {

QString CommandLineDataPath(const QString& path) {
    return QFileInfo(path).isDir() ? platform::JoinPath(path, store::kDataFileName) : path;
}

QString NoVersionMessage(const QString& dataPath) {
    return QStringLiteral("Database %1 tidak memiliki versi Alkitab yang dapat ditampilkan: "
                          "daftar versi (tabel UsysVersi) kosong atau isinya rusak.\r\nSalin "
                          "kembali VERMARA2000.DAT dari media instalasi atau buat lagi dengan "
                          "versipack, lalu jalankan kembali program.")
        .arg(dataPath);
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
    const auto explain = [&](const QString& message) {
        if (beforeMessage)
            beforeMessage();
        dialogs.message(message, platform::MessageButtons::Ok, platform::MessageIcon::Critical,
                        platform::kProductName);
    };
    std::unique_ptr<store::Store> opened;
    try {
        opened = store::Store::Open(dataPath);
    } catch (const store::StoreError& error) {
        explain(error.message());
        return nullptr;
    }
    // Without a version to show the window would stay blank without a word.
    if (store::ChooseVersions(opened->versions(), 0, 0).activeColumn.isEmpty())
        explain(NoVersionMessage(dataPath));
    return opened;
}

} // namespace reader
