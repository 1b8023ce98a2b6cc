#pragma once

#include "import/FileMoves.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace import {

// Files and folders written under temporary names (name.tmp) in their destination folder and
// moved into place together. Before the first move a swap record in the folder names each new
// file; each name then swaps its old and new file in one step where the file system allows.
// So whenever the process stops, every name holds a complete old or new file, and recover()
// (the next run) finishes the swap, or, after a failure on the way, commit() puts the old
// files back: the folder ends with all old files or all new ones.
class StagedFiles {
public:
    explicit StagedFiles(QString folder, FileMoves moves = FileMoves());
    ~StagedFiles(); // removes whatever was staged and not committed
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // The temporary path under which to write name (a file or a folder); any leftover of an
    // earlier run there is removed first.
    QString stage(const QString& name);

    // Moves every staged name into place. Throws ImportError naming the folder when one
    // cannot be moved, after putting back the old files; if even that fails, the swap record
    // stays for recover() to finish.
    void commit();

    // Finishes a swap in folder that was interrupted, or puts back the old files where the new
    // ones are not all there, and clears the temporary names of names left by earlier runs.
    // Throws ImportError when the folder cannot be put in order.
    static void recover(const QString& folder, const QStringList& names,
                        const FileMoves& moves = FileMoves());

private:
    QString folder_;
    FileMoves moves_;
    QStringList names_;
    bool staging_ = true;
};

} // namespace import
