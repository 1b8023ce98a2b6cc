#pragma once

#include "search/ResultsFile.h"

#include <vector>

namespace results {

// The kept searches of the "Daftar Hasil" page: titles, files and summaries at one index.
class ResultList {
public:
    void add(const search::ResultListEntry& entry) { entries_.push_back(entry); }
    int size() const { return int(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    // index must be within the list
    const search::ResultListEntry& at(int index) const { return entries_[size_t(index)]; }

    // DeleteResultEntry: deletes the entry's file when it still exists, then the entry.
    // An index outside the list changes nothing.
    void remove(int index);
    // ClearResultList without the question: every entry's file and every entry.
    void clear();

private:
    std::vector<search::ResultListEntry> entries_;
};

} // namespace results
