#pragma once

#include <QFrame>

class QListWidget;

namespace reader {

class History;

// The history shown on Ctrl+F9: ListHistory under its caption panel cmdPanel, lying over the
// reading view just right of its left edge. Shown, it has the keyboard: Enter or a double click
// goes to an entry, Escape puts the list away and gives the reading view the keyboard back.
class HistoryList : public QFrame {
    Q_OBJECT
public:
    HistoryList(const History& history, QWidget* readingView, QWidget* parent);

    QListWidget* list() const { return list_; }
    void toggle();

signals:
    // An entry of the list, by its index, is to be shown.
    void entryChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void place();
    void close();

    const History& history_;
    QWidget* readingView_;
    QWidget* cmdPanel_;
    QListWidget* list_;
};

} // namespace reader
