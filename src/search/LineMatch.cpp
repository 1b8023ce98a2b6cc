#include "search/LineMatch.h"

#include "search/ParseQuery.h"

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
int ContainedCount(const QStringList& words, QStringView line) {
    int count = -1;
    for (const QString& word : words) {
        if (ContainsText(line, word))
            ++count;
    }
    return count;
}

bool Verdict(int count, int last, bool leading) {
    if (count == last)
        return true;
    if (count < 0 || leading)
        return false;
    return true;
}

QString Fold(const QString& text, bool exact) {
    return exact ? text : FoldCase(text);
}

LineFilter::WordSet IncludeSet(const QString& list, bool exact) {
    LineFilter::WordSet set;
    set.leading = list.startsWith(u'+');
    const QChar separator = list.contains(u'&') ? u'&' : u'+';
    if (!list.isEmpty())
        set.words = Fold(list, exact).split(separator);
    return set;
}

LineFilter::WordSet ExcludeSet(const QString& list, bool exact) {
    LineFilter::WordSet set;
    set.leading = list.startsWith(u'^');
    const QString rest = set.leading ? list.mid(1) : list;
    set.empty = rest.trimmed().isEmpty();
    if (!set.empty)
        set.words = Fold(rest, exact).split(u'+');
    return set;
}

bool Includes(const LineFilter::WordSet& set, QStringView line) {
    return Verdict(ContainedCount(set.words, line), int(set.words.size()) - 1, set.leading);
}

bool Excludes(const LineFilter::WordSet& set, QStringView line) {
    if (set.empty)
        return false;
    return Verdict(ContainedCount(set.words, line), int(set.words.size()) - 1, set.leading);
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

LineFilter::LineFilter(const ParseQuery& query, bool exact)
    : exact_(exact), onlyList1_((query.WordList2() + query.WordList3()).trimmed().isEmpty()),
      list1_(IncludeSet(UndoubleApostrophes(query.WordList1()), exact)),
      list2_(IncludeSet(UndoubleApostrophes(query.WordList2()), exact)),
      list3_(ExcludeSet(UndoubleApostrophes(query.WordList3()), exact)) {}

bool LineFilter::accepts(const QString& line) const {
    return accepts(line, Fold(line, exact_));
}

bool LineFilter::accepts(QStringView line, QStringView folded) const {
    const QStringView compared = exact_ ? line : folded;
    if (!Includes(list1_, compared))
        return false;
    if (onlyList1_)
        return true;
    return Includes(list2_, compared) && !Excludes(list3_, compared);
}

} // namespace search
