#include "results/ResultList.h"

#include "platform/Folders.h"

namespace results {

void ResultList::remove(int index) {
    if (index < 0 || index >= size())
        return;
    platform::DeleteFileIfExists(entries_[size_t(index)].file);
    entries_.erase(entries_.begin() + index);
}

void ResultList::clear() {
    for (const search::ResultListEntry& entry : entries_)
        platform::DeleteFileIfExists(entry.file);
    entries_.clear();
}

} // namespace results
