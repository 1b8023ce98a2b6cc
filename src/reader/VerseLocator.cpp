#include "reader/VerseLocator.h"

#include "reader/VerseText.h"

namespace reader {

std::optional<VerseLine> VerseLocator::locate(const QString& text, int position, bool force) {
    if (!force && position >= start_ && position <= end_)
        return std::nullopt;
    if (position < 0 || position > text.size())
        return std::nullopt;
    qsizetype end = text.indexOf(u'\n', position);
    if (end < 0)
        end = text.size();
    const qsizetype start = position == 0 ? 0 : text.lastIndexOf(u'\n', position - 1) + 1;
    start_ = int(start);
    end_ = int(end);
    return VerseLine{start_, end_, VerseLabel(QStringView(text).mid(start, end - start))};
}

void VerseLocator::forget() {
    start_ = -1;
    end_ = -1;
}

} // namespace reader
