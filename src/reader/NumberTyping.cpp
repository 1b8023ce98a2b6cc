#include "reader/NumberTyping.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace reader {

NumberTyping::NumberTyping(QWidget* list, std::function<int()> count)
    : QObject(list), count_(std::move(count)) {
    pause_.setSingleShot(true);
    pause_.setInterval(QApplication::keyboardInputInterval());
    connect(&pause_, &QTimer::timeout, this, &NumberTyping::choose);
    list->installEventFilter(this);
}

bool NumberTyping::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() == 1 && text[0].isDigit() && !(key->modifiers() & Qt::ControlModifier))
        return takeDigit(text[0]);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !typed_.isEmpty()) {
        choose();
        return true;
    }
    typed_.clear();
    pause_.stop();
    return false;
}

bool NumberTyping::takeDigit(QChar digit) {
    const int count = count_();
    typed_.append(digit);
    // A digit that names nothing with the ones before it begins a new number.
    if (typed_.toInt() > count || typed_.toInt() < 1)
        typed_ = digit;
    if (typed_.toInt() < 1 || typed_.toInt() > count) {
        typed_.clear();
        return true;
    }
    if (typed_.toInt() * 10 > count)
        choose();
    else
        pause_.start();
    return true;
}

void NumberTyping::choose() {
    pause_.stop();
    const int number = typed_.toInt();
    typed_.clear();
    if (number >= 1 && number <= count_())
        emit numberChosen(number);
}

} // namespace reader
