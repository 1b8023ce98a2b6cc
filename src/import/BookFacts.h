#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace import {

// What the store knows about one canonical book; the study texts and charts are built from it.
struct BookFacts {
    QString name; // canonical name
    bool oldTestament = true;
    int position = 0; // 1..66 in canonical order
    int chapters = 0;
    int verses = 0;
    QStringList headings; // pericope headings in order
    // Chapter in which each heading starts, parallel to headings; may be left empty.
    QList<int> headingChapters;
};

// How the study texts and the charts write their facts: "Perjanjian Lama", "2.461", "16,4".
QString TestamentName(bool oldTestament);
QString Number(int value);
QString Decimal(double value, int decimals = 1);

} // namespace import
