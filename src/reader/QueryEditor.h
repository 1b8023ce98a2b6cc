#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace reader {

// Form16: room to write a long search expression over several lines. "OK" copies it back
// into the search text; Escape leaves the search text as it was.
class QueryEditor : public QDialog {
    Q_OBJECT
public:
    explicit QueryEditor(QWidget* parent);

    // Opens modally below the search bar (300 twips under its top, at the search text's left).
    void edit(QLineEdit* searchText, const QWidget* searchBar);
    QPlainTextEdit* text1() const { return text1_; }

private:
    QPlainTextEdit* text1_;
};

// The search text holds one line: the editor's lines are joined with blanks.
QString QueryEditorText(const QString& edited);

} // namespace reader
