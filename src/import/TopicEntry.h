#pragma once

#include "scripture/Notations.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace import {

// One entry of a topical dictionary (Nave's): its headword, its text for the dictionary with
// every reference in canonical names, and its verse references.
struct TopicEntry {
    QString headword;
    QString explanation;
    std::vector<scripture::LocationKey> references;          // in order, each once
    std::vector<std::vector<scripture::LocationKey>> groups; // the references of each sub-topic
};

// Holds a reference to the store being built: the key as the store can show it, or nullopt
// for a reference to leave out.
using ReferenceFit =
    std::function<std::optional<scripture::LocationKey>(const scripture::LocationKey&)>;

// Reads an entry from the references its text gives in Nave's notation; the module's own
// reference tags are not trusted, as they split names such as "Titus 2Co 8:16" wrongly. Each
// line (<lb/>) and list item starts a new sub-topic. References that fit drops are left out
// of the explanation as well.
TopicEntry ParseTopicEntry(const QString& key, const QString& markup, const ReferenceFit& fit);

// "ABED-NEGO" -> "Abed-Nego": a headword in capitals written the way the lists show names.
QString HeadwordCase(const QString& headword);

} // namespace import
