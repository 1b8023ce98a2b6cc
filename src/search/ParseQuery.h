#pragma once

#include <QString>

namespace search {

// Cuts a search expression into its three word lists: the required words before the first
// "+" or "^", the additional words after the first "+", the excluded words after the first
// "^". Nothing is trimmed: blanks next to an operator stay part of the words.
class ParseQuery {
public:
    void Query(const QString& text);

    const QString& WordList1() const { return wordList1_; }
    const QString& WordList2() const { return wordList2_; }
    const QString& WordList3() const { return wordList3_; }

private:
    QString wordList1_;
    QString wordList2_;
    QString wordList3_;
};

} // namespace search
