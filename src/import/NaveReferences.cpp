#include "import/NaveReferences.h"

#include "scripture/BookCatalogue.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace import {

namespace {

// A range running on into the next chapter is read to the end of its first chapter; the
// store's bounds cut it there.
constexpr int kToChapterEnd = 999;

struct Abbreviation {
    int position = 0;
    bool needsVerse = false;
};

// Nave's own abbreviations, and the longer spellings its editors also used; those that are
// names of people as well count only with a verse.
const QHash<QString, Abbreviation>& Abbreviations() {
    static const QHash<QString, Abbreviation> table = [] {
        const QStringList nave = {
            "Ge",  "Ex",  "Le",  "Nu",  "De",  "Jos", "Jud", "Ru",  "1Sa", "2Sa",  "1Ki",
            "2Ki", "1Ch", "2Ch", "Ezr", "Ne",  "Es",  "Job", "Ps",  "Pr",  "Ec",   "So",
            "Isa", "Jer", "La",  "Eze", "Da",  "Ho",  "Joe", "Am",  "Ob",  "Jon",  "Mic",
            "Na",  "Hab", "Zep", "Hag", "Zec", "Mal", "Mt",  "Mr",  "Lu",  "Joh",  "Ac",
            "Ro",  "1Co", "2Co", "Ga",  "Eph", "Php", "Col", "1Th", "2Th", "1Ti",  "2Ti",
            "Tit", "Phm", "Heb", "Jas", "1Pe", "2Pe", "1Jo", "2Jo", "3Jo", "Jude", "Re"};
        QHash<QString, Abbreviation> abbreviations;
        for (int i = 0; i < nave.size(); ++i)
            abbreviations.insert(nave[i], {i + 1, false});
        const std::pair<const char*, int> others[] = {
            {"Num", 4}, {"Neh", 16}, {"Hos", 28}, {"1Joh", 62}};
        for (const auto& [name, position] : others)
            abbreviations.insert(QString::fromLatin1(name), {position, false});
        const std::pair<const char*, int> people[] = {
            {"Joshua", 6}, {"Ezra", 15},  {"Isaiah", 23},    {"Jeremiah", 24},
            {"Dan", 27},   {"Joel", 29},  {"Amos", 30},      {"Obadiah", 31},
            {"Jonah", 32}, {"Micah", 33}, {"Zechariah", 38}, {"Titus", 56}};
        for (const auto& [name, position] : people)
            abbreviations.insert(QString::fromLatin1(name), {position, true});
        return abbreviations;
    }();
    return table;
}

// One item of a run: "12:18", "16-24", "8:16", "18" after its separator.
struct Item {
    int chapter = 0;
    int verse = 0;
    int lastChapter = 0;
    int lastVerse = 0;
    bool hasColon = false;
};

const QRegularExpression& ItemPattern() {
    static const QRegularExpression pattern(
        QStringLiteral("(\\d+)(?::(\\d+))?(?:-(\\d+)(?::(\\d+))?)?(?![\\p{L}\\d]|:\\d)"));
    return pattern;
}

std::optional<Item> ReadItem(const QString& text, qsizetype at, qsizetype* end) {
    const QRegularExpressionMatch match = ItemPattern().match(
        text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch())
        return std::nullopt;
    *end = match.capturedEnd();
    Item item;
    item.chapter = match.captured(1).toInt();
    item.hasColon = match.capturedLength(2) > 0;
    item.verse = match.captured(2).toInt();
    item.lastChapter = match.captured(3).toInt();
    item.lastVerse = match.captured(4).toInt();
    return item;
}

// The key of item, read after a key of the same run ("," continues the verses of a chapter).
scripture::LocationKey KeyOf(const QString& book, const Item& item,
                             const scripture::LocationKey* before, bool comma) {
    scripture::LocationKey key{book, item.chapter, 0, 0};
    if (item.hasColon) {
        key.firstVerse = item.verse;
        if (item.lastVerse > 0)
            key.lastVerse = item.lastChapter == item.chapter ? item.lastVerse : kToChapterEnd;
        else
            key.lastVerse = item.lastChapter;
    } else if (comma && before && before->firstVerse > 0) {
        key.chapter = before->chapter;
        key.firstVerse = item.chapter;
        key.lastVerse = item.lastChapter;
    }
    return key;
}

// Reads the separators and items that continue a run after position at.
qsizetype ReadContinuation(const QString& text, qsizetype at, const QString& book,
                           std::vector<scripture::LocationKey>& keys) {
    static const QRegularExpression separator(QStringLiteral("[ \\t]*([,;])[ \\t]*"));
    for (;;) {
        const QRegularExpressionMatch sep =
            separator.match(text, at, QRegularExpression::NormalMatch,
                            QRegularExpression::AnchorAtOffsetMatchOption);
        qsizetype end = 0;
        if (!sep.hasMatch())
            return at;
        const std::optional<Item> item = ReadItem(text, sep.capturedEnd(), &end);
        if (!item)
            return at;
        keys.push_back(KeyOf(book, *item, &keys.back(), sep.captured(1) == u","));
        at = end;
    }
}

bool IsWordCharacter(QChar c) {
    return c.isLetterOrNumber();
}

// The 66 canonical names, longest first so that "II Korintus" is not read as "I Korintus".
const QRegularExpression& WrittenBookPattern() {
    static const QRegularExpression pattern = [] {
        QStringList names = scripture::OldTestamentBooks() + scripture::NewTestamentBooks();
        std::sort(names.begin(), names.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
        for (QString& name : names)
            name = QRegularExpression::escape(name);
        return QRegularExpression(QStringLiteral("(%1) (?=\\d)").arg(names.join(u'|')));
    }();
    return pattern;
}

} // namespace

std::vector<ReferenceRun> FindNaveReferences(const QString& text) {
    static const QRegularExpression book(QStringLiteral("([123] ?)?([A-Z][a-z]+)[ \\t]+(?=\\d)"));
    std::vector<ReferenceRun> found;
    qsizetype at = 0;
    for (auto match = book.match(text, at); match.hasMatch(); match = book.match(text, at)) {
        at = match.capturedStart() + 1;
        const qsizetype start = match.capturedStart();
        const QChar before = start > 0 ? text[start - 1] : QChar(u' ');
        // "REVERENCEGe 35:5": an abbreviation may follow a word in capitals without a blank.
        const bool glued = IsWordCharacter(before);
        if (glued && (match.capturedLength(1) > 0 || !before.isUpper()))
            continue;
        QString abbreviation = match.captured(2);
        if (match.capturedLength(1) > 0)
            abbreviation.prepend(match.captured(1).at(0));
        const auto known = Abbreviations().constFind(abbreviation);
        qsizetype end = 0;
        const std::optional<Item> first = known == Abbreviations().constEnd()
                                              ? std::nullopt
                                              : ReadItem(text, match.capturedEnd(), &end);
        if (!first || (known->needsVerse && !first->hasColon))
            continue;
        ReferenceRun reference;
        reference.start = start;
        reference.glued = glued;
        const QString name = scripture::CanonicalName(known->position);
        reference.keys.push_back(KeyOf(name, *first, nullptr, false));
        end = ReadContinuation(text, end, name, reference.keys);
        reference.length = end - start;
        found.push_back(reference);
        at = end;
    }
    return found;
}

std::vector<ReferenceRun> FindWrittenReferences(const QString& text) {
    std::vector<ReferenceRun> found;
    qsizetype at = 0;
    const QRegularExpression& book = WrittenBookPattern();
    for (auto match = book.match(text, at); match.hasMatch(); match = book.match(text, at)) {
        at = match.capturedEnd();
        qsizetype end = 0;
        const std::optional<Item> first = ReadItem(text, match.capturedEnd(), &end);
        if (!first)
            continue;
        ReferenceRun reference;
        reference.start = match.capturedStart();
        reference.glued = reference.start > 0 && IsWordCharacter(text[reference.start - 1]);
        reference.keys.push_back(KeyOf(match.captured(1), *first, nullptr, false));
        end = ReadContinuation(text, end, match.captured(1), reference.keys);
        reference.length = end - reference.start;
        found.push_back(reference);
        at = end;
    }
    return found;
}

QString WriteReferenceRun(const std::vector<scripture::LocationKey>& keys) {
    QString text;
    const scripture::LocationKey* before = nullptr;
    for (const scripture::LocationKey& key : keys) {
        QString verses;
        if (key.firstVerse > 0) {
            verses = QString::number(key.firstVerse);
            if (key.lastVerse > 0)
                verses += u'-' + QString::number(key.lastVerse);
        }
        const bool sameChapter = before && before->book == key.book &&
                                 before->chapter == key.chapter && before->firstVerse > 0;
        if (sameChapter && key.firstVerse > 0) {
            text += u',' + verses;
        } else {
            if (before)
                text += QStringLiteral("; ");
            if (!before || before->book != key.book)
                text += key.book + u' ';
            text += QString::number(key.chapter);
            if (!verses.isEmpty())
                text += u':' + verses;
        }
        before = &key;
    }
    return text;
}

} // namespace import
