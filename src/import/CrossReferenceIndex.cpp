#include "import/CrossReferenceIndex.h"

#include <vector>

namespace import {

namespace {

bool Covers(const scripture::LocationKey& range, const scripture::LocationKey& verse) {
    const int last = range.lastVerse > 0 ? range.lastVerse : range.firstVerse;
    return range.book == verse.book && range.chapter == verse.chapter &&
           verse.firstVerse >= range.firstVerse && verse.firstVerse <= last;
}

} // namespace

CrossReferenceIndex::CrossReferenceIndex(int maxPerVerse, int maxTopicPerVerse)
    : maxPerVerse_(maxPerVerse), maxTopicPerVerse_(maxTopicPerVerse) {}

bool CrossReferenceIndex::add(const scripture::LocationKey& from,
                              const scripture::LocationKey& target, ReferenceSource source) {
    if (from.book.isEmpty() || target.book.isEmpty() || from.chapter <= 0 || from.firstVerse <= 0 ||
        target.chapter <= 0 || target.firstVerse <= 0 || Covers(target, from))
        return false;
    VerseEntry& entry = books_[from.book][from.chapter][from.firstVerse];
    const QString display = scripture::FormatDisplayReference(target);
    if (entry.targets.size() >= maxPerVerse_ || entry.targets.contains(display))
        return false;
    if (source == ReferenceSource::Topic) {
        if (entry.topics >= maxTopicPerVerse_)
            return false;
        ++entry.topics;
    }
    entry.targets << display;
    return true;
}

QString CrossReferenceIndex::referensi(const QString& book) const {
    const auto found = books_.find(book);
    if (found == books_.end())
        return {};
    QStringList lines;
    for (const auto& [chapter, verses] : found->second) {
        std::vector<scripture::CrossReferenceLine> entries;
        for (const auto& [verse, entry] : verses) {
            if (entry.targets.isEmpty())
                continue;
            if (entries.size() == kMaxEntriesPerChapter)
                break;
            entries.push_back({QStringLiteral("%1:%2").arg(chapter).arg(verse), entry.targets});
        }
        if (!entries.empty())
            lines << scripture::FormatReferensiLine(chapter, entries);
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace import
