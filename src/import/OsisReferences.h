#pragma once

#include "scripture/Notations.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// SWORD names books and verses in OSIS form (Matt.5.44); the store uses the canonical names.
namespace import {

// Verses in a chapter of the book at a canonical position; 0 when unknown.
using VerseCount = std::function<int(int position, int chapter)>;

// An OSIS reference ("Matt.5.44", "Luke.6.27-Luke.6.28", "Ps.23") as a location key with the
// canonical book name. A whole chapter becomes its verse range; a range that runs on into
// another chapter stops at the end of its first one, since a key spans one chapter only.
// nullopt for a book outside the canon or a reference that cannot be read.
std::optional<scripture::LocationKey> LocationOfOsisRef(const QString& osisRef,
                                                        const VerseCount& versesIn);

} // namespace import
