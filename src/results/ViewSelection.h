#pragma once

#include <QString>

class QTextEdit;

namespace results {

// The selected text of a view exactly as it stands, paragraph ends as line breaks.
QString SelectedViewText(const QTextEdit* view);

// Appends text at the end of a view, keeping what it holds (the user may have edited it).
void AppendViewText(QTextEdit* view, const QString& text);

} // namespace results
