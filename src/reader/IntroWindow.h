#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QRadioButton;
class QTextEdit;

namespace platform {
class ReadingLook;
}
namespace store {
struct BookRow;
}

namespace reader {

// The study texts of a book's row that the introduction views show.
enum class BookText { Intro, Pengantar, CiriKhas, Survai };
QString BookStudyText(const store::BookRow* row, BookText text);

// Form8: a book's introduction or notes beside the main window. Its choices Pengantar,
// CiriKhas and Survai show those notes of the book the navigator shows. Closing only hides.
class IntroWindow : public QWidget {
    Q_OBJECT
public:
    // The view follows the reading look; row gives the book shown.
    IntroWindow(const platform::ReadingLook& look, std::function<const store::BookRow*()> row);

    // "Pengantar Alkitab" without the choices, or "Keterangan Alkitab" with them.
    void showCaption(const QString& caption, bool withChoices);
    void setText(const QString& text);
    // Sets a choice (0: Pengantar, 1: CiriKhas, 2: Survai) and shows its text.
    void choose(int choice);
    // The text of the choice that is set (Pengantar when none is).
    BookText chosenText() const;
    QTextEdit* rtf1() const { return rtf1_; }

signals:
    // The user closed the window.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window, as its close button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void takeLook();

    const platform::ReadingLook& look_;
    std::function<const store::BookRow*()> row_;
    QLabel* title_;
    QWidget* picture1_;
    QRadioButton* options_[3];
    QTextEdit* rtf1_;
    QLabel* status_;
};

} // namespace reader
