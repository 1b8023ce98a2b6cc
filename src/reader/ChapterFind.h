#pragma once

#include "search/ChapterTexts.h"
#include "search/SearchKeys.h"

#include <QString>
#include <optional>

namespace store {
class Store;
}

namespace reader {

// The find criterion of "Cari" in a wider scope: the word in the active version's text,
// within the book or the testament of the chapter shown when the find began.
struct FindCriterion {
    search::Scope scope = search::Scope::WholeBible;
    QString column;     // the active version's text column
    QString word;       // as typed, apostrophes single
    QString buku;       // scope Book
    QString perjanjian; // scope Testament
};

// Steps through the store's chapters (in reading order) whose text holds the word, without
// regard to letter case, as the store's LIKE '*word*' did. The criterion of the last find in
// a wider scope is kept for the previous and next buttons.
class ChapterFind {
public:
    explicit ChapterFind(const store::Store& store) : store_(store), texts_(store) {}

    // Keeps the criterion and answers the first chapter, counted from the store's first
    // row, that satisfies it.
    std::optional<int> findFirst(const FindCriterion& criterion);
    bool hasCriterion() const { return criterion_.has_value(); }
    // The nearest chapter after (before) row that satisfies the kept criterion.
    std::optional<int> next(int row);
    std::optional<int> previous(int row);

private:
    bool satisfies(int row);

    const store::Store& store_;
    search::ChapterTexts texts_;
    std::optional<FindCriterion> criterion_;
    QString folded_; // the kept word in lower case
};

// "+" and "^" belong to "Cari Semua" only.
bool HasSearchOperators(const QString& text);
// Whether the displayed chapter holds the word: with exact in the same letter case.
bool ChapterHasWord(const QString& viewText, const QString& word, bool exact);

} // namespace reader
