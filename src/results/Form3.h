#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace search {
class StopToken;
}

namespace results {

// The search progress window: the running count, the elapsed time, and a stop button that,
// like the Escape key, asks the running search to stop.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(search::StopToken& stop, QWidget* parent = nullptr);

    // Shows the window for a search that started at startTime.
    void start(const QString& startTime);
    // Label1 and Label2: each change is copied into its box.
    void setStatus(const QString& status);
    void setElapsed(const QString& elapsed);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    search::StopToken& stop_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label4_;
    QLineEdit* status_;
    QLineEdit* elapsed_;
};

} // namespace results
