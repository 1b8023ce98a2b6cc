#include "scripture/Notations.h"

namespace scripture {

namespace {

const QString kVersionSeparator = QStringLiteral("~~~~");
const QString kArrow = QStringLiteral(" -> ");

// A chapter or verse number: decimal digits only, blanks around it ignored, at least 1.
std::optional<int> ParseNumber(QStringView text) {
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value > 0 ? std::optional<int>(value) : std::nullopt;
}

// The book with "5:44" or "5:44-45" after it; a reversed range is rejected.
std::optional<LocationKey> KeyOf(const QString& book, QStringView chapterAndVerses) {
    const qsizetype colon = chapterAndVerses.indexOf(u':');
    if (colon < 0)
        return std::nullopt;
    const auto chapter = ParseNumber(chapterAndVerses.left(colon));
    const QStringView verses = chapterAndVerses.mid(colon + 1);
    const qsizetype dash = verses.indexOf(u'-');
    const auto first = ParseNumber(dash < 0 ? verses : verses.left(dash));
    const auto last = dash < 0 ? std::optional<int>(0) : ParseNumber(verses.mid(dash + 1));
    if (!chapter || !first || !last || (*last != 0 && *last < *first))
        return std::nullopt;
    return LocationKey{book, *chapter, *first, *last};
}

QString FormatChapterAndVerses(const LocationKey& key) {
    QString text = QString::number(key.chapter) + u':' + QString::number(key.firstVerse);
    if (key.lastVerse != 0)
        text += u'-' + QString::number(key.lastVerse);
    return text;
}

// A single position (history entry, bookmark): a location key without a range.
std::optional<LocationKey> ParseSingleVerseKey(const QString& text) {
    auto key = ParseLocationKey(text);
    if (!key || key->lastVerse != 0)
        return std::nullopt;
    return key;
}

QStringList SplitReferences(const QString& text) {
    QStringList references;
    for (const QString& part : text.split(u',')) {
        if (const QString reference = part.trimmed(); !reference.isEmpty())
            references.append(reference);
    }
    return references;
}

// Stored text uses CR LF; a bare LF is tolerated so that a hand-edited field still resolves.
QStringList SplitLines(const QString& text) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

// "5:44 Lukas 6:27-28,Roma 12:14" after its "@"; an entry without references is dropped.
std::optional<CrossReferenceLine> ParseReferensiEntry(const QString& entry) {
    const qsizetype blank = entry.indexOf(u' ');
    if (blank <= 0)
        return std::nullopt;
    CrossReferenceLine line{entry.left(blank), SplitReferences(entry.mid(blank + 1))};
    if (line.references.isEmpty())
        return std::nullopt;
    return line;
}

} // namespace

std::optional<LocationKey> ParseLocationKey(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype hash = trimmed.indexOf(u'#');
    // A blank before "#" makes a book name that no chapter carries (Matius #5:3).
    if (hash <= 0 || trimmed.at(hash - 1).isSpace())
        return std::nullopt;
    return KeyOf(trimmed.left(hash), QStringView(trimmed).mid(hash + 1));
}

QString FormatLocationKey(const LocationKey& key) {
    return key.book + u'#' + FormatChapterAndVerses(key);
}

std::optional<LocationKey> ParseDisplayReference(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.lastIndexOf(u' ');
    if (blank <= 0)
        return std::nullopt;
    const QString book = trimmed.left(blank).trimmed();
    if (book.contains(u'#'))
        return std::nullopt;
    return KeyOf(book, QStringView(trimmed).mid(blank + 1));
}

QString FormatDisplayReference(const LocationKey& key) {
    return key.book + u' ' + FormatChapterAndVerses(key);
}

std::optional<HistoryEntry> ParseHistoryEntry(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype at = trimmed.indexOf(u'@');
    if (at <= 0)
        return std::nullopt;
    const auto key = ParseSingleVerseKey(trimmed.mid(at + 1));
    if (!key)
        return std::nullopt;
    return HistoryEntry{trimmed.left(at), key->book, key->chapter, key->firstVerse};
}

QString FormatHistoryEntry(const HistoryEntry& entry) {
    // The chapter keeps the blank of a sign position, as list items write their numbers.
    return entry.column + u'@' + entry.book + QStringLiteral("# ") +
           QString::number(entry.chapter) + u':' + QString::number(entry.verse);
}

std::optional<BookmarkPosition> ParseBookmarkPosition(const QString& text) {
    const auto key = ParseSingleVerseKey(text);
    if (!key)
        return std::nullopt;
    return BookmarkPosition{key->book, key->chapter, key->firstVerse};
}

QString FormatBookmarkPosition(const BookmarkPosition& position) {
    return FormatLocationKey({position.book, position.chapter, position.verse, 0});
}

std::optional<VersionTag> ParseVersionTag(const QString& text) {
    const qsizetype at = text.indexOf(kVersionSeparator);
    if (at <= 0)
        return std::nullopt;
    return VersionTag{text.left(at), text.mid(at + kVersionSeparator.size())};
}

QString FormatVersionTag(const VersionTag& tag) {
    return tag.column + kVersionSeparator + tag.versionName;
}

std::optional<CrossReferenceLine> ParseCrossReferenceLine(const QString& text) {
    const qsizetype at = text.indexOf(kArrow);
    if (at < 0)
        return std::nullopt;
    CrossReferenceLine line{text.left(at).trimmed(), SplitReferences(text.mid(at + kArrow.size()))};
    if (line.label.isEmpty())
        return std::nullopt;
    return line;
}

// The references stand as the book's Referensi text holds them: joined by "," alone, so a
// menu caption reads exactly like the stored entry.
QString FormatCrossReferenceLine(const CrossReferenceLine& line) {
    return line.label + kArrow + line.references.join(u',');
}

std::vector<CrossReferenceLine> CrossReferencesOfChapter(const QString& referensi, int chapter) {
    const QString key = u'#' + QString::number(chapter) + u'#';
    std::vector<CrossReferenceLine> result;
    for (const QString& line : SplitLines(referensi)) {
        if (!line.startsWith(key))
            continue;
        // The text between the key and the first "@" carries nothing.
        const QStringList entries = line.mid(key.size()).split(u'@');
        for (qsizetype i = 1; i < entries.size(); ++i) {
            if (auto entry = ParseReferensiEntry(entries.at(i)))
                result.push_back(std::move(*entry));
        }
        break;
    }
    return result;
}

QString FormatReferensiLine(int chapter, const std::vector<CrossReferenceLine>& lines) {
    QString text = u'#' + QString::number(chapter) + u'#';
    for (const CrossReferenceLine& line : lines)
        text += u'@' + line.label + u' ' + line.references.join(u',');
    return text;
}

std::optional<PericopeLine> ParsePericopeLine(const QString& text) {
    const QStringList parts = text.split(QStringLiteral("=="));
    if (parts.size() < 2)
        return std::nullopt;
    // Only the text between the first two "==" is the reference; its enclosing characters
    // are dropped unchecked.
    const QString enclosed = parts.at(1).trimmed();
    const QString reference =
        enclosed.size() >= 2 ? enclosed.mid(1, enclosed.size() - 2) : QString();
    return PericopeLine{parts.at(0), reference};
}

QString FormatPericopeLine(const PericopeLine& line) {
    return line.heading + QStringLiteral("==[") + line.reference + u']';
}

QString ChapterQuery(const QString& book, int chapter) {
    return QStringLiteral("Buku='") + book + QStringLiteral("' AND Bab=") +
           QString::number(chapter);
}

} // namespace scripture
