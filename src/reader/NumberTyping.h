#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace reader {

// Digits typed into a list of numbers 1..count (chapters, verses) choose that number: "119"
// chooses 119. The choice is made as soon as no further digit could name an item, on Enter,
// or when typing pauses; until then the digits are collected.
class NumberTyping : public QObject {
    Q_OBJECT
public:
    NumberTyping(QWidget* list, std::function<int()> count);

signals:
    void numberChosen(int number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takeDigit(QChar digit);
    void choose();

    std::function<int()> count_;
    QString typed_;
    QTimer pause_;
};

} // namespace reader
