#pragma once

#include <QString>
#include <optional>

namespace reader {

// A located verse line of a view text: [start, end) where end is the '\n' that closes it
// (or the text's length), with its label cut for matching in another version.
struct VerseLine {
    int start = 0;
    int end = 0;
    QString label;
};

// SelectParagraphVerse's memory: the line last located, so that caret moves inside one
// verse do not locate it (and refill the parallel panel) again.
class VerseLocator {
public:
    // The line at position; nullopt while position is still inside the remembered line
    // (unless force) or lies outside the text.
    std::optional<VerseLine> locate(const QString& text, int position, bool force);
    // A new text in the view: the remembered line belongs to the old one.
    void forget();

private:
    int start_ = -1;
    int end_ = -1;
};

} // namespace reader
