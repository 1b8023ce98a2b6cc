#pragma once

#include "scripture/Notations.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace platform {
class ReadingLook;
}

namespace reader {

// Form13: the places of one cross reference; the chosen one is announced as a location key.
// Items marked with "*" lie in an Old Testament the active version lacks and cannot be chosen.
class JumpWindow : public QDialog {
    Q_OBJECT
public:
    // The list takes the reading font's family.
    JumpWindow(const platform::ReadingLook& look, QWidget* parent);

    // FillJumpList's items; the first is selected.
    void FillJumpList(const QStringList& items);

    QListWidget* list1() const { return list1_; }
    QPushButton* ok() const { return ok_; }

signals:
    void locationChosen(const scripture::LocationKey& key);

private:
    void confirm();
    void takeLook();

    const platform::ReadingLook& look_;
    QListWidget* list1_;
    QPushButton* ok_;     // Command2
    QPushButton* cancel_; // Command1
};

} // namespace reader
