#include "scripture/ReferenceText.h"

#include "scripture/Notations.h"
#include "store/Store.h"

#include <algorithm>

namespace scripture {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Whether a line's label covers the verse: "5:4 ..." covers 4, a joined "5:3-4. ..." covers
// 3 and 4. Only the label counts, so 5:4 is neither taken from 15:4 or 5:44 nor from a
// verse's text.
bool LabelCovers(QStringView line, const QString& chapterPrefix, int verse) {
    const qsizetype blank = line.indexOf(u' ');
    QStringView label = blank < 0 ? line : line.first(blank);
    if (!label.startsWith(chapterPrefix))
        return false;
    label = label.sliced(chapterPrefix.size());
    if (label.isEmpty() || !label.front().isDigit())
        return false;
    if (label.endsWith(u'.'))
        label.chop(1);
    const qsizetype dash = label.indexOf(u'-');
    bool firstOk = false;
    bool lastOk = false;
    const int first = (dash < 0 ? label : label.first(dash)).toInt(&firstOk);
    const int last = dash < 0 ? first : label.sliced(dash + 1).toInt(&lastOk);
    if (!firstOk)
        return false;
    return verse == first || (lastOk && first <= verse && verse <= last);
}

// Where the first line starting at or after from whose label covers the verse begins; -1 if none.
qsizetype FindVerseLine(const QString& text, int chapter, int verse, qsizetype from) {
    const QString prefix = QString::number(chapter) + u':';
    qsizetype start = from;
    if (start > 0 && text.at(start - 1) != u'\n') {
        start = text.indexOf(u'\n', start);
        start = start < 0 ? -1 : start + 1;
    }
    while (start >= 0 && start < text.size()) {
        const qsizetype end = text.indexOf(u'\n', start);
        QStringView line = QStringView(text).mid(start, end < 0 ? -1 : end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (LabelCovers(line, prefix, verse))
            return start;
        start = end < 0 ? -1 : end + 1;
    }
    return -1;
}

} // namespace

std::optional<QString> ReferenceLines(const QString& key, const ChapterTextSource& kitab1Text) {
    const auto location = ParseLocationKey(key);
    if (!location)
        return std::nullopt;
    const auto chapterText = kitab1Text(location->book, location->chapter);
    if (!chapterText)
        return std::nullopt;
    const QString text = *chapterText + kCrLf;
    const qsizetype start = FindVerseLine(text, location->chapter, location->firstVerse, 0);
    if (start < 0)
        return std::nullopt;
    qsizetype anchor = start;
    if (location->lastVerse != 0) {
        // A last verse that the chapter lacks, or that the first line already holds (5:3-4.),
        // ends the range at the first verse's line.
        anchor =
            std::max(start, FindVerseLine(text, location->chapter, location->lastVerse, start + 1));
    }
    const qsizetype end = text.indexOf(kCrLf, anchor + 1);
    return text.mid(start, end - start);
}

std::optional<QString> ShowReferenceText(const QString& key, const store::Store& store) {
    return ReferenceLines(key,
                          [&store](const QString& book, int chapter) -> std::optional<QString> {
                              const auto index = store.findChapter(book, chapter);
                              if (!index)
                                  return std::nullopt;
                              return store.chapterText(*index, QStringLiteral("Kitab1"));
                          });
}

} // namespace scripture
