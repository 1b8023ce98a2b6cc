#include "support/SampleSearch.h"

#include "support/BenchSupport.h"

#include <memory>

namespace bench {

store::Store* SampleStore() {
    static std::unique_ptr<store::Store> store = [] {
        const QString path = SamplePath();
        return path.isEmpty() ? nullptr : store::Store::Open(path);
    }();
    return store.get();
}

search::SearchRequest WholeBibleRequest(const QString& text) {
    search::SearchRequest request;
    request.text = text;
    request.scope = search::Scope::WholeBible;
    request.column = SampleStore()->versions().front().namaTabel;
    request.versionName = SampleStore()->versions().front().namaVersi;
    request.caption = QStringLiteral("Vermara");
    return request;
}

} // namespace bench
