#pragma once

#include <QStringList>

namespace store {

// Compares the tables and fields of the store at path with the schema and returns one
// Indonesian line per difference (a missing table, a missing or misplaced field); empty
// when the store matches. UsysTematik may be absent, and a two-version deuterocanon is
// accepted. Throws StoreError when the file cannot be opened as a store.
QStringList SchemaDifferences(const QString& path);

} // namespace store
