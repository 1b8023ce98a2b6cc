#pragma once

#include "import/OsisReferences.h"
#include "scripture/Notations.h"

#include <QString>
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

// Reads an entry whose references are marked <ref osisRef="Exod.6.16-Exod.6.20">; each line
// (<lb/>) and list item starts a new sub-topic.
TopicEntry ParseTopicEntry(const QString& key, const QString& markup, const VerseCount& versesIn);

// "ABED-NEGO" -> "Abed-Nego": a headword in capitals written the way the lists show names.
QString HeadwordCase(const QString& headword);

} // namespace import
