#pragma once

#include <QListWidget>

namespace reader {

// A list whose every choice counts: a keyboard move to another row and every mouse click,
// also on the row already current, raise chosen() once.
class ChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent = nullptr);

signals:
    void chosen(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool pressing_ = false;
    bool changedByPress_ = false; // the press moved the current row: its click is done
};

} // namespace reader
