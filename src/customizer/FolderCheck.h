#pragma once

#include <QString>

namespace customizer {

struct FolderCheck {
    QString message;               // empty when the folders may be used
    bool focusDestination = false; // the destination box should get the focus
    bool ok() const { return message.isEmpty(); }
};

// Folders count as the same when they match with every "/" removed, blanks trimmed and
// case ignored, or when both resolve to one real folder.
bool SameFolder(const QString& a, const QString& b);

// The first page's checks, in order: the same folder, an empty folder, no store in the
// source folder.
FolderCheck CheckFolders(const QString& source, const QString& destination);

// The source store's path: folder + "/" (unless already there) + VERMARA2000.DAT.
QString SourceStorePath(const QString& sourceFolder);

} // namespace customizer
