#include "import/BookFacts.h"

#include <QLocale>

namespace import {

namespace {

QLocale Indonesian() {
    return QLocale(QLocale::Indonesian, QLocale::Indonesia);
}

} // namespace

QString TestamentName(bool oldTestament) {
    return oldTestament ? QStringLiteral("Perjanjian Lama") : QStringLiteral("Perjanjian Baru");
}

QString Number(int value) {
    return Indonesian().toString(value);
}

QString Decimal(double value, int decimals) {
    return Indonesian().toString(value, 'f', decimals);
}

} // namespace import
