#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace store {

// Lists are ordered as a dictionary orders words: accents and letter case only break ties,
// and hyphens or blanks inside a word are passed over ("coal" before "co-op").
std::unique_ptr<QCollator> DictionaryCollator();

// The positions of texts in dictionary order; texts the collator holds equal keep their
// present order, and a null text (a Null field) comes before every other, as SQL orders Nulls.
// Sort keys are made once per distinct spelling: comparing through the collator at every
// step of a sort of tens of thousands of rows took most of a window's first opening.
std::vector<size_t> DictionaryOrderOf(const QStringList& texts, const QCollator& collator);

// Sorts rows by one text field in dictionary order, keeping the present order among equals.
template <typename Row>
void SortByDictionary(std::vector<Row>& rows, QString Row::*field, const QCollator& collator) {
    QStringList texts;
    texts.reserve(qsizetype(rows.size()));
    for (const Row& row : rows)
        texts << row.*field;
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (size_t i : DictionaryOrderOf(texts, collator))
        sorted.push_back(std::move(rows[i]));
    rows.swap(sorted);
}

// One text per group that differs only in letter case, spelt as its first occurrence, in
// dictionary order.
QStringList DistinctIgnoringCase(const QStringList& texts, const QCollator& collator);

} // namespace store
