#include "reader/VerseText.h"

#include <QStringList>

namespace reader {

namespace {

QStringView LabelToken(QStringView line) {
    const qsizetype blank = line.indexOf(u' ');
    return blank < 0 ? line : line.left(blank);
}

bool StartsWithLabel(QStringView line, const QString& label) {
    if (label.isEmpty() || !line.startsWith(label))
        return false;
    return line.size() == label.size() || !line.at(label.size()).isDigit();
}

// The verses a label covers, e.g. "5:3-4." covers 3 to 4; {0, -1} for a line without one.
std::pair<int, int> VerseRange(QStringView line) {
    QStringView token = LabelToken(line);
    if (token.endsWith(u'.'))
        token.chop(1);
    const qsizetype colon = token.indexOf(u':');
    if (colon < 0)
        return {0, -1};
    const QStringView verses = token.mid(colon + 1);
    const qsizetype dash = verses.indexOf(u'-');
    bool firstOk = false;
    bool lastOk = false;
    const int first = verses.left(dash < 0 ? verses.size() : dash).toInt(&firstOk);
    const int last = dash < 0 ? first : verses.mid(dash + 1).toInt(&lastOk);
    if (!firstOk || (dash >= 0 && !lastOk))
        return {0, -1};
    return {first, last};
}

} // namespace

QString VerseLabel(QStringView line) {
    QStringView label = LabelToken(line);
    const qsizetype dash = label.indexOf(u'-');
    if (dash >= 0)
        label = label.left(dash);
    if (label.endsWith(u'.'))
        label.chop(1);
    return label.toString();
}

int VerseNumber(QStringView label) {
    const qsizetype colon = label.indexOf(u':');
    return colon < 0 ? 0 : label.mid(colon + 1).toInt();
}

std::optional<QString> ParallelVerseLine(const QString& chapterText, const QString& label) {
    for (QStringView line : QStringView(chapterText).split(u"\r\n")) {
        if (StartsWithLabel(line, label))
            return line.trimmed().toString();
    }
    return std::nullopt;
}

std::optional<int> FindVerseLine(const QString& viewText, int verse) {
    qsizetype start = 0;
    while (start <= viewText.size()) {
        qsizetype end = viewText.indexOf(u'\n', start);
        if (end < 0)
            end = viewText.size();
        const auto [first, last] = VerseRange(QStringView(viewText).mid(start, end - start));
        if (first <= verse && verse <= last)
            return int(start);
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace reader
