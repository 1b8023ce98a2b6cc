#include "reader/ReferenceJump.h"

#include "reader/Navigator.h"
#include "scripture/BookCatalogue.h"
#include "scripture/TypedReference.h"
#include "store/Store.h"

namespace reader {

namespace {

// The active version's book names in canonical order, for names such as "Psalms".
QStringList VersionBookNames(const Navigator& nav) {
    QStringList names(scripture::kCanonBooks);
    const QString column = nav.activeColumn();
    for (const store::BookRow& row : nav.store()->books()) {
        const int position = scripture::CanonicalPosition(row.name(QStringLiteral("Kitab1")));
        if (position > 0 && !column.isEmpty())
            names[position - 1] = row.name(column);
    }
    return names;
}

scripture::ReferenceLimits StoreLimits(const store::Store& store) {
    return {[&store](int position) {
                const store::BookRow* row = store.findBook(scripture::CanonicalName(position));
                return row ? int(row->jumlahBuku) : 0;
            },
            [&store](int position, int chapter) {
                const auto index = store.findChapter(scripture::CanonicalName(position), chapter);
                return index ? int(store.chapters()[std::size_t(*index)].ayat) : 0;
            }};
}

} // namespace

QString GoToTypedReference(Navigator& navigator, const QString& text) {
    const store::Store* store = navigator.store();
    if (!store)
        return QStringLiteral("Data Alkitab belum terbuka");
    const scripture::ReferenceReading reading =
        scripture::ReferenceParser(VersionBookNames(navigator)).read(text, StoreLimits(*store));
    if (!reading.reference)
        return reading.problem;
    const scripture::TypedReference& place = *reading.reference;
    // As a jump does: an Old Testament the active version lacks is not entered.
    if (scripture::IsOldTestament(place.position) && navigator.OTAvailable() != 1)
        return QStringLiteral("Versi yang sedang aktif tidak memiliki Perjanjian Lama");
    const QString book = scripture::CanonicalName(place.position);
    if (!navigator.goToPassage(book, place.chapter, place.firstVerse, place.lastVerse))
        return QStringLiteral("%1 %2 tidak ada dalam data ini").arg(book).arg(place.chapter);
    return {};
}

} // namespace reader
