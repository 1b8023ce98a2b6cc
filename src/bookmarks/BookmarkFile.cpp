#include "bookmarks/BookmarkFile.h"

#include <QRegularExpression>

namespace bookmarks {

namespace {

const QString kSeparator = QStringLiteral("#@#");
const QString kLooseSeparator = QStringLiteral("# @ #");

const QRegularExpression& LineBreak() {
    static const QRegularExpression pattern(QStringLiteral("\r\n|[\n\r\u2028\u2029]"));
    return pattern;
}

// A field that could split its line is written with its breaks and separators loosened.
QString FileField(const QString& text) {
    QString field = text;
    field.replace(LineBreak(), QStringLiteral(" "));
    // "#@#@#" loosens to "# @ #@#", so repeat until no separator is left.
    while (field.contains(kSeparator))
        field.replace(kSeparator, kLooseSeparator);
    return field;
}

} // namespace

scripture::BookmarkPosition PositionToOffer(const QString& book, int chapterIndex, int verseIndex) {
    return {book, chapterIndex + 1, verseIndex < 0 ? 1 : verseIndex + 1};
}

QString NoteFromEditor(const QString& text) {
    QString note = text;
    return note.replace(LineBreak(), QStringLiteral(" ")).trimmed();
}

QString FormatBookmarkLine(const Bookmark& bookmark) {
    return FileField(bookmark.note) + kSeparator + FileField(bookmark.version) + kSeparator +
           FileField(bookmark.position);
}

Bookmark ParseBookmarkLine(const QString& line) {
    QStringList parts = line.split(kSeparator);
    Bookmark bookmark;
    if (parts.size() >= 3) {
        bookmark.position = parts.takeLast();
        bookmark.version = parts.takeLast();
        bookmark.note = parts.join(kSeparator);
        return bookmark;
    }
    bookmark.note = parts.value(0);
    bookmark.version = parts.value(1);
    return bookmark;
}

QString FormatBookmarkFile(const QList<Bookmark>& list) {
    QString text;
    for (const Bookmark& bookmark : list)
        text += FormatBookmarkLine(bookmark) + QStringLiteral("\r\n");
    return text;
}

QList<Bookmark> ParseBookmarkFile(const QString& text) {
    QList<Bookmark> list;
    for (const QString& line : text.split(LineBreak(), Qt::SkipEmptyParts))
        list.append(ParseBookmarkLine(line));
    return list;
}

} // namespace bookmarks
