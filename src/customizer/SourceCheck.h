#pragma once

#include <QStringList>

namespace store {
class Database;
}

namespace customizer {

// What a source store lacks for the wizard's version lists: any chapter or book row, or the
// text or book-name column of a version the catalogue offers. One Indonesian line each.
QStringList CatalogueProblems(const store::Database& source);

// What a source store lacks for a build of these version columns and modules: a table the
// build copies, a place in the new store for one of its fields, any chapter or book row, a
// chosen version's column or any text in it. One Indonesian line each; empty when none.
// Throws StoreError when the source cannot be read.
QStringList SourceProblems(const store::Database& source, const QStringList& columns,
                           const QStringList& modules);

} // namespace customizer
