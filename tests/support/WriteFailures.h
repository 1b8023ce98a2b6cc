#pragma once

#include "support/FileSizeLimit.h"
#include "support/FileTree.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// Writes of user data that fail part-way, as on a full disk, whoever runs the test.
namespace support {

// File-size limits that stop a write of a file of the given size at each of its stages:
// before its first byte, after the first, halfway, and one byte short of the end.
inline std::vector<rlim_t> CutPoints(qint64 bytes) {
    std::vector<rlim_t> cuts;
    for (const qint64 cut : {qint64(0), qint64(1), bytes / 2, bytes - 1}) {
        if (cut >= 0 && cut < bytes)
            cuts.push_back(rlim_t(cut));
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

// Runs write once under each cut point of a file of the given size. Every run must report
// the failure and leave the folder exactly as it was before the first run.
inline void ExpectEveryCutReportedAndFolderKept(const QString& folder, qint64 bytes,
                                                const std::function<bool()>& write) {
    const FileTree before = TreeOf(folder);
    ASSERT_FALSE(before.isEmpty()) << "nothing to keep in " << folder.toStdString();
    ASSERT_FALSE(CutPoints(bytes).empty());
    for (const rlim_t cut : CutPoints(bytes)) {
        bool written = true;
        {
            const FileSizeLimit full(cut);
            written = write();
        }
        EXPECT_FALSE(written) << "cut at byte " << cut;
        EXPECT_EQ(TreeOf(folder), before) << "cut at byte " << cut;
    }
}

} // namespace support
