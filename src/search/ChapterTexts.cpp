#include "search/ChapterTexts.h"

#include "search/LineMatch.h"
#include "store/Store.h"

#include <thread>

namespace search {

namespace {

ChapterTexts::Text Folded(QString text) {
    QString folded = FoldCase(text);
    return {std::move(text), std::move(folded)};
}

} // namespace

// Decrypting the pages is most of the work, so a second connection reads the later half of
// the chapters on another thread while this one reads the first.
const std::vector<ChapterTexts::Text>& ChapterTexts::column(const QString& name) {
    auto found = columns_.find(name);
    if (found != columns_.end())
        return found->second;
    const int count = int(store_.chapters().size());
    const int half = count / 2;
    std::vector<Text> texts(static_cast<size_t>(count));
    bool laterHalfRead = false;
    std::thread worker([&] {
        auto later = store_.chapterTextsApart(name, half, count);
        if (!later)
            return;
        for (int index = half; index < count; ++index)
            texts[size_t(index)] = Folded(std::move((*later)[size_t(index - half)]));
        laterHalfRead = true;
    });
    for (int index = 0; index < half; ++index)
        texts[size_t(index)] = Folded(store_.chapterText(index, name));
    worker.join();
    // Without the second connection the store reads them, and reports a failed read.
    if (!laterHalfRead) {
        for (int index = half; index < count; ++index)
            texts[size_t(index)] = Folded(store_.chapterText(index, name));
    }
    return columns_.emplace(name, std::move(texts)).first->second;
}

} // namespace search
