#include "search/LineMatch.h"

#include "search/ParseQuery.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace search {
namespace {

// Eight UTF-16 code units, compared lane by lane with the compiler's vector instructions.
using Lanes = std::uint16_t __attribute__((vector_size(16)));
constexpr qsizetype kLanes = 8;

Lanes LoadLanes(const char16_t* from) {
    Lanes lanes;
    std::memcpy(&lanes, from, sizeof lanes);
    return lanes;
}

Lanes SameLanes(std::uint16_t c) {
    Lanes lanes;
    for (qsizetype k = 0; k < kLanes; ++k)
        lanes[k] = c;
    return lanes;
}

bool AnyLane(const Lanes& lanes) {
    std::uint64_t parts[2];
    std::memcpy(parts, &lanes, sizeof parts);
    return (parts[0] | parts[1]) != 0;
}

void FoldEach(const char16_t* from, qsizetype size, char16_t* to) {
    for (qsizetype k = 0; k < size; ++k) {
        const char16_t c = from[k];
        if (c < 0x80)
            to[k] = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        else
            to[k] = QChar::toLower(c);
    }
}

bool MatchesAt(const char16_t* at, const char16_t* word, qsizetype size) {
    return std::memcmp(at, word, size_t(size) * sizeof(char16_t)) == 0;
}

// Count starts at -1 and rises per contained word, so "all contained" is count == last index.
int ContainedCount(const LineFilter::WordSet& set, QStringView line) {
    int count = -1;
    for (const QString& word : set.words) {
        if (set.whole ? ContainsWholeWord(line, word) : ContainsText(line, word))
            ++count;
    }
    return count;
}

bool IsApostrophe(char16_t c) {
    return c == u'`' || c == 0x00b4 || c == 0x02bc || c == 0x2018 || c == 0x2019 || c == 0x2032;
}

// Latin, Greek and Cyrillic letters with accents; other scripts (Hangul syllables, say)
// decompose into parts that are not their base letter.
bool HasAccentedLetters(char32_t c) {
    return c < 0x0530 || (c >= 0x1e00 && c < 0x2000);
}

// Each unit's base letter: canonical decompositions followed to their first character.
std::array<char16_t, 0x10000> AccentTable() {
    std::array<char16_t, 0x10000> table{};
    for (char32_t c = 0; c < 0x10000; ++c) {
        char32_t base = c;
        while (HasAccentedLetters(c) && QChar::decompositionTag(base) == QChar::Canonical) {
            const QString parts = QChar::decomposition(base);
            if (parts.isEmpty() || parts[0].isSurrogate())
                break;
            base = parts[0].unicode();
        }
        if (IsApostrophe(char16_t(c)))
            base = u'\'';
        else if (QChar::category(c) == QChar::Mark_NonSpacing)
            base = 0;
        table[c] = char16_t(base);
    }
    return table;
}

bool IsWordUnit(QStringView text, qsizetype at) {
    return at >= 0 && at < text.size() && text[at].isLetterOrNumber();
}

bool Verdict(int count, int last, bool leading) {
    if (count == last)
        return true;
    if (count < 0 || leading)
        return false;
    return true;
}

QString Fold(const QString& text, bool exact, const MatchOptions& options = {}) {
    const QString cased = exact ? text : FoldCase(text);
    return options.fold ? FoldAccents(cased) : cased;
}

LineFilter::WordSet IncludeSet(const QString& list, bool exact, const MatchOptions& options = {}) {
    LineFilter::WordSet set;
    set.leading = list.startsWith(u'+');
    set.whole = options.wholeWords;
    const QChar separator = list.contains(u'&') ? u'&' : u'+';
    if (!list.isEmpty())
        set.words = Fold(list, exact, options).split(separator);
    return set;
}

LineFilter::WordSet ExcludeSet(const QString& list, bool exact, const MatchOptions& options = {}) {
    LineFilter::WordSet set;
    set.leading = list.startsWith(u'^');
    set.whole = options.wholeWords;
    const QString rest = set.leading ? list.mid(1) : list;
    set.empty = rest.trimmed().isEmpty();
    if (!set.empty)
        set.words = Fold(rest, exact, options).split(u'+');
    return set;
}

bool Includes(const LineFilter::WordSet& set, QStringView line) {
    return Verdict(ContainedCount(set, line), int(set.words.size()) - 1, set.leading);
}

bool Excludes(const LineFilter::WordSet& set, QStringView line) {
    if (set.empty)
        return false;
    return Verdict(ContainedCount(set, line), int(set.words.size()) - 1, set.leading);
}

} // namespace

// Looks at eight places at once for the word's first and last unit and compares the rest
// only where both match; several times faster than QString::contains on chapter texts.
bool ContainsText(QStringView text, QStringView word) {
    const qsizetype size = word.size();
    if (size == 0)
        return true;
    if (size > text.size())
        return false;
    const char16_t* from = text.utf16();
    const char16_t* w = word.utf16();
    const qsizetype last = text.size() - size; // the last place the word can start
    const Lanes first = SameLanes(w[0]);
    const Lanes end = SameLanes(w[size - 1]);
    qsizetype at = 0;
    for (; at + kLanes - 1 <= last; at += kLanes) {
        const Lanes hits =
            (LoadLanes(from + at) == first) & (LoadLanes(from + at + size - 1) == end);
        if (!AnyLane(hits))
            continue;
        for (qsizetype k = 0; k < kLanes; ++k) {
            if (hits[k] && MatchesAt(from + at + k, w, size))
                return true;
        }
    }
    for (; at <= last; ++at) {
        if (MatchesAt(from + at, w, size))
            return true;
    }
    return false;
}

void FoldCaseInto(const char16_t* from, qsizetype size, char16_t* to) {
    qsizetype k = 0;
    // Eight ASCII units at a time; a block with any other unit goes unit by unit.
    for (; k + kLanes <= size; k += kLanes) {
        const Lanes units = LoadLanes(from + k);
        if (AnyLane(Lanes(units >= 0x80))) {
            FoldEach(from + k, kLanes, to + k);
            continue;
        }
        const Lanes upper = Lanes(Lanes(units - u'A') < 26);
        const Lanes lowered = units + (upper & 32);
        std::memcpy(to + k, &lowered, sizeof lowered);
    }
    FoldEach(from + k, size - k, to + k);
}

QString FoldCase(const QString& text) {
    QString folded(text.size(), Qt::Uninitialized);
    FoldCaseInto(reinterpret_cast<const char16_t*>(text.constData()), text.size(),
                 reinterpret_cast<char16_t*>(folded.data()));
    return folded;
}

QString FoldAccents(const QString& text) {
    static const std::array<char16_t, 0x10000> table = AccentTable();
    QString folded = text;
    char16_t* units = reinterpret_cast<char16_t*>(folded.data());
    for (qsizetype k = 0; k < folded.size(); ++k) {
        if (units[k] >= 0x80 || units[k] == u'`')
            units[k] = table[units[k]];
    }
    return folded;
}

bool ContainsWholeWord(QStringView text, QStringView word) {
    if (word.isEmpty())
        return true;
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
        if (!IsWordUnit(text, at - 1) && !IsWordUnit(text, at + word.size()))
            return true;
    }
    return false;
}

QString UndoubleApostrophes(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("''"), QStringLiteral("'"));
    return out;
}

bool MatchIncludeList(const QString& list, const QString& line, bool exact) {
    return Includes(IncludeSet(list, exact), Fold(line, exact));
}

bool MatchExcludeList(const QString& list, const QString& line, bool exact) {
    return Excludes(ExcludeSet(list, exact), Fold(line, exact));
}

LineFilter::LineFilter(const ParseQuery& query, bool exact, MatchOptions options)
    : exact_(exact), options_(options),
      onlyList1_((query.WordList2() + query.WordList3()).trimmed().isEmpty()),
      list1_(IncludeSet(UndoubleApostrophes(query.WordList1()), exact, options)),
      list2_(IncludeSet(UndoubleApostrophes(query.WordList2()), exact, options)),
      list3_(ExcludeSet(UndoubleApostrophes(query.WordList3()), exact, options)) {}

bool LineFilter::accepts(const QString& line) const {
    return accepts(line, Fold(line, false, options_));
}

bool LineFilter::accepts(QStringView line, QStringView folded) const {
    if (!exact_)
        return verdict(folded);
    // "Kata Tepat" keeps the letter case; folding still drops the accents.
    return options_.fold ? verdict(FoldAccents(line.toString())) : verdict(line);
}

bool LineFilter::verdict(QStringView compared) const {
    if (!Includes(list1_, compared))
        return false;
    if (onlyList1_)
        return true;
    return Includes(list2_, compared) && !Excludes(list3_, compared);
}

} // namespace search
