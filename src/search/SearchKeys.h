#pragma once

#include <QString>
#include <QStringList>

namespace search {

enum class Scope { Chapter = 0, Book = 1, Testament = 2, WholeBible = 3 };

// Everything "Cari Semua" reads from the main window for one search.
struct SearchRequest {
    QString text; // the search text as typed
    Scope scope = Scope::WholeBible;
    QString column;           // the active version's text column, e.g. "Kitab1"
    QString versionName;      // the active version's name
    QString caption;          // the main window's caption, first line of the results file
    QString bookItem;         // the book list's item text (the version's own book name)
    QString bookName;         // the catalogue book name
    bool oldTestament = true; // the "Lama" option
    int chapterIndex = 0;     // chapter list index; chapter number = index + 1
    QString perjanjian;       // testament of the displayed chapter row
    bool exact = false;       // "Kata Tepat"
    bool optimal = false;     // "Pencarian Optimal"
    bool wholeWords = false;  // "Kata Utuh"
    bool fold = false;        // accents and apostrophe forms compared away
};

// What the deuterocanon window hands over for one search.
struct DeuteroRequest {
    QString text;         // as typed; apostrophes are not doubled
    int version = 1;      // 1..3: columns Kitab<n> and Buku<n>
    QString versionLabel; // the version title the window shows
    bool exact = false;
    bool optimal = false;
};

// The four scope items in list order.
const QStringList& ScopeItems();

// The expression: the search text with every apostrophe doubled.
QString Expression(const QString& text);
// The key of the search with its options; without "Kata Utuh" and folding it is the plain key.
QString SearchKey(const SearchRequest& request);
QString PlainSearchKey(const SearchRequest& request);
QString DeuteroKey(const DeuteroRequest& request);

// tempFolder joined with "~vr" + the key's hash + ".tmp".
QString ResultFileName(const QString& tempFolder, const QString& key);

QString ScopeDescription(const SearchRequest& request);
QString SyntaxLine(const QString& text);

// The first three lines of a results file.
QStringList HeaderLines(const SearchRequest& request);
QStringList DeuteroHeaderLines(const DeuteroRequest& request);

// Elapsed milliseconds as hh:mm:ss.
QString ElapsedText(qint64 milliseconds);

} // namespace search
