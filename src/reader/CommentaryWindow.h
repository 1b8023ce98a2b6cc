#pragma once

#include <QWidget>

class QLabel;
class QTextEdit;

namespace platform {
class ReadingLook;
}

namespace reader {

// "Tafsiran Alkitab": the commentary of the chapter on screen, beside the main window.
// Closing only hides it.
class CommentaryWindow : public QWidget {
    Q_OBJECT
public:
    explicit CommentaryWindow(const platform::ReadingLook& look);

    // The chapter's title and its commentary (CR LF lines); an empty one is said so.
    void showChapter(const QString& title, const QString& commentary);
    QLabel* title() const { return title_; }
    QTextEdit* view() const { return view_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window, as its close button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void takeLook();

    const platform::ReadingLook& look_;
    QLabel* title_;
    QTextEdit* view_;
};

} // namespace reader
