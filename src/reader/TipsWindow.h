#pragma once

#include "reader/TipList.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace reader {

class ReaderSettings;

// Form10, "Tip Penggunaan Program": one tip at a time, next and previous wrapping round.
class TipsWindow : public QDialog {
    Q_OBJECT
public:
    // random: a number in [0, 1) that picks the first tip.
    TipsWindow(ReaderSettings& settings, TipList tips, double random, QWidget* parent = nullptr);

    int number() const { return number_; }
    void ShowTip(int number);
    // Before each showing: the reading font's name, the check box from the setting.
    void prepare(const QString& readingFontName);

signals:
    // "Tutup" wrote the setting "Tip"; the main window's MenuShowTip follows it.
    void tipsAtStartChanged(bool show);

private:
    void tutup();

    ReaderSettings& settings_;
    TipList tips_;
    int number_ = 0;
    QLabel* label2_;
    QCheckBox* check1_;
    QPushButton* command2_;
};

} // namespace reader
