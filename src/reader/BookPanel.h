#pragma once

#include "reader/ChoiceList.h"

#include <QFrame>

class QComboBox;
class QLabel;
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
    ChoiceList* list1() const { return list1_; }
    ChoiceList* list2() const { return list2_; }
    QComboBox* combo1() const { return combo1_; }
    HoverLabel* hoverLabel() const { return hover_; }

private:
    QRadioButton* option1_;
    QRadioButton* option2_;
    ChoiceList* list1_;
    ChoiceList* list2_;
    QComboBox* combo1_;
    HoverLabel* hover_;
};

} // namespace reader
