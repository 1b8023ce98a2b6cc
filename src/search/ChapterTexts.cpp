#include "search/ChapterTexts.h"

#include "search/LineMatch.h"
#include "store/Store.h"

#include <QStringDecoder>
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

// Decodes a chapter's UTF-8 into the arena, its lower-case form beside it; the result is what
// QString::fromUtf8 would give, Null and empty kept apart.
store::ChapterTextSink KeepIn(std::vector<ChapterTexts::Text>& texts, TextArena& arena) {
    return [&texts, &arena](int index, QByteArrayView utf8) {
        ChapterTexts::Text& text = texts[size_t(index)];
        if (utf8.isNull()) {
            text = {};
            return;
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                         QStringDecoder::Flag::ConvertInitialBom);
        char16_t* decoded = arena.take(decoder.requiredSpace(utf8.size()));
        const qsizetype size = decoder.appendToBuffer(reinterpret_cast<QChar*>(decoded), utf8) -
                               reinterpret_cast<QChar*>(decoded);
        arena.keep(size);
        char16_t* folded = arena.take(size);
        FoldCaseInto(decoded, size, folded);
        text = {QString::fromRawData(reinterpret_cast<QChar*>(decoded), size),
                QString::fromRawData(reinterpret_cast<QChar*>(folded), size)};
    };
}

} // namespace

const std::vector<ChapterTexts::Text>& ChapterTexts::column(const QString& name) {
    auto found = columns_.find(name);
    if (found == columns_.end()) {
        // Moving a column keeps its texts where they are: they live in the arenas' blocks.
        Column column;
        read(name, column);
        found = columns_.emplace(name, std::move(column)).first;
    }
    return found->second.texts;
}

// Decrypting the pages is most of the work, so a second connection reads the later half of
// the text on another thread while this one reads the first.
void ChapterTexts::read(const QString& name, Column& column) {
    const int count = int(store_.chapters().size());
    const int half = MiddleByVerses(store_.chapters());
    column.texts.resize(size_t(count));
    bool laterHalfRead = false;
    std::thread worker([&] {
        laterHalfRead =
            store_.chapterTextsApart(name, half, count, KeepIn(column.texts, column.later));
    });
    store_.chapterTexts(name, 0, half, KeepIn(column.texts, column.earlier));
    worker.join();
    // Without the second connection the store reads them, and reports a failed read.
    if (!laterHalfRead)
        store_.chapterTexts(name, half, count, KeepIn(column.texts, column.later));
}

} // namespace search
