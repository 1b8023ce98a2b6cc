#pragma once

#include <QString>
#include <QStringList>

namespace search {

// The words a search looked for (word lists 1 and 2, excluded words left out), as the
// results window marks them once the results are shown; blank words are dropped.
QStringList SearchedWords(const QString& expression);

} // namespace search
