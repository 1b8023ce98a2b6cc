#pragma once

#include "search/SearchKeys.h"
#include "store/Store.h"

#include <QString>

namespace bench {

// The sample store, opened once per program; nullptr when there is none.
store::Store* SampleStore();

// "Cari Semua" of text over the whole Bible in the sample store's first version.
search::SearchRequest WholeBibleRequest(const QString& text);

} // namespace bench
