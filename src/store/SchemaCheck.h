#pragma once

#include <QStringList>

namespace store {

// Compares the tables and fields of the store at path with the schema and returns one
// Indonesian line per difference (a missing table, a missing or misplaced field); empty
// when the store matches. UsysTematik may be absent, and a two-version deuterocanon is
// accepted. Throws StoreError when the file cannot be opened as a store.
QStringList SchemaDifferences(const QString& path);

class Database;

// The tables and fields that the reader reads from the open store, but lacks, one
// Indonesian line each; empty when it can read everything. Table and field names match
// without regard to case. Version columns are left to the catalogue, Komentar is never
// read, the third deuterocanonical version is optional, and UsysTematik is checked only
// when a table of exactly that name exists.
QStringList MissingForReading(const Database& db);

} // namespace store
