#pragma once

#include "scripture/Notations.h"

#include <QString>
#include <vector>

// References as Nave's Topical Bible writes them in running text: "2Co 8:16,17; 12:18",
// "Ac 18", book abbreviations in English and numbers after them.
namespace import {

struct ReferenceRun {
    qsizetype start = 0; // where the book abbreviation starts in the text
    qsizetype length = 0;
    bool glued = false; // the book follows a word with no blank between
    // In canonical names, unchecked; a whole chapter has firstVerse 0.
    std::vector<scripture::LocationKey> keys;
};

// Every run of references in text, in order. A book abbreviation counts only when chapter
// numbers follow it in the notation, so names ("By Titus 2Co 8:16") stay text. Full book
// names that are also names of people count only with a verse ("Micah 1:1").
std::vector<ReferenceRun> FindNaveReferences(const QString& text);

// Every run of references in text as WriteReferenceRun writes them, with canonical names.
std::vector<ReferenceRun> FindWrittenReferences(const QString& text);

// keys written the way the dictionary shows them, shortened while book and chapter repeat:
// "II Korintus 8:16,17; 12:18", "Kisah Para Rasul 18".
QString WriteReferenceRun(const std::vector<scripture::LocationKey>& keys);

} // namespace import
