#pragma once

#include <QStringList>

namespace store {
class Store;
}

namespace import {

// A check of a finished store against its own chapters and verse counts: every reference of
// the study tables (thematic rows, cross references with their verses, pericopes, parables,
// prophecies and the references in dictionary explanations) must resolve; no explanation may
// hold a reference glued to the word before or one left in Nave's notation; no headword may
// occur twice regardless of case. One line per finding; empty for a sound store.
QStringList AuditStore(const store::Store& store);

} // namespace import
