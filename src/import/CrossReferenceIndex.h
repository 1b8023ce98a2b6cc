#pragma once

#include "scripture/Notations.h"

#include <QString>
#include <QStringList>
#include <map>

namespace import {

// Where a cross reference comes from; topic links only fill what notes and parallels leave.
enum class ReferenceSource { Note, Parallel, Topic };

// The cross references of every verse, gathered from several sources and written out as the
// Referensi text of each book.
class CrossReferenceIndex {
public:
    // A chapter's context menu holds at most this many verse entries.
    static constexpr int kMaxEntriesPerChapter = 150;

    CrossReferenceIndex(int maxPerVerse, int maxTopicPerVerse);

    // Files target under the first verse of from. Refused (false) when the verse already holds
    // it or has reached its bound, or when target covers the verse itself.
    bool add(const scripture::LocationKey& from, const scripture::LocationKey& target,
             ReferenceSource source);

    // "#5#@5:3 Lukas 6:20,Yesaya 61:1@5:44 ..." lines in chapter order, joined by CR LF; empty
    // for a book without references.
    QString referensi(const QString& book) const;

    int maxPerVerse() const { return maxPerVerse_; }
    int maxTopicPerVerse() const { return maxTopicPerVerse_; }

private:
    struct VerseEntry {
        QStringList targets;
        int topics = 0;
    };
    using Chapter = std::map<int, VerseEntry>;

    int maxPerVerse_;
    int maxTopicPerVerse_;
    std::map<QString, std::map<int, Chapter>> books_;
};

} // namespace import
