#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace search {

// A word is contained in a line when it occurs as a substring; without exact both sides are
// compared in lower case (FoldCase). An empty word is contained in every line.

// True when the line satisfies an include list (word list 1 or 2): any of its words, or all
// of them when the list begins with "+".
bool MatchIncludeList(const QString& list, const QString& line, bool exact);

// True when the line contains the words of an exclude list (word list 3): any of them, or
// all of them when the list begins with "^". A list of blanks matches nothing.
bool MatchExcludeList(const QString& list, const QString& line, bool exact);

// Each character in its Unicode lower case (the simple, one-to-one mapping), so positions
// and lengths stay those of the text; ASCII takes a fast path as it fills most texts.
QString FoldCase(const QString& text);
// True when word occurs in text, compared unit by unit; an empty word occurs everywhere.
bool ContainsText(QStringView text, QStringView word);
// FoldCase of size code units at from, written to to.
void FoldCaseInto(const char16_t* from, qsizetype size, char16_t* to);

// Accents and apostrophe forms compared away, one unit for one so that positions stay those
// of the text: "é" as "e", "’" and "‘" as "'", a combining mark as U+0000.
QString FoldAccents(const QString& text);
// True when word occurs in text between characters that are not letters or digits.
bool ContainsWholeWord(QStringView text, QStringView word);

// The search options "Kata Utuh" (whole words) and folding; both off is the plain comparison.
struct MatchOptions {
    bool wholeWords = false;
    bool fold = false;
};

// The expression language keeps apostrophes doubled for the store's literals; lines hold
// single ones.
QString UndoubleApostrophes(const QString& text);

class ParseQuery;

// The line verdict over the three word lists of a parsed expression (apostrophes made single
// again), prepared once per search so that every line is lowered once, not once per word.
class LineFilter {
public:
    LineFilter(const ParseQuery& query, bool exact, MatchOptions options = {});

    // Word list 1 matched and, when list 2 or 3 has content, list 2 matched and list 3 not.
    bool accepts(const QString& line) const;
    // The same for a line whose lower case is known: folded is FoldCase(line), and with the
    // fold option FoldAccents of that.
    bool accepts(QStringView line, QStringView folded) const;

    // One word list folded for the comparison; empty marks a list of blanks.
    struct WordSet {
        QStringList words;
        bool leading = false;
        bool empty = false;
        bool whole = false; // whole words only
    };

private:
    bool verdict(QStringView compared) const;

    bool exact_;
    MatchOptions options_;
    bool onlyList1_;
    WordSet list1_;
    WordSet list2_;
    WordSet list3_;
};

} // namespace search
