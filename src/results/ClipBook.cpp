#include "results/ClipBook.h"

namespace results {

QString ClipBookEntry(const QString& selectedText, const QString& prefix,
                      const std::optional<QString>& label, const QString& chosenBook) {
    return label.value_or(chosenBook) + prefix + selectedText + QStringLiteral("\n\n");
}

QString ClipboardText(const QString& selectedText) {
    return selectedText + u'\n';
}

} // namespace results
