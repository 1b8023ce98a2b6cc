#pragma once

#include "customizer/CustomBuild.h"

namespace customizer {

class ChoiceLists;

// The wizard page a failed check belongs to.
enum class CheckedPage { Database, Versions };

struct BuildCheck {
    BuildPlan plan;  // what the build will use, when every check passed
    QString problem; // the first failing check's message, else empty
    CheckedPage page = CheckedPage::Database;
    bool focusDestination = false; // the destination box should get the focus
    bool ok() const { return problem.isEmpty(); }
};

// Every check of the wizard's pages, run once more on the folders and choices the build
// will use, with the source store read afresh: the folders, the source store and its
// catalogue, the kept version and the number of versions, and each chosen version still
// offered by the catalogue. Values changed after their page was left cannot slip through.
BuildCheck CheckBeforeBuild(const QString& sourceFolder, const QString& destinationFolder,
                            const ChoiceLists& lists);

} // namespace customizer
