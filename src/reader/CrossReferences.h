#pragma once

#include <QString>
#include <QStringList>

namespace reader {

// The only item of a chapter's cross-reference menu when its book lists none for it.
inline const QString kNoCrossReference = QStringLiteral("<tidak ada referensi>");

// "Ref. Silang Matius Bab 5": the caption of the menu MenuRef.
QString CrossReferenceTitle(const QString& book, int chapter);

// The items of MenuRefs for a chapter of a book's Referensi text, in the order of its line:
// label, " -> ", the references. A chapter without a line, or a line without any entry,
// gives kNoCrossReference alone. Every entry is listed, however long the chapter.
QStringList CrossReferenceCaptions(const QString& referensi, int chapter);

} // namespace reader
