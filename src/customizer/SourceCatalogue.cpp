#include "customizer/SourceCatalogue.h"

#include "customizer/CustomizerTexts.h"
#include "store/Store.h"
#include "store/StoreError.h"

namespace customizer {

SourceCatalogue LoadSourceCatalogue(const QString& path) {
    SourceCatalogue source;
    try {
        source.store = store::Store::Open(path);
    } catch (const store::StoreError& error) {
        source.problem = texts::SourceUnreadable(error.message());
        return source;
    }
    source.lists = ChoiceLists::FromCatalogue(source.store->versions(), source.store->modules());
    if (source.lists.keptVersion().isEmpty()) {
        source.store.reset();
        source.problem = texts::NoActiveVersion();
    }
    return source;
}

} // namespace customizer
