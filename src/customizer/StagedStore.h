#pragma once

#include "customizer/BuildStep.h"

#include <QString>

namespace customizer {

// A new store and its pictures, written in a hidden folder beside the destination
// (".VERMARA2000.DAT.XXXXXX") and moved in together: the pictures first, then the store,
// whose move is the point of no return. Until then every failure, and every kill once the
// next build has tidied up, leaves the old store and pictures as they were.
class StagedStore {
public:
    // Tidies what killed builds left in folder: old pictures set aside are put back, then
    // their staging folders and temporary stores (with journals) are removed. A staging
    // folder that a running build holds is left alone.
    static void RemoveLeftovers(const QString& folder);

    StagedStore(const QString& destinationFolder, StepCheck check);
    ~StagedStore(); // removes the staging folder, after putting back what an unfinished move moved
    StagedStore(const StagedStore&) = delete;
    StagedStore& operator=(const StagedStore&) = delete;

    bool ready() const { return fd_ >= 0; } // false when the folder could not be written
    QString storePath() const;              // where the new store is to be written

    // The destination's pictures (linked, not copied, where the disk allows) with those of
    // sourcePictures over them. False when the disk refuses.
    bool stagePictures(const QString& sourcePictures);

    // Moves the staged pictures and then the store into place. False when a move failed;
    // what had moved goes back when this object ends.
    bool commit();

private:
    bool step(BuildStep which) const { return !check_ || check_(which); }
    bool moveInPictures();

    QString destination_;
    QString staging_;
    StepCheck check_;
    int fd_ = -1; // holds the lock that marks the staging folder as in use
    bool picturesStaged_ = false;
    bool committed_ = false;
};

} // namespace customizer
