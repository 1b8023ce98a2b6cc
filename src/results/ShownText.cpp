#include "results/ShownText.h"

#include <algorithm>

namespace results {

namespace {

// At most `most` characters of line, one fewer when the last would be half a character.
QStringView CutLine(QStringView line, qsizetype most) {
    if (line.size() <= most)
        return line;
    return line.left(line.at(most).isLowSurrogate() ? most - 1 : most);
}

} // namespace

QString CutTextNotice() {
    return QStringLiteral("(Sebagian teks ini tidak ditampilkan karena terlalu panjang; "
                          "databasenya mungkin rusak.)");
}

QString ShownText(const QString& text, qsizetype mostCharacters) {
    const qsizetype limit = mostCharacters < 0 ? text.size() : mostCharacters;
    QString shown;
    bool cut = false;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype lineFeed = text.indexOf(u'\n', start);
        const qsizetype end = lineFeed < 0 ? text.size() : lineFeed + 1;
        const QStringView line = QStringView(text).mid(start, end - start);
        const QStringView kept = CutLine(line, kMostShownLine);
        if (shown.size() + kept.size() > limit) {
            cut = true;
            break;
        }
        shown += kept;
        if (kept.size() < line.size()) {
            cut = true;
            shown += u'\n';
        }
        start = end;
    }
    if (!cut)
        return text;
    if (!shown.isEmpty() && !shown.endsWith(u'\n'))
        shown += u'\n';
    return shown + CutTextNotice();
}

} // namespace results
