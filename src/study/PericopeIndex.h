#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace study {

// One pericope of the index: its heading and, on the line below, its reference as the book's
// Perikop text writes it ("[Matius#5:3-12]").
struct PericopeEntry {
    QString heading;
    QString reference;

    bool operator==(const PericopeEntry&) const = default;
};

// The pericopes of a book's Perikop text, one per CR LF line, every line kept: a line
// without "==" is all heading, and a text ending in CR LF ends in a blank pair.
std::vector<PericopeEntry> PericopeEntries(const QString& perikop);

// Where a pericope begins: chapter and first verse (0 when the verse cannot be read).
struct PericopeStart {
    int chapter = 0;
    int verse = 0;

    bool operator==(const PericopeStart&) const = default;
};

// The start of a shown reference: its enclosing characters dropped unchecked, the book before
// "#" ignored (the index stays in the book shown), the first verse of a range. Nothing when
// the reference is blank or names no chapter.
std::optional<PericopeStart> PericopeStartOf(const QString& reference);

} // namespace study
