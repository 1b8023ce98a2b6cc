#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace store {

// Lists are ordered as a dictionary orders words: accents and letter case only break ties,
// and hyphens or blanks inside a word are passed over ("coal" before "co-op").
std::unique_ptr<QCollator> DictionaryCollator();

// The rank of each text in dictionary order: texts the collator holds equal share a rank,
// and a null text (a Null field) ranks before every other, as SQL orders Nulls.
std::vector<int> DictionaryRanks(const QStringList& texts, const QCollator& collator);

// Sorts rows by one text field in dictionary order, keeping the present order among equals.
// Sort keys are made once per distinct spelling: comparing through the collator at every
// step of a sort of tens of thousands of rows took most of a window's first opening.
template <typename Row>
void SortByDictionary(std::vector<Row>& rows, QString Row::*field, const QCollator& collator) {
    QStringList texts;
    texts.reserve(qsizetype(rows.size()));
    for (const Row& row : rows)
        texts << row.*field;
    const std::vector<int> ranks = DictionaryRanks(texts, collator);
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return ranks[a] < ranks[b]; });
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows.swap(sorted);
}

// One text per group that differs only in letter case, spelt as its first occurrence, in
// dictionary order.
QStringList DistinctIgnoringCase(const QStringList& texts, const QCollator& collator);

} // namespace store
