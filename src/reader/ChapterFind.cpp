#include "reader/ChapterFind.h"

#include "search/LineMatch.h"
#include "store/Store.h"

#include <algorithm>

namespace reader {

std::optional<int> ChapterFind::findFirst(const FindCriterion& criterion) {
    criterion_ = criterion;
    folded_ = search::FoldCase(criterion.word);
    return next(-1);
}

std::optional<int> ChapterFind::next(int row) {
    if (!criterion_)
        return std::nullopt;
    const int count = int(store_.chapters().size());
    for (int candidate = std::max(row + 1, 0); candidate < count; ++candidate) {
        if (satisfies(candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<int> ChapterFind::previous(int row) {
    if (!criterion_)
        return std::nullopt;
    const int count = int(store_.chapters().size());
    for (int candidate = std::min(row, count) - 1; candidate >= 0; --candidate) {
        if (satisfies(candidate))
            return candidate;
    }
    return std::nullopt;
}

bool ChapterFind::satisfies(int row) {
    const store::ChapterRow& chapter = store_.chapters()[std::size_t(row)];
    const auto same = [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    };
    if (criterion_->scope == search::Scope::Book && !same(chapter.buku, criterion_->buku))
        return false;
    if (criterion_->scope == search::Scope::Testament &&
        !same(chapter.perjanjian, criterion_->perjanjian))
        return false;
    const search::ChapterTexts::Text& text = texts_.column(criterion_->column)[std::size_t(row)];
    // A Null text holds no word, not even the empty one.
    return !text.text.isNull() && search::ContainsText(text.folded, folded_);
}

bool HasSearchOperators(const QString& text) {
    return text.contains(u'+') || text.contains(u'^');
}

bool ChapterHasWord(const QString& viewText, const QString& word, bool exact) {
    if (exact)
        return viewText.contains(word);
    return search::FoldCase(viewText).contains(search::FoldCase(word));
}

} // namespace reader
