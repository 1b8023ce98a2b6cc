#pragma once

#include "customizer/ChoiceLists.h"

#include <QString>
#include <memory>

namespace store {
class Store;
}

namespace customizer {

// The source store, opened read-only, with the choice lists drawn from its catalogue.
struct SourceCatalogue {
    std::unique_ptr<store::Store> store; // null when the store could not be used
    ChoiceLists lists;
    QString problem; // the message naming why the store cannot be used
};

// LoadSourceCatalogue: a store that cannot be opened or read, or that has no active
// version to keep, comes back without a store and with its problem.
SourceCatalogue LoadSourceCatalogue(const QString& path);

} // namespace customizer
