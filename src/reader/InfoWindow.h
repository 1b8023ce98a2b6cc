#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QTextEdit;

namespace store {
class Store;
}

namespace reader {

class ReaderSettings;

// Form14: the citation rules ("Etika") or the notice of rights ("HakCipta") from UsysInfo,
// with the box that shows the citation rules at every start.
class InfoWindow : public QDialog {
    Q_OBJECT
public:
    // store may be null: the text then stays empty.
    InfoWindow(ReaderSettings& settings, const store::Store* store, QWidget* parent = nullptr);

    // Sets lblEtika's topic, runs ChooseInfo and the box, and shows the window modally
    // without blocking the caller.
    void showTopic(const QString& topic);
    void ChooseInfo();

    // However the window closes, the box's state becomes the setting "Etika".
    void done(int result) override;

private:
    ReaderSettings& settings_;
    const store::Store* store_;
    QLabel* lblEtika_;
    QLabel* label1_;
    QTextEdit* richTextBox1_;
    QCheckBox* check1_;
};

} // namespace reader
