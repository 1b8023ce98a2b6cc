#pragma once

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace reader {

// picSearchBar: search text, scope, " Kata Tepat" and the find buttons.
class SearchBar : public QFrame {
    Q_OBJECT
public:
    explicit SearchBar(QWidget* parent);

    QLineEdit* text1() const { return text1_; }
    QComboBox* combo2() const { return combo2_; }
    QCheckBox* check1() const { return check1_; }
    QPushButton* command(int k) const; // Command1..4

    // DetermineComboWidth: the scope list drops down wide enough for its longest text.
    void determineComboWidth();

private:
    QLineEdit* text1_;
    QComboBox* combo2_;
    QCheckBox* check1_;
    QPushButton* commands_[4];
};

} // namespace reader
