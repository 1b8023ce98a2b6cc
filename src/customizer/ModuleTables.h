#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace customizer {

// The modules whose data a build copies, in the order it handles them; an empty table name
// marks a field of the version tables (Perikop, Intro, Komentar), and "Deuterokanonika" has
// its own copy.
inline const std::vector<std::pair<QString, QString>>& HandledModules() {
    static const std::vector<std::pair<QString, QString>> modules{
        {QStringLiteral("Perikop"), QString()},
        {QStringLiteral("Pengantar"), QString()},
        {QStringLiteral("Nubuat"), QStringLiteral("UsysNubuat")},
        {QStringLiteral("Perumpamaan"), QStringLiteral("UsysUmpama")},
        {QStringLiteral("Deuterokanonika"), QStringLiteral("UsysDeuterokanonika")},
        {QStringLiteral("Kamus"), QStringLiteral("UsysKamus")},
        {QStringLiteral("Peta"), QStringLiteral("UsysGambar")},
        {QStringLiteral("Tematik"), QStringLiteral("UsysTematik")},
        {QStringLiteral("Commentary"), QString()}};
    return modules;
}

// The fields copied from a deuterocanon table with that many fields: the three-version
// table has eight; older stores carry only two versions.
inline QStringList DeuterocanonFields(qsizetype fieldCount) {
    if (fieldCount == 8)
        return {"urutan", "Buku1", "Buku2", "Buku3", "Bab", "Kitab1", "Kitab2", "Kitab3"};
    return {"urutan", "Buku1", "Buku2", "Bab", "Kitab1", "Kitab2"};
}

} // namespace customizer
