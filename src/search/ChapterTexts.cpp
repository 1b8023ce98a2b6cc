#include "search/ChapterTexts.h"

#include "search/LineMatch.h"
#include "store/Store.h"

#include <thread>

namespace search {

namespace {

// The index that splits the chapters into two parts of about as many verses, so that
// both threads have about as much text to read.
int MiddleByVerses(const std::vector<store::ChapterRow>& chapters) {
    qint64 total = 0;
    for (const store::ChapterRow& row : chapters)
        total += std::max<qint16>(row.ayat, 1);
    qint64 sum = 0;
    int index = 0;
    while (index < int(chapters.size()) && 2 * sum < total)
        sum += std::max<qint16>(chapters[size_t(index++)].ayat, 1);
    return index;
}

ChapterTexts::Text Folded(QString text) {
    QString folded = FoldCase(text);
    return {std::move(text), std::move(folded)};
}

} // namespace

// Decrypting the pages is most of the work, so a second connection reads the later half of
// the text on another thread while this one reads the first.
const std::vector<ChapterTexts::Text>& ChapterTexts::column(const QString& name) {
    auto found = columns_.find(name);
    if (found != columns_.end())
        return found->second;
    const int count = int(store_.chapters().size());
    const int half = MiddleByVerses(store_.chapters());
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
