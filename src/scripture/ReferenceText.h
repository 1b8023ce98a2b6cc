#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace store {
class Store;
}

namespace scripture {

// The text of one chapter in the first version (Kitab1), or nullopt when the store holds
// no such chapter.
using ChapterTextSource = std::function<std::optional<QString>(const QString& book, int chapter)>;

// The verse lines that a location key names, joined by CR LF without a trailing line break;
// nullopt when the key is malformed, the chapter is missing or its first verse is not there.
// A view shows the result only when there is one, so a failure leaves it as it was.
std::optional<QString> ReferenceLines(const QString& key, const ChapterTextSource& kitab1Text);

// ReferenceLines over the store's chapter table.
std::optional<QString> ShowReferenceText(const QString& key, const store::Store& store);

} // namespace scripture
