#include "search/ParseQuery.h"

namespace search {

void ParseQuery::Query(const QString& text) {
    // Positions are 1-based as in the expression language's definition; 0 means "none".
    const qsizetype p1 = text.indexOf(u'+') + 1;
    const qsizetype caret = text.indexOf(u'^');
    const qsizetype p2 = caret < 0 ? text.size() + 1 : caret + 1;
    const qsizetype first = (p1 != 0 && p1 <= p2) ? p1 : p2;
    wordList1_ = text.left(first - 1);
    if (p2 <= p1)
        wordList2_.clear();
    else if (p1 != 0)
        wordList2_ = text.mid(p1, p2 - p1 - 1);
    wordList3_ = text.mid(p2);
}

} // namespace search
