#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace reader {

// "Buka Ayat": a box for a typed reference, and under it, over the view, a short line that
// says what was not understood. Enter hands the text on; typing again clears the line.
class ReferenceField : public QWidget {
    Q_OBJECT
public:
    // The problem line lies over overlayParent, below the box.
    ReferenceField(QWidget* overlayParent, QWidget* parent);

    QLineEdit* edit() const { return edit_; }
    QLabel* problemLine() const { return problem_; }
    // Ctrl+L: the box takes the keyboard with its text selected, ready to be typed over.
    void takeKeyboard();
    // The empty text hides the line.
    void showProblem(const QString& problem);

signals:
    void entered(const QString& text);

private:
    void placeProblem();

    QWidget* overlayParent_;
    QLineEdit* edit_;
    QLabel* problem_;
};

} // namespace reader
