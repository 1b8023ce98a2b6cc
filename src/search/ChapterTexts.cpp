#include "search/ChapterTexts.h"

#include "search/LineMatch.h"
#include "store/Store.h"

namespace search {

const std::vector<ChapterTexts::Text>& ChapterTexts::column(const QString& name) {
    auto found = columns_.find(name);
    if (found != columns_.end())
        return found->second;
    std::vector<Text> texts;
    const int count = int(store_.chapters().size());
    texts.reserve(size_t(count));
    for (int index = 0; index < count; ++index) {
        QString text = store_.chapterText(index, name);
        QString folded = FoldCase(text);
        texts.push_back({std::move(text), std::move(folded)});
    }
    return columns_.emplace(name, std::move(texts)).first->second;
}

} // namespace search
