#pragma once

#include "store/Records.h"

#include <vector>

namespace reader {

struct VersionEntry {
    qint32 nr = 0;
    QString name;
    bool oldTestament = false;
    bool newTestament = false;
    bool active = false; // only active versions appear in the menus
    QString column;      // e.g. "Kitab3"
    QString notice;      // shown in the window title while the version is active
};

// The catalogue in nr order as entries 1..count(); an inactive row keeps its entry number
// so that entries stay equal to catalogue positions.
class VersionTable {
public:
    VersionTable() = default;
    explicit VersionTable(const std::vector<store::VersionRow>& catalogue);

    int count() const { return int(entries_.size()); }
    bool contains(int entry) const { return entry >= 1 && entry <= count(); }
    // entry must satisfy contains()
    const VersionEntry& at(int entry) const { return entries_[std::size_t(entry - 1)]; }
    // Settings hold catalogue numbers; 0 when none matches.
    int entryOfNr(qint32 nr) const;
    qint32 nrOfEntry(int entry) const { return contains(entry) ? at(entry).nr : 0; }

    // ChangeVersion must ask before leaving the Old Testament the version lacks.
    bool needsTestamentQuestion(int entry, bool oldTestamentShown) const;
    // The Old Testament choice stays enabled for a version that has it.
    bool hasOldTestament(int entry) const { return contains(entry) && at(entry).oldTestament; }

private:
    std::vector<VersionEntry> entries_;
};

} // namespace reader
