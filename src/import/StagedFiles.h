#pragma once

#include <QString>
#include <vector>

namespace import {

// Files and folders written under temporary names in their destination folder and moved into
// place together, so a failure on the way leaves the folder as it was: the old files whole and
// no temporary name behind.
class StagedFiles {
public:
    explicit StagedFiles(QString folder);
    ~StagedFiles(); // removes whatever was staged and not committed
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // The temporary path under which to write name (a file or a folder); any leftover of an
    // earlier run there is removed first.
    QString stage(const QString& name);

    // Moves every staged name into place, in the order staged. Throws ImportError when one
    // cannot be moved, after putting back the ones already moved.
    void commit();

private:
    struct Entry {
        QString target;
        QString temporary;
        QString previous; // where the old target waits while the new one moves in
        bool hadTarget = false;
        bool moved = false;
    };
    void moveIn(Entry& entry);
    void putBack();

    QString folder_;
    std::vector<Entry> entries_;
    bool committed_ = false;
};

} // namespace import
