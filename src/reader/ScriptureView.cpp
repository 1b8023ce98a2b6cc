#include "reader/ScriptureView.h"

#include <QMouseEvent>

namespace reader {

ScriptureView::ScriptureView(const QString& name, QWidget* parent) : QTextEdit(parent) {
    setObjectName(name);
    setReadOnly(true);
    setAcceptRichText(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void ScriptureView::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    emit clicked();
    emit caretMoved();
}

void ScriptureView::keyReleaseEvent(QKeyEvent* event) {
    QTextEdit::keyReleaseEvent(event);
    emit caretMoved();
}

} // namespace reader
