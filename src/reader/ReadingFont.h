#pragma once

#include <QObject>

class QLabel;
class QListWidget;
class QTextEdit;

namespace platform {
class Dialogs;
class ReadingLook;
} // namespace platform

namespace reader {

// The main window's views that show the reading look.
struct ReadingViews {
    QTextEdit* rtf1;
    QTextEdit* rtf2;
    QListWidget* list1;
    QListWidget* list2;
    QLabel* label3;
};

// The font buttons and the font dialog change the reading look; the reading view, the
// parallel view and the lists follow it.
class ReadingFont : public QObject {
    Q_OBJECT
public:
    ReadingFont(platform::ReadingLook& look, const ReadingViews& views, platform::Dialogs& dialogs,
                QObject* parent);

    void fontUp();
    void fontDown();
    void fontReset();
    // "Ubah Ukuran dan Jenis Font...": nothing changes on cancel or on OK without a change.
    void chooseFont();
    // DetermineFontSetting: the views take the look.
    void DetermineFontSetting();
    // The text wraps 400 twips before the view's right edge.
    static void ApplyWrapMargin(QTextEdit* view);

private:
    platform::ReadingLook& look_;
    ReadingViews views_;
    platform::Dialogs& dialogs_;
};

} // namespace reader
