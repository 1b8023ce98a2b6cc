#include "scripture/TypedReference.h"

#include "scripture/BookCatalogue.h"

#include <QRegularExpression>

namespace scripture {
namespace {

// The common Indonesian abbreviations, in canonical order.
const char* const kAbbreviations[kCanonBooks] = {
    "Kej",  "Kel",  "Im",   "Bil", "Ul",   "Yos",  "Hak",  "Rut",  "1Sam", "2Sam", "1Raj",
    "2Raj", "1Taw", "2Taw", "Ezr", "Neh",  "Est",  "Ayb",  "Mzm",  "Ams",  "Pkh",  "Kid",
    "Yes",  "Yer",  "Rat",  "Yeh", "Dan",  "Hos",  "Yl",   "Am",   "Ob",   "Yun",  "Mi",
    "Nah",  "Hab",  "Zef",  "Hag", "Za",   "Mal",  "Mat",  "Mrk",  "Luk",  "Yoh",  "Kis",
    "Rm",   "1Kor", "2Kor", "Gal", "Ef",   "Flp",  "Kol",  "1Tes", "2Tes", "1Tim", "2Tim",
    "Tit",  "Flm",  "Ibr",  "Yak", "1Ptr", "2Ptr", "1Yoh", "2Yoh", "3Yoh", "Yud",  "Why"};

// Letters and digits only, in lower case: blanks, dots and hyphens do not count.
QString Squeeze(const QString& text) {
    QString key;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            key.append(c.toLower());
    }
    return key;
}

// "I Samuel", "I.Sam" and "1 Sam" alike; a roman numeral needs a blank or a dot after it,
// as "Imamat" and "Ibrani" begin with an I of their own.
QString NameKey(const QString& name) {
    const QString trimmed = name.trimmed();
    qsizetype roman = 0;
    while (roman < 3 && roman < trimmed.size() && trimmed[roman].toUpper() == u'I')
        ++roman;
    const bool separated =
        roman > 0 && roman < trimmed.size() && (trimmed[roman].isSpace() || trimmed[roman] == u'.');
    const QString rest = separated ? Squeeze(trimmed.mid(roman)) : QString();
    return rest.isEmpty() ? Squeeze(trimmed) : QString::number(roman) + rest;
}

// The key itself, then its leading i's read as a numeral ("ikor" as "1kor").
QStringList Candidates(const QString& key) {
    QStringList candidates{key};
    qsizetype count = 0;
    while (count < 3 && count < key.size() && key[count] == u'i')
        ++count;
    for (qsizetype n = count; n > 0; --n)
        candidates.append(QString::number(n) + key.mid(n));
    return candidates;
}

ReferenceReading Problem(const QString& problem) {
    return {std::nullopt, problem};
}

std::optional<QString> VerseProblem(const TypedReference& r, int verses) {
    const QString place = CanonicalName(r.position) + u' ' + QString::number(r.chapter);
    const auto missing = [&](int verse) {
        return place + QStringLiteral(" tidak punya ayat ") + QString::number(verse);
    };
    if (r.firstVerse < 1 || (verses > 0 && r.firstVerse > verses))
        return missing(r.firstVerse);
    if (r.lastVerse != 0 && r.lastVerse < r.firstVerse)
        return QStringLiteral("Rentang ayat %1-%2 terbalik").arg(r.firstVerse).arg(r.lastVerse);
    if (verses > 0 && r.lastVerse > verses)
        return missing(r.lastVerse);
    return std::nullopt;
}

// The chapter and verses against what the store holds.
ReferenceReading Checked(const TypedReference& r, bool verseTyped, const ReferenceLimits& limits) {
    const int chapters = limits.chapters ? limits.chapters(r.position) : 0;
    if (r.chapter < 1 || (chapters > 0 && r.chapter > chapters))
        return Problem(CanonicalName(r.position) + QStringLiteral(" tidak punya pasal ") +
                       QString::number(r.chapter));
    if (verseTyped) {
        const int verses = limits.verses ? limits.verses(r.position, r.chapter) : 0;
        if (const auto problem = VerseProblem(r, verses))
            return Problem(*problem);
    }
    return {r, {}};
}

} // namespace

ReferenceParser::ReferenceParser(const QStringList& versionNames) {
    for (int position = 1; position <= kCanonBooks; ++position) {
        add(CanonicalName(position), position);
        add(QString::fromLatin1(kAbbreviations[position - 1]), position);
    }
    // The display spellings some versions use for two books.
    add(QStringLiteral("Zakaria"), CanonicalPosition(QStringLiteral("Zakharia")));
    add(QStringLiteral("Yo\u00e9l"), CanonicalPosition(QStringLiteral("Yoel")));
    // A version's own name gives way to a canonical name or abbreviation that reads the same.
    const std::map<QString, int> canonical = names_;
    for (int k = 0; k < versionNames.size() && k < kCanonBooks; ++k) {
        if (!canonical.contains(NameKey(versionNames[k])))
            add(versionNames[k], k + 1);
    }
}

void ReferenceParser::add(const QString& name, int position) {
    const QString key = NameKey(name);
    if (key.isEmpty())
        return;
    const auto [at, added] = names_.emplace(key, position);
    if (!added && at->second != position)
        at->second = -1;
}

int ReferenceParser::exactPosition(const QString& key) const {
    const auto found = names_.find(key);
    return found == names_.end() ? 0 : found->second;
}

int ReferenceParser::prefixPosition(const QString& key) const {
    int position = 0;
    for (auto at = names_.lower_bound(key); at != names_.end() && at->first.startsWith(key); ++at) {
        if (position != 0 && at->second != position)
            return -1;
        position = at->second;
    }
    return position;
}

int ReferenceParser::bookPosition(const QString& typed) const {
    const QString key = NameKey(typed);
    if (key.isEmpty())
        return 0;
    const QStringList candidates = Candidates(key);
    for (const auto find : {&ReferenceParser::exactPosition, &ReferenceParser::prefixPosition}) {
        for (const QString& candidate : candidates) {
            if (const int position = (this->*find)(candidate); position != 0)
                return std::max(position, 0);
        }
    }
    return 0;
}

ReferenceReading ReferenceParser::read(const QString& text, const ReferenceLimits& limits) const {
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return Problem(QStringLiteral("Ketik referensi, misalnya Yoh 3:16"));
    // A book begins with a letter, after a numeral at most; the numbers follow it.
    static const QRegularExpression shape(
        QStringLiteral("^((?:[1-3]|[iI]{1,3})?[\\s.]*\\p{L}[^\\d]*?)\\s*(\\d.*)?$"));
    const QRegularExpressionMatch match = shape.match(typed);
    if (!match.hasMatch())
        return Problem(QStringLiteral("Nama kitab tidak ada dalam \"%1\"").arg(typed));
    const QString book = match.captured(1).trimmed();
    TypedReference reference{bookPosition(book), 1};
    if (reference.position == 0)
        return Problem(QStringLiteral("Kitab \"%1\" tidak dikenal").arg(book));
    const QString numbers = match.captured(2).trimmed();
    if (numbers.isEmpty())
        return Checked(reference, false, limits);
    static const QRegularExpression numberShape(QStringLiteral(
        "^(\\d{1,4})(?:\\s*[:.]\\s*(\\d{1,4})(?:\\s*[-\\x{2013}]\\s*(\\d{1,4}))?)?$"));
    const QRegularExpressionMatch parts = numberShape.match(numbers);
    if (!parts.hasMatch())
        return Problem(
            QStringLiteral("\"%1\" tidak dapat dibaca sebagai pasal dan ayat").arg(numbers));
    reference.chapter = parts.captured(1).toInt();
    reference.firstVerse = parts.captured(2).toInt();
    reference.lastVerse = parts.captured(3).toInt();
    if (reference.lastVerse == reference.firstVerse)
        reference.lastVerse = 0;
    return Checked(reference, parts.hasCaptured(2), limits);
}

} // namespace scripture
