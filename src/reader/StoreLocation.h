#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace platform {
class Dialogs;
}
namespace store {
class Store;
}

namespace reader {

class ReaderSettings;

struct StoreLocation {
    QString dataPath;   // full path of the data file
    QString dataFolder; // DataLocation: the data path without the data file name
    bool found = false;
};

// Finds the data file: the --data path when given (a folder or the file itself, "Location"
// untouched), else "Location" or the default beside the program, asking for a folder when no
// file is there. Without a file it shows the missing-data message; the program must end.
// beforeBrowse runs before the folder browser or that message opens.
StoreLocation LocateStore(ReaderSettings& settings, platform::Dialogs& dialogs,
                          const QString& programFolder, const QString& commandLinePath,
                          const std::function<void()>& beforeBrowse = {});

// Opens the store; when it cannot be used, says which file and why and returns null, so the
// main window opens with what was prepared. A store whose catalogue offers no version is
// kept, with a message that says so. beforeMessage runs before a message shows.
std::unique_ptr<store::Store> OpenStoreOrExplain(const QString& dataPath,
                                                 platform::Dialogs& dialogs,
                                                 const std::function<void()>& beforeMessage = {});

} // namespace reader
