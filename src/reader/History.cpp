#include "reader/History.h"

namespace reader {

namespace {

// "Kitab1@Matius# 5:1" and "Kitab1@Matius# 5:44" name the same chapter.
bool SameChapter(const QString& entry, const scripture::HistoryEntry& place) {
    const auto parsed = scripture::ParseHistoryEntry(entry);
    return parsed && parsed->column == place.column && parsed->book == place.book &&
           parsed->chapter == place.chapter;
}

} // namespace

void History::RecordLocation(const scripture::HistoryEntry& place, bool verseChosen) {
    // Only the entry of this very chapter is replaced: after a step back the last entry
    // names another place, which must stay.
    if (verseChosen && !entries_.isEmpty() && SameChapter(entries_.last(), place))
        entries_.removeLast();
    while (entries_.size() >= kMaxEntries) {
        entries_.removeFirst();
        if (index_ >= 0)
            --index_;
    }
    entries_.append(scripture::FormatHistoryEntry(place));
    emit changed();
}

std::optional<QString> History::step(Step mode) {
    int target = int(entries_.size()) - 1;
    if (mode == Step::Back)
        target = index_ - 1;
    else if (mode == Step::Forward)
        target = index_ + 1;
    return stepTo(target);
}

std::optional<QString> History::stepTo(int target) {
    if (target < 0 || target >= entries_.size())
        return std::nullopt;
    index_ = target;
    emit changed();
    const QString& entry = entries_.at(target);
    return entry.mid(entry.indexOf(u'@') + 1);
}

void History::clear() {
    entries_.clear();
    index_ = -1;
    emit changed();
}

} // namespace reader
