#pragma once

#include "store/Records.h"

#include <vector>

namespace store {

// The versions shown at start. Settings hold catalogue numbers (nr); menus number the
// versions by their entry (1-based position in nr order), see EntryOfNr.
struct VersionChoice {
    QString activeColumn;
    qint32 firstNr = 0; // 0 when no active version exists
    QString parallelColumn;
    QString parallelName;
    qint32 secondNr = 0;
};

VersionChoice ChooseVersions(const std::vector<VersionRow>& catalogue, qint32 firstNr,
                             qint32 secondNr);

// 1-based entry of the row whose nr equals nr; 0 when there is none.
int EntryOfNr(const std::vector<VersionRow>& catalogue, qint32 nr);

} // namespace store
