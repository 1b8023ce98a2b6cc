#include "customizer/SourceCatalogue.h"

#include "customizer/CustomizerTexts.h"
#include "customizer/SourceCheck.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "store/StoreError.h"

namespace customizer {
namespace {

// The store drops versions it cannot read from its lists; the catalogue still names them,
// so a damaged source is refused here with what it lacks rather than offering fewer versions.
QStringList CatalogueProblemsAt(const QString& path) {
    const store::Database db(path, store::Database::Mode::ReadOnly, store::kStorePassword);
    return CatalogueProblems(db);
}

} // namespace

SourceCatalogue LoadSourceCatalogue(const QString& path) {
    SourceCatalogue source;
    QStringList problems;
    try {
        source.store = store::Store::Open(path);
        problems = CatalogueProblemsAt(path);
    } catch (const store::StoreError& error) {
        source.store.reset();
        source.problem = texts::SourceUnreadable(path, error.message());
        return source;
    }
    if (!problems.isEmpty()) {
        source.store.reset();
        source.problem = texts::SourceIncomplete(path, problems);
        return source;
    }
    source.lists = ChoiceLists::FromCatalogue(source.store->versions(), source.store->modules());
    if (source.lists.keptVersion().isEmpty()) {
        source.store.reset();
        source.problem = texts::NoActiveVersion(path);
    }
    return source;
}

} // namespace customizer
