#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace import {

// Books in the Old Testament and in the whole canon; BookGroups below counts the same way.
inline constexpr int kOldTestamentBooks = 39;
inline constexpr int kCanonBooks = 66;

inline bool IsOldTestament(int position) {
    return position <= kOldTestamentBooks;
}

// What the store knows about one canonical book; the study texts and charts are built from it.
struct BookFacts {
    QString name; // canonical name
    bool oldTestament = true;
    int position = 0; // 1..66 in canonical order
    int chapters = 0;
    int verses = 0;
    QStringList headings; // pericope headings in order
    // Chapter in which each heading starts, parallel to headings; may be left empty.
    QList<int> headingChapters;
};

// A conventional division of the canon, as a range of canonical positions.
struct BookGroup {
    const char* name;
    int first;
    int last;

    int size() const { return last - first + 1; }
    bool holds(int position) const { return position >= first && position <= last; }
};

inline constexpr std::array<BookGroup, 10> BookGroups{{
    {"Taurat (Pentateukh)", 1, 5},
    {"Sejarah", 6, 17},
    {"Puisi dan Hikmat", 18, 22},
    {"Nabi-nabi Besar", 23, 27},
    {"Nabi-nabi Kecil", 28, 39},
    {"Injil", 40, 43},
    {"Sejarah Gereja", 44, 44},
    {"Surat-surat Paulus", 45, 57},
    {"Surat-surat Umum", 58, 65},
    {"Nubuat", 66, 66},
}};

// Index into BookGroups of the group holding a canonical position (0 outside 1..66).
inline int GroupIndex(int position) {
    for (int i = 0; i < int(BookGroups.size()); ++i) {
        if (BookGroups[i].holds(position))
            return i;
    }
    return 0;
}

// How the study texts and the charts write their facts: "Perjanjian Lama", "2.461", "16,4".
QString TestamentName(bool oldTestament);
QString Number(int value);
QString Decimal(double value, int decimals = 1);

} // namespace import
