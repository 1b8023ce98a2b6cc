#pragma once

#include <QString>

namespace search {

// Weighted sum of the Windows-1252 codes of key (weights 1, 2, 3, 4, 2, 3, 4, ...) as
// decimal text; the empty text for an empty key. Names results files and the settings'
// installation key, so its value must never change.
QString QueryKeyHash(const QString& key);

} // namespace search
