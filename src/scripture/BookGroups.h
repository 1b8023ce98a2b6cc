#pragma once

#include <array>

namespace scripture {

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

} // namespace scripture
