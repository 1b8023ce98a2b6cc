#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace reader {

class HoverLabel;

// Frame1: testament choice, book list, chapter list and verse chooser.
class BookPanel : public QFrame {
    Q_OBJECT
public:
    BookPanel(QWidget* overlayParent, QWidget* parent);

    QRadioButton* option1() const { return option1_; }
    QRadioButton* option2() const { return option2_; }
    QListWidget* list1() const { return list1_; }
    QListWidget* list2() const { return list2_; }
    QComboBox* combo1() const { return combo1_; }
    HoverLabel* hoverLabel() const { return hover_; }

private:
    QRadioButton* option1_;
    QRadioButton* option2_;
    QListWidget* list1_;
    QListWidget* list2_;
    QComboBox* combo1_;
    HoverLabel* hover_;
};

} // namespace reader
