#pragma once

#include <QObject>

class QLabel;
class QListWidget;
class QTextEdit;

namespace platform {
class Dialogs;
}

namespace reader {

// The reading font of rtf1 and how it spreads to the parallel view and the lists.
class ReadingFont : public QObject {
    Q_OBJECT
public:
    ReadingFont(QTextEdit* rtf1, QTextEdit* rtf2, QListWidget* list1, QListWidget* list2,
                QLabel* label3, platform::Dialogs& dialogs, QObject* parent);

    double size() const;
    QString name() const;
    void setFont(const QString& name, double size, bool bold);

    void fontUp();
    void fontDown();
    void fontReset();
    // "Ubah Ukuran dan Jenis Font...": nothing changes on cancel or on OK without a change.
    void chooseFont();
    void DetermineFontSetting();
    // The text wraps 400 twips before the view's right edge.
    static void ApplyWrapMargin(QTextEdit* view);

private:
    void resize(double size);

    QTextEdit* rtf1_;
    QTextEdit* rtf2_;
    QListWidget* list1_;
    QListWidget* list2_;
    QLabel* label3_;
    platform::Dialogs& dialogs_;
};

} // namespace reader
