#include "import/ChapterText.h"

#include <QStringList>
#include <algorithm>

namespace import {

QString ChapterText(int chapter, const std::vector<VerseText>& verses) {
    QStringList lines;
    for (const VerseText& verse : verses) {
        if (verse.text.isEmpty())
            continue;
        QString label = QStringLiteral("%1:%2").arg(chapter).arg(verse.verse);
        if (verse.lastVerse > verse.verse)
            label += QStringLiteral("-%1").arg(verse.lastVerse);
        lines << label + u' ' + verse.text;
    }
    return lines.join(QStringLiteral("\r\n"));
}

int LastVerseWithText(const std::vector<VerseText>& verses) {
    int last = 0;
    for (const VerseText& verse : verses) {
        if (!verse.text.isEmpty())
            last = std::max({last, verse.verse, verse.lastVerse});
    }
    return last;
}

} // namespace import
