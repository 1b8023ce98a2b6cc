#pragma once

#include <QFrame>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace reader {

// picSearchBar: search text, scope, " Kata Tepat" and the find buttons on the inner strip
// SearchBar, which the user can drag sideways; cmdResetPos (or a double click on the strip)
// puts it back.
class SearchBar : public QFrame {
    Q_OBJECT
public:
    explicit SearchBar(QWidget* parent);

    QLineEdit* text1() const { return text1_; }
    QComboBox* combo2() const { return combo2_; }
    QCheckBox* check1() const { return check1_; }
    // "Kata Utuh" and the folding of accents and apostrophe forms, both off at start; they sit
    // in the menu of the button "Opsi" so that the strip keeps its width.
    QAction* wholeWords() const { return wholeWords_; }
    QAction* fold() const { return fold_; }
    QToolButton* optionsButton() const { return options_; }
    QPushButton* command(int k) const; // Command1..4
    QWidget* strip() const { return strip_; }
    QToolButton* resetButton() const { return cmdResetPos_; }

    // DetermineComboWidth: the scope list drops down wide enough for its longest text.
    void determineComboWidth();
    // How far the strip was dragged from its place; 0 when it is there.
    int stripOffset() const { return offset_; }
    void moveStrip(int offset);
    void resetStrip() { moveStrip(0); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildStrip();
    void buildOptions();
    // "Opsi" is marked while an option is on, so that a narrowed search does not go unseen.
    void markOptions();
    void placeStrip();

    QWidget* strip_;
    QToolButton* cmdResetPos_;
    QLineEdit* text1_;
    QComboBox* combo2_;
    QCheckBox* check1_;
    QToolButton* options_;
    QAction* wholeWords_;
    QAction* fold_;
    QPushButton* commands_[4];
    int offset_ = 0;
    int dragFrom_ = -1; // global x where a drag began, -1 when none
    int dragOffset_ = 0;
};

} // namespace reader
