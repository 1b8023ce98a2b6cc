#pragma once

#include <QFrame>

class QListWidget;

namespace reader {

class History;

// The history shown on Ctrl+F9: ListHistory under its caption panel cmdPanel, lying over the
// reading view just right of its left edge. It only shows the history; the keys move in it.
class HistoryList : public QFrame {
    Q_OBJECT
public:
    HistoryList(const History& history, QWidget* readingView, QWidget* parent);

    QListWidget* list() const { return list_; }
    void toggle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void place();

    const History& history_;
    QWidget* readingView_;
    QWidget* cmdPanel_;
    QListWidget* list_;
};

} // namespace reader
