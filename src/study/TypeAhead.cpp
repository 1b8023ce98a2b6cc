#include "study/TypeAhead.h"

namespace study {

int FindStringFrom(const QStringList& items, const QString& text, int start) {
    const int count = static_cast<int>(items.size());
    if (text.isEmpty() || count == 0)
        return -1;
    const int first = (start < 0 || start >= count) ? 0 : start + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (items[index].startsWith(text, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

} // namespace study
