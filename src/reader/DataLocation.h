#pragma once

#include <QString>
#include <functional>

namespace platform {
class Dialogs;
}

namespace reader {

// Program folder joined with the data file name.
QString DefaultDataPath(const QString& programFolder);

// The folder browser's answer up to its first NUL character, if it has one.
QString CutAtNul(const QString& folder);

// The stored path when a file exists there; otherwise the folder the user picks joined
// with the data file name ("/VERMARA2000.DAT" when cancelled). beforeBrowse runs before
// the browser opens (the reader hides its splash window there).
QString ResolveDataPath(const QString& storedPath, platform::Dialogs& dialogs,
                        const std::function<void()>& beforeBrowse = {});

// The data path with every occurrence of the data file name removed: the data folder.
QString DataLocationCaption(const QString& dataPath);

// "Data Vermaratidak ditemukan ..." shown when no store is at the data path.
QString MissingDataMessage(const QString& dataPath);

} // namespace reader
