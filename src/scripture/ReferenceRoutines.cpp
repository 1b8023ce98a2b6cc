#include "scripture/ReferenceRoutines.h"

namespace scripture {

QString ToLocationKey(QString& reference, bool bookOnly) {
    const qsizetype blank = reference.lastIndexOf(u' ');
    // Without a blank there is no book part to split off, so both modes give the text back.
    if (blank < 0)
        return reference;
    const QString book = reference.left(blank);
    reference = book + u'#' + reference.mid(blank);
    return bookOnly ? book : reference;
}

QString NormalizeBookAlias(QString& key) {
    key.replace(QStringLiteral("Zakaria#"), QStringLiteral("Zakharia#"), Qt::CaseSensitive);
    key.replace(QStringLiteral("Yo\u00e9l#"), QStringLiteral("Yoel#"), Qt::CaseSensitive);
    return key;
}

void NormalizeBookAlias(LocationKey& key) {
    QString book = key.book + u'#';
    NormalizeBookAlias(book);
    book.chop(1);
    key.book = book;
}

} // namespace scripture
