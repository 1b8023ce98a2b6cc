#include "store/DictionaryOrder.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <numeric>

namespace store {

std::unique_ptr<QCollator> DictionaryCollator() {
    auto collator = std::make_unique<QCollator>(QLocale(QLocale::Indonesian, QLocale::Indonesia));
    collator->setIgnorePunctuation(true);
    return collator;
}

namespace {

// The rank of each text in dictionary order: texts the collator holds equal share a rank,
// and a null text ranks first.
std::vector<int> DictionaryRanks(const QStringList& texts, const QCollator& collator) {
    QHash<QString, int> distinctIndex;
    QStringList distinct;
    std::vector<int> distinctOf(size_t(texts.size()), -1);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (texts[i].isNull())
            continue;
        auto found = distinctIndex.constFind(texts[i]);
        if (found == distinctIndex.constEnd()) {
            found = distinctIndex.insert(texts[i], int(distinct.size()));
            distinct << texts[i];
        }
        distinctOf[size_t(i)] = *found;
    }
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(distinct.size()));
    for (const QString& text : distinct)
        keys.push_back(collator.sortKey(text));
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    std::vector<int> rankOfDistinct(keys.size());
    int rank = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && keys[size_t(order[i - 1])].compare(keys[size_t(order[i])]) != 0)
            ++rank;
        rankOfDistinct[size_t(order[i])] = rank + 1;
    }
    std::vector<int> ranks(size_t(texts.size()), 0);
    for (size_t i = 0; i < ranks.size(); ++i)
        ranks[i] = distinctOf[i] < 0 ? 0 : rankOfDistinct[size_t(distinctOf[i])];
    return ranks;
}

} // namespace

std::vector<size_t> DictionaryOrderOf(const QStringList& texts, const QCollator& collator) {
    const std::vector<int> ranks = DictionaryRanks(texts, collator);
    std::vector<size_t> order(ranks.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return ranks[a] < ranks[b]; });
    return order;
}

QStringList DistinctIgnoringCase(const QStringList& texts, const QCollator& collator) {
    QSet<QString> seen;
    QStringList firsts;
    bool nullSeen = false;
    for (const QString& text : texts) {
        if (text.isNull()) {
            if (nullSeen)
                continue;
            nullSeen = true;
        } else {
            const QString group = text.toLower();
            if (seen.contains(group))
                continue;
            seen.insert(group);
        }
        firsts << text;
    }
    QStringList sorted;
    sorted.reserve(firsts.size());
    for (size_t i : DictionaryOrderOf(firsts, collator))
        sorted << firsts[qsizetype(i)];
    return sorted;
}

} // namespace store
