#include "reader/CrossReferences.h"

#include "scripture/Notations.h"

namespace reader {

QString CrossReferenceTitle(const QString& book, int chapter) {
    return QStringLiteral("Ref. Silang ") + book.trimmed() + QStringLiteral(" Bab ") +
           QString::number(chapter);
}

QStringList CrossReferenceCaptions(const QString& referensi, int chapter) {
    QStringList captions;
    for (const scripture::CrossReferenceLine& line :
         scripture::CrossReferencesOfChapter(referensi, chapter))
        captions.append(scripture::FormatCrossReferenceLine(line));
    if (captions.isEmpty())
        captions.append(kNoCrossReference);
    return captions;
}

} // namespace reader
