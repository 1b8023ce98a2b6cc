#include "results/ViewSelection.h"

#include <QTextCursor>
#include <QTextEdit>

namespace results {

QString SelectedViewText(const QTextEdit* view) {
    QString text = view->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

void AppendViewText(QTextEdit* view, const QString& text) {
    QTextCursor end(view->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
}

} // namespace results
