#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The fixed catalogue of the 66 canonical books. A book index counts within its testament
// (Old 0..38, New 0..26); -1 means no such book. Names compare exactly, case-sensitively.
namespace scripture {

// Books in the Old Testament and in the whole canon.
inline constexpr int kOldTestamentBooks = 39;
inline constexpr int kCanonBooks = 66;

// Whether the canonical position 1..66 lies in the Old Testament.
inline bool IsOldTestament(int position) {
    return position <= kOldTestamentBooks;
}

const QStringList& OldTestamentBooks();
const QStringList& NewTestamentBooks();

qint16 GetBookIndexOT(const QString& name);
qint16 GetBookIndexNT(const QString& name);

// Outside the table: the empty text for the Old Testament, one blank for the New.
QString GetBookNameOT(qint16 index);
QString GetBookNameNT(qint16 index);
QString GetBookName(qint16 index, bool oldTestament);

// Position in the whole canon, Kejadian 1 .. Wahyu 66; 0 for a name that is not canonical.
int CanonicalPosition(const QString& name);
// The canonical name of the book at position 1..66; empty outside.
QString CanonicalName(int position);

// OSIS ids of the 66 books (Gen .. Rev) in canonical order, as SWORD and its modules name them.
const QStringList& CanonicalOsisBooks();
// 1..66 for the OSIS id of a canonical book; 0 for any other (deuterocanon included).
int OsisBookPosition(const QString& osisBook);

} // namespace scripture
