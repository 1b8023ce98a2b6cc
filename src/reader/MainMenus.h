#pragma once

#include "reader/CommandTable.h"

#include <QMap>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace reader {

class TwoColumnMenu;
class VersionTable;

// The main window's menu bar and popup menus, made from the command table; every item
// carries its control name as objectName and is reached by its command.
class MainMenus : public QObject {
    Q_OBJECT
public:
    explicit MainMenus(QMainWindow* window);

    // The item of a command of the table; never null for a command with a row.
    QAction* action(ReaderCommand command) const;
    QMenu* menu(CommandMenu menu) const { return menus_.value(menu); }
    QMenu* menuEdit() const { return menu(CommandMenu::Edit); }
    QMenu* opsiVersiKitab() const { return opsiVersiKitab_; }
    QMenu* menuOpsiPadanan() const { return menu(CommandMenu::OpsiPadanan); }
    QMenu* menuRef() const { return menuRef_; }

    // BuildVersionMenus: VersiKitab and OpsiKitab items 1..count, inactive ones hidden.
    void buildVersionItems(const VersionTable& table);
    // Only the given entry carries the check mark (0: none).
    void checkVersion(int entry);
    void checkParallel(int entry);
    // The check marks of the option items show the options, now and after every change.
    void showOptions(const ReaderOptions& options);
    // CheckAvailableMenu: items and menus of switched-off modules are hidden.
    void applyModuleSwitches(const std::array<bool, store::kModuleCount>& switches);

signals:
    void commandTriggered(reader::ReaderCommand command);
    void versionChosen(int entry);
    void parallelChosen(int entry);

private:
    void buildMenus();
    void addItem(const CommandRow& row);
    void addKey(const KeyRow& row);
    void addSeparator(QMenu* menu);

    QMainWindow* window_;
    QMap<CommandMenu, QMenu*> menus_;
    QMap<ReaderCommand, QAction*> actions_;
    QList<QAction*> versiKitab_;
    QList<QAction*> opsiKitab_;
    QMenu* alkitab_ = nullptr;
    TwoColumnMenu* columns_ = nullptr;
    QMenu* menuRef_ = nullptr;
    QMenu* opsiVersiKitab_ = nullptr;
    int separators_ = 0;
};

} // namespace reader
