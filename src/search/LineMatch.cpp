#include "search/LineMatch.h"

#include "search/ParseQuery.h"

namespace search {
namespace {

// Count starts at -1 and rises per contained word, so "all contained" is count == last index.
int ContainedCount(const QStringList& words, const QString& line) {
    int count = -1;
    for (const QString& word : words) {
        if (line.contains(word))
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

bool Includes(const LineFilter::WordSet& set, const QString& line) {
    return Verdict(ContainedCount(set.words, line), int(set.words.size()) - 1, set.leading);
}

bool Excludes(const LineFilter::WordSet& set, const QString& line) {
    if (set.empty)
        return false;
    return Verdict(ContainedCount(set.words, line), int(set.words.size()) - 1, set.leading);
}

} // namespace

QString FoldCase(const QString& text) {
    QString folded(text.size(), Qt::Uninitialized);
    const char16_t* from = reinterpret_cast<const char16_t*>(text.constData());
    char16_t* to = reinterpret_cast<char16_t*>(folded.data());
    for (qsizetype k = 0; k < text.size(); ++k) {
        const char16_t c = from[k];
        if (c < 0x80)
            to[k] = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        else
            to[k] = QChar::toLower(c);
    }
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

QString LineFilter::prepared(const QString& line) const {
    return Fold(line, exact_);
}

bool LineFilter::passesList1(const QString& line) const {
    return Includes(list1_, prepared(line));
}

bool LineFilter::accepts(const QString& line) const {
    const QString folded = prepared(line);
    if (!Includes(list1_, folded))
        return false;
    if (onlyList1_)
        return true;
    return Includes(list2_, folded) && !Excludes(list3_, folded);
}

} // namespace search
