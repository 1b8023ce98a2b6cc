#pragma once

#include <QString>
#include <utility>
#include <vector>

// The nine deuterocanonical books of the reader and where a SWORD module keeps them.
namespace import {

// Where one chapter of the reader's book is found: the first OSIS book and chapter of the list
// that holds text in the module (versification systems number these books differently).
struct DeuteroChapter {
    int chapter = 0; // the chapter number the reader uses (Tambahan Daniel: 3, 13, 14)
    std::vector<std::pair<QString, int>> sources;
};

struct DeuteroBook {
    int urutan = 0; // 1..9
    QString buku1;  // the reader's names for its three versions
    QString buku2;
    QString buku3;
    std::vector<DeuteroChapter> chapters;
};

const std::vector<DeuteroBook>& DeuteroBooks();

} // namespace import
