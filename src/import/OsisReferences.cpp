#include "import/OsisReferences.h"

#include "scripture/BookCatalogue.h"

namespace import {

namespace {

struct OsisPoint {
    int position = 0;
    int chapter = 0;
    int verse = 0; // 0: the whole chapter
};

std::optional<OsisPoint> ParsePoint(QString text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon >= 0)
        text = text.mid(colon + 1); // a work prefix such as "Bible:"
    const qsizetype grain = text.indexOf(u'!');
    if (grain >= 0)
        text.truncate(grain);
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    OsisPoint point;
    point.position = scripture::OsisBookPosition(parts[0]);
    bool chapterOk = false;
    point.chapter = parts[1].toInt(&chapterOk);
    bool verseOk = true;
    if (parts.size() == 3)
        point.verse = parts[2].toInt(&verseOk);
    if (point.position == 0 || !chapterOk || !verseOk || point.chapter <= 0 || point.verse < 0)
        return std::nullopt;
    return point;
}

} // namespace

std::optional<scripture::LocationKey> LocationOfOsisRef(const QString& osisRef,
                                                        const VerseCount& versesIn) {
    const QStringList ends = osisRef.split(u'-');
    if (ends.size() > 2)
        return std::nullopt;
    const std::optional<OsisPoint> start = ParsePoint(ends[0]);
    if (!start)
        return std::nullopt;
    const std::optional<OsisPoint> end = ends.size() == 2 ? ParsePoint(ends[1]) : start;
    if (!end)
        return std::nullopt;
    scripture::LocationKey key{scripture::CanonicalName(start->position), start->chapter,
                               start->verse, 0};
    const bool sameChapter = end->position == start->position && end->chapter == start->chapter;
    int last = sameChapter ? end->verse : 0;
    if (start->verse == 0 || !sameChapter || end->verse == 0) {
        last = versesIn ? versesIn(start->position, start->chapter) : 0;
        if (start->verse == 0)
            key.firstVerse = 1;
        if (last == 0 && start->verse == 0)
            return std::nullopt; // a whole chapter whose size is unknown
    }
    key.lastVerse = last > key.firstVerse ? last : 0;
    return key;
}

} // namespace import
