#include "scripture/ReferenceText.h"

#include "scripture/Notations.h"
#include "store/Store.h"

#include <algorithm>

namespace scripture {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Where the line of a verse label begins. The label must open a line and end there, so
// 5:4 is neither taken from inside 15:4 or 5:44 nor from a verse's text; a joined label
// (5:3-4.) is found under its first verse.
qsizetype FindVerseLine(const QString& text, const QString& label, qsizetype from) {
    for (qsizetype at = text.indexOf(label, from); at >= 0; at = text.indexOf(label, at + 1)) {
        const bool opensLine = at == 0 || text.at(at - 1) == u'\n';
        const QChar next = text.at(at + label.size()); // text ends with CR LF
        const bool endsLabel = next == u' ' || next == u'-' || next == u'.' || next == u'\r';
        if (opensLine && endsLabel)
            return at;
    }
    return -1;
}

QString VerseLabel(int chapter, int verse) {
    return QString::number(chapter) + u':' + QString::number(verse);
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
    const qsizetype start =
        FindVerseLine(text, VerseLabel(location->chapter, location->firstVerse), 0);
    if (start < 0)
        return std::nullopt;
    qsizetype anchor = start;
    if (location->lastVerse != 0) {
        const QString lastLabel = VerseLabel(location->chapter, location->lastVerse);
        // A last verse that the chapter lacks shortens the range to the first verse's line.
        anchor = std::max(start, FindVerseLine(text, lastLabel, start + 1));
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
