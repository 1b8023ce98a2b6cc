#include "import/Deuterocanon.h"

namespace import {

namespace {

std::vector<DeuteroChapter> Straight(const QString& osisBook, int chapters) {
    std::vector<DeuteroChapter> list;
    for (int chapter = 1; chapter <= chapters; ++chapter)
        list.push_back({chapter, {{osisBook, chapter}}});
    return list;
}

DeuteroBook Book(int urutan, const char* name, const char* toba,
                 std::vector<DeuteroChapter> chapters) {
    const QString buku = QString::fromUtf8(name);
    return {urutan, buku, QString::fromUtf8(toba), buku, std::move(chapters)};
}

std::vector<DeuteroBook> MakeBooks() {
    // Baruch 6 is the Letter of Jeremiah, a book of its own in some versification systems.
    std::vector<DeuteroChapter> baruch = Straight(QStringLiteral("Bar"), 6);
    baruch.back().sources.push_back({QStringLiteral("EpJer"), 1});
    // The additions to Esther are chapters 11-16 of the Greek Esther (its chapter 10 ends
    // with the first of them).
    std::vector<DeuteroChapter> esther;
    for (int chapter = 1; chapter <= 6; ++chapter)
        esther.push_back({chapter,
                          {{QStringLiteral("EsthGr"), chapter + 10},
                           {QStringLiteral("AddEsth"), chapter + 10}}});
    // The additions to Daniel keep the chapter numbers they have within Daniel.
    const std::vector<DeuteroChapter> daniel = {
        {3, {{QStringLiteral("PrAzar"), 1}, {QStringLiteral("AddDan"), 3}}},
        {13, {{QStringLiteral("Sus"), 1}, {QStringLiteral("AddDan"), 13}}},
        {14, {{QStringLiteral("Bel"), 1}, {QStringLiteral("AddDan"), 14}}}};
    return {
        Book(1, "Tobit", "Tobit", Straight(QStringLiteral("Tob"), 14)),
        Book(2, "Yudit", "Judit", Straight(QStringLiteral("Jdt"), 16)),
        Book(3, "Tambahan Ester", "Tambatamba ni buku ni buku ni si Ester", esther),
        Book(4, "Kebijaksanaan Salomo", "KHabisuhon ni si Salomo",
             Straight(QStringLiteral("Wis"), 19)),
        Book(5, "Sirakh", "Jesus anak ni si Sirak", Straight(QStringLiteral("Sir"), 51)),
        Book(6, "Barukh", "Baruk", baruch),
        Book(7, "Tambahan Daniel", "Tambatamba ni buku ni buku ni si Daniel", daniel),
        Book(8, "I Makabe", "Buku ni si Makkabetus na parjolo",
             Straight(QStringLiteral("1Macc"), 16)),
        Book(9, "II Makabe", "Buku ni si Makkabetus na paduahon",
             Straight(QStringLiteral("2Macc"), 15)),
    };
}

} // namespace

const std::vector<DeuteroBook>& DeuteroBooks() {
    static const std::vector<DeuteroBook> books = MakeBooks();
    return books;
}

} // namespace import
