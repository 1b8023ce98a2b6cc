#include "study/PericopeIndex.h"

#include <QStringList>

namespace study {

std::vector<PericopeEntry> PericopeEntries(const QString& perikop) {
    std::vector<PericopeEntry> entries;
    if (perikop.isEmpty())
        return entries;
    const QStringList lines = perikop.split(QStringLiteral("\r\n"));
    entries.reserve(std::size_t(lines.size()));
    for (const QString& line : lines) {
        const qsizetype mark = line.indexOf(QStringLiteral("=="));
        if (mark < 0) {
            entries.push_back({line, QString()});
            continue;
        }
        // Only the text up to a second "==" is the reference.
        const qsizetype next = line.indexOf(QStringLiteral("=="), mark + 2);
        entries.push_back({line.left(mark), line.mid(mark + 2, next < 0 ? -1 : next - mark - 2)});
    }
    return entries;
}

std::optional<PericopeStart> PericopeStartOf(const QString& reference) {
    const QString trimmed = reference.trimmed();
    if (trimmed.size() < 2)
        return std::nullopt;
    const QString inner = trimmed.mid(1, trimmed.size() - 2);
    const qsizetype hash = inner.indexOf(u'#');
    if (hash < 0)
        return std::nullopt;
    const QStringList place = inner.mid(hash + 1).split(u':');
    bool ok = false;
    const int chapter = place.at(0).trimmed().toInt(&ok);
    if (!ok || chapter <= 0)
        return std::nullopt;
    const int verse = place.size() > 1 ? place.at(1).split(u'-').at(0).trimmed().toInt() : 0;
    return PericopeStart{chapter, std::max(verse, 0)};
}

} // namespace study
