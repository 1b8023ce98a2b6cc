#pragma once

#include "store/Records.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace store {
class Store;
}

// The deuterocanonical books as the reader lists them: nine books in Urutan order, three
// versions with their own names and titles, and the chapter numbers of each book.
namespace study {

inline constexpr int kDeuteroBookCount = 9;
inline constexpr int kDeuteroVersionCount = 3;

// InitDeuteroArray's tables: the nine names of version 1, 2 or 3.
QStringList DeuteroBookNames(int version);
// The chapter numbers a book lists: 1 to its count, or 3, 13 and 14 for the additions to
// Daniel (any name containing "Daniel"). Empty for an index out of range.
QList<int> DeuteroChapters(int bookIndex, const QString& bookName);
// The version's title: the store's own (UsysInfo id 200 + version) when it has one, else
// the fixed title.
QString DeuteroTitle(const std::vector<store::InfoRow>& info, int version);
// The text of a version's column in a row.
QString DeuteroText(const store::DeuteroRow& row, int version);
// Index of the row of a book (0-based index) and chapter; -1 when there is none.
int FindDeuteroRow(const std::vector<store::DeuteroRow>& rows, int bookIndex, int bab);
// CheckDeutero: the versions the store offers, by version number less one: a version whose
// column holds text somewhere; the third only where its first row holds at least 3
// characters.
std::array<bool, kDeuteroVersionCount> CheckDeutero(const store::Store& store);

} // namespace study
