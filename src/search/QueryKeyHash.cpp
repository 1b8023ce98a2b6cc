#include "search/QueryKeyHash.h"

#include "platform/AnsiCodePage.h"

namespace search {

QString QueryKeyHash(const QString& key) {
    if (key.isEmpty())
        return {};
    quint64 sum = 0;
    int weight = 0;
    for (QChar c : key) {
        ++weight;
        if (weight == 5)
            weight = 2;
        sum += quint64(weight) * quint64(platform::AnsiCode(c));
    }
    return QString::number(sum);
}

} // namespace search
