#pragma once

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
    struct Text {
        QString text;   // null for a Null value
        QString folded; // FoldCase of text
    };

    explicit ChapterTexts(const store::Store& store) : store_(store) {}

    // Parallel to store.chapters().
    const std::vector<Text>& column(const QString& name);

private:
    const store::Store& store_;
    std::map<QString, std::vector<Text>> columns_;
};

} // namespace search
