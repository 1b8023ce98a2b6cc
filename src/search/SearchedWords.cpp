#include "search/SearchedWords.h"

#include "search/ParseQuery.h"

#include <QRegularExpression>

namespace search {

QStringList SearchedWords(const QString& expression) {
    ParseQuery query;
    query.Query(expression);
    static const QRegularExpression separators(QStringLiteral("[&+]"));
    QStringList words;
    for (const QString& list : {query.WordList1(), query.WordList2()}) {
        for (const QString& word : list.split(separators)) {
            if (!word.trimmed().isEmpty() && !words.contains(word))
                words << word;
        }
    }
    return words;
}

} // namespace search
