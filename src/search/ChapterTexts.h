#pragma once

#include "search/TextArena.h"

#include <QString>
#include <map>
#include <vector>

namespace store {
class Store;
}

namespace search {

// A version column's chapter texts, each with its lower-case form, read from the store once
// and kept for later searches of the same column.
class ChapterTexts {
public:
    // Both strings are views of memory this object owns (QString::fromRawData): a copy that
    // must outlive it is made with QString(text.constData(), text.size()).
    struct Text {
        QString text;   // null for a Null value
        QString folded; // FoldCase of text
    };

    explicit ChapterTexts(const store::Store& store) : store_(store) {}

    // Parallel to store.chapters().
    const std::vector<Text>& column(const QString& name);
    // FoldAccents of each folded text, made on the first search that folds and then kept;
    // null where the text is.
    const std::vector<QString>& withoutAccents(const QString& name);

private:
    struct Column {
        std::vector<Text> texts;
        TextArena earlier; // the first half, filled by this thread
        TextArena later;   // the second half, filled by the worker thread
    };
    void read(const QString& name, Column& column);

    const store::Store& store_;
    std::map<QString, Column> columns_;
    std::map<QString, std::vector<QString>> withoutAccents_;
};

} // namespace search
