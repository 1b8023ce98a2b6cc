#pragma once

#include <QTextEdit>

namespace reader {

// A read-only view of scripture text. caretMoved() comes after the view has handled a
// click or a key, so the caret it reports is where the user put it.
class ScriptureView : public QTextEdit {
    Q_OBJECT
public:
    ScriptureView(const QString& name, QWidget* parent);

signals:
    void clicked();
    void caretMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace reader
