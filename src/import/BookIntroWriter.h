#pragma once

#include "import/BookFacts.h"

#include <QString>
#include <vector>

namespace import {

// The four study texts of a book (UsysKitab's Intro, Pengantar, CiriKhas, Survai).
struct BookTexts {
    QString intro;
    QString pengantar;
    QString ciriKhas;
    QString survai;
};

// Indonesian texts stated only from the facts given: size, place in the canon, rank by length
// among the books of all, and the outline from the headings. Lines are joined by CR LF.
BookTexts WriteBookTexts(const BookFacts& book, const std::vector<BookFacts>& all);

} // namespace import
