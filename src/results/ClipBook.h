#pragma once

#include <QString>
#include <optional>

namespace results {

// One ClipBook entry: label, prefix, the selected text and two line breaks. A caller that
// gives no label (not merely an empty one) is labelled with the book chosen in the main
// window's book list.
QString ClipBookEntry(const QString& selectedText, const QString& prefix,
                      const std::optional<QString>& label, const QString& chosenBook);

// What "Copy" puts on the system clipboard: the selection and one line break.
QString ClipboardText(const QString& selectedText);

} // namespace results
