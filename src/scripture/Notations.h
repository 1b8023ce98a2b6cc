#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The text notations that carry a position between windows, into the history, the bookmarks,
// the cross-reference menus and the pericope index. Parsers never throw: text that does not
// follow a notation gives std::nullopt. Chapter and verse numbers are positive decimals.
namespace scripture {

// Matius#5:44-45; blanks may stand after "#" and around the chapter.
struct LocationKey {
    QString book;
    int chapter = 0;
    int firstVerse = 0;
    int lastVerse = 0; // 0: a single verse

    bool operator==(const LocationKey&) const = default;
};

std::optional<LocationKey> ParseLocationKey(const QString& text);
QString FormatLocationKey(const LocationKey& key);

// I Korintus 13:4-7: the book is everything before the last blank.
std::optional<LocationKey> ParseDisplayReference(const QString& text);
QString FormatDisplayReference(const LocationKey& key);

// Kitab1@Matius# 5:1: version column, book, chapter written with one leading blank, verse.
struct HistoryEntry {
    QString column;
    QString book;
    int chapter = 0;
    int verse = 1;

    bool operator==(const HistoryEntry&) const = default;
};

std::optional<HistoryEntry> ParseHistoryEntry(const QString& text);
QString FormatHistoryEntry(const HistoryEntry& entry);

// Matius#5:44, written without blanks.
struct BookmarkPosition {
    QString book;
    int chapter = 0;
    int verse = 0;

    bool operator==(const BookmarkPosition&) const = default;
};

std::optional<BookmarkPosition> ParseBookmarkPosition(const QString& text);
QString FormatBookmarkPosition(const BookmarkPosition& position);

// Kitab1~~~~Alkitab Terjemahan Baru: the version that travels beside a bookmark position.
struct VersionTag {
    QString column;
    QString versionName;

    bool operator==(const VersionTag&) const = default;
};

std::optional<VersionTag> ParseVersionTag(const QString& text);
QString FormatVersionTag(const VersionTag& tag);

// 5:44 -> Lukas 6:27-28,Roma 12:14: a verse label and its display references.
struct CrossReferenceLine {
    QString label;
    QStringList references;

    bool operator==(const CrossReferenceLine&) const = default;
};

std::optional<CrossReferenceLine> ParseCrossReferenceLine(const QString& text);
QString FormatCrossReferenceLine(const CrossReferenceLine& line);

// The entries of one chapter in a book's Referensi text, whose lines read
// "#5#@5:3 Lukas 6:20,Yesaya 61:1@5:44 Lukas 6:27-28" and are joined by CR LF.
// Empty when the chapter has no line.
std::vector<CrossReferenceLine> CrossReferencesOfChapter(const QString& referensi, int chapter);
// One such line; labels hold no blank and references no "@" or ",".
QString FormatReferensiLine(int chapter, const std::vector<CrossReferenceLine>& lines);

// Ucapan bahagia==[Matius#5:3-12]: reference holds the text inside the enclosing characters.
struct PericopeLine {
    QString heading;
    QString reference;

    bool operator==(const PericopeLine&) const = default;
};

std::optional<PericopeLine> ParsePericopeLine(const QString& text);
QString FormatPericopeLine(const PericopeLine& line);

// Buku='Matius' AND Bab=5, for showing and logging only: queries bind their values.
QString ChapterQuery(const QString& book, int chapter);

} // namespace scripture

Q_DECLARE_METATYPE(scripture::LocationKey)
