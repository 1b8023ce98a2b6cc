#include "reader/ReaderTexts.h"

#include "platform/ProductName.h"

#include <cmath>

namespace reader {

QString NumberItem(qint64 number) {
    return number < 0 ? QString::number(number) : u' ' + QString::number(number);
}

QString ChapterTitle(const QString& book, qint64 chapter) {
    return book + u' ' + NumberItem(chapter);
}

QString ChapterToolTip(const QString& buku, qint64 bab) {
    return u' ' + buku + u' ' + NumberItem(bab) + u' ';
}

QString IdleStatusText() {
    return QStringLiteral("Program Vermara ") + platform::VersionText();
}

QString ParallelToolTip(const QString& versionName) {
    return u' ' + versionName + u' ';
}

int SecondColumnStart(int itemCount) {
    return itemCount / 2 + itemCount % 2;
}

int TwipsToPixels(int twips, double dotsPerInch) {
    return int(std::lround(twips * dotsPerInch / 1440.0));
}

} // namespace reader
