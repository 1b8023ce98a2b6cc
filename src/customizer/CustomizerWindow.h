#pragma once

#include "customizer/SourceCatalogue.h"
#include "customizer/StopToken.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace platform {
class Dialogs;
class SettingsStore;
} // namespace platform

namespace customizer {

struct BuildCheck;

// versipack's one window: five pages on the tab strip "ss", reached in order.
class CustomizerWindow : public QWidget {
    Q_OBJECT

public:
    CustomizerWindow(platform::Dialogs& dialogs, platform::SettingsStore& settings,
                     const QString& programFolder, QWidget* parent = nullptr);
    ~CustomizerWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildDatabasePage();
    QWidget* buildVersionsPage();
    QWidget* buildModulesPage();
    QWidget* buildConfirmPage();
    QWidget* buildFinishPage();
    QPushButton* button(const char* name, const QString& caption, void (CustomizerWindow::*slot)());
    QListWidget* list(const char* name, const QString& accessibleName);
    // Sets the tip a screen reader also says: the captions alone are arrows or English.
    static QPushButton* tip(QPushButton* button, const QString& text);
    QLabel* label(const char* name, const QString& text);

    void browseSource();
    void browseDestination();
    void nextFromDatabase();
    void nextFromVersions();
    void nextFromModules();
    void startBuild();
    void backToDatabase();
    void backToVersions();
    void backToModules();
    void closeWizard();
    void goTo(int tab);
    void closeLaterPages(int tab);
    void refuseBuild(const BuildCheck& check);
    void showLists();
    void tell(const QString& text);
    void UpdateProgress(int copied, int total);
    void restoreConfirmPage();

    void chooseVersion();
    void chooseAllVersions();
    void returnVersion();
    void returnAllVersions();
    void chooseModule();
    void chooseAllModules();
    void returnModule();
    void returnAllModules();

    platform::Dialogs& dialogs_;
    SourceCatalogue source_;
    StopToken stop_;
    bool building_ = false;
    bool closeWhenStopped_ = false;
    QElapsedTimer sinceEvents_;

    QTabWidget* ss_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QListWidget* list1_;
    QListWidget* list2_;
    QListWidget* list3_;
    QListWidget* list4_;
    QListWidget* list5_;
    QLabel* label7_;
    QLabel* label14_;
    QLabel* sourceOnModules_;
    QLabel* destinationOnModules_;
    QLabel* label12_;
    QLabel* label13_;
    QLabel* lblProgress_;
    QProgressBar* progressBar_;
    QPushButton* command15_;
    QPushButton* command17_;
};

} // namespace customizer
