#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace platform {
class Dialogs;
class SettingsStore;
} // namespace platform

namespace reader {

// Form15: points the reader at another data folder; the running program keeps its store
// and the new "Location" is used at the next start.
class DataLocationDialog : public QDialog {
    Q_OBJECT
public:
    DataLocationDialog(platform::Dialogs& dialogs, platform::SettingsStore& settings,
                       QString programFolder, QString dataFolder, QWidget* parent = nullptr);

    QLineEdit* txtLocation() const { return txtLocation_; }

    void browse();
    void confirm();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showFolder(const QString& folder, const QColor& colour);

    platform::Dialogs& dialogs_;
    platform::SettingsStore& settings_;
    QString programFolder_;
    QString dataFolder_;
    QString chosen_;
    QLineEdit* txtLocation_;
    QPushButton* cmdBrowse_;
    QPushButton* cmdOK_;
    QPushButton* cmdCancel_;
};

} // namespace reader
