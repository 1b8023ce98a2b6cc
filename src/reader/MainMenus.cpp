#include "reader/MainMenus.h"

#include "reader/TwoColumnMenu.h"
#include "reader/VersionTable.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>

namespace reader {

namespace {

// A version's item: checkable, hidden while the version is not active in this store.
QAction* VersionItem(QObject* owner, const QString& name, const VersionEntry& entry) {
    auto* item = new QAction(entry.name, owner);
    item->setObjectName(name);
    item->setCheckable(true);
    item->setVisible(entry.active);
    return item;
}

// Items are numbered from 1 like the version entries; 0 checks none.
void CheckOnly(const QList<QAction*>& items, int entry) {
    for (int k = 1; k <= items.size(); ++k)
        items[k - 1]->setChecked(k == entry);
}

} // namespace

MainMenus::MainMenus(QMainWindow* window) : QObject(window), window_(window) {
    alkitab_ = window_->menuBar()->addMenu(QStringLiteral("&Alkitab"));
    alkitab_->setObjectName(QStringLiteral("MenuAlkitab"));
    columns_ = new TwoColumnMenu(alkitab_);
    opsiVersiKitab_ = new QMenu(QStringLiteral("Opsi"), window_);
    opsiVersiKitab_->setObjectName(QStringLiteral("OpsiVersiKitab"));
    buildMenus();
}

void MainMenus::buildMenus() {
    for (const MenuRow& row : MenuRows()) {
        QMenu* menu = row.popup ? new QMenu(window_) : window_->menuBar()->addMenu(row.title);
        menu->setObjectName(row.name);
        if (!row.action.isEmpty())
            menu->menuAction()->setObjectName(row.action);
        menus_.insert(row.menu, menu);
    }
    for (const CommandRow& row : CommandRows())
        addItem(row);
    for (const KeyRow& row : KeyRows())
        addKey(row);
    addSeparator(menuEdit());
    menuRef_ = menuEdit()->addMenu(QStringLiteral("Referensi Silang"));
    menuRef_->setObjectName(QStringLiteral("MenuRefMenu"));
    menuRef_->menuAction()->setObjectName(QStringLiteral("MenuRef"));
    menuRef_->addAction(QStringLiteral("<tidak ada referensi>"))
        ->setObjectName(QStringLiteral("MenuRefs1"));
}

void MainMenus::addItem(const CommandRow& row) {
    QMenu* menu = menus_.value(row.menu);
    if (row.separatorBefore)
        addSeparator(menu);
    QAction* action = menu->addAction(row.caption);
    action->setObjectName(row.name);
    action->setCheckable(row.checkable);
    if (!row.shortcut.isEmpty())
        action->setShortcut(QKeySequence(row.shortcut));
    const ReaderCommand command = row.command;
    connect(action, &QAction::triggered, this, [this, command] { emit commandTriggered(command); });
    actions_.insert(command, action);
}

void MainMenus::addKey(const KeyRow& row) {
    auto* action = new QAction(window_);
    action->setObjectName(row.name);
    action->setShortcut(QKeySequence(row.shortcut));
    window_->addAction(action);
    const ReaderCommand command = row.command;
    connect(action, &QAction::triggered, this, [this, command] { emit commandTriggered(command); });
    actions_.insert(command, action);
}

void MainMenus::addSeparator(QMenu* menu) {
    menu->addSeparator()->setObjectName(QStringLiteral("sep%1").arg(++separators_));
}

QAction* MainMenus::action(ReaderCommand command) const {
    return actions_.value(command);
}

void MainMenus::showOptions(const ReaderOptions& options) {
    for (const CommandRow& row : CommandRows()) {
        if (row.option)
            action(row.command)->setChecked(options.isOn(*row.option));
    }
    connect(&options, &ReaderOptions::changed, this, [this, &options](Option option) {
        for (const CommandRow& row : CommandRows()) {
            if (row.option == option)
                action(row.command)->setChecked(options.isOn(option));
        }
    });
}

void MainMenus::applyModuleSwitches(const std::array<bool, store::kModuleCount>& switches) {
    for (const CommandRow& row : CommandRows()) {
        if (!ModuleOn(switches, row.module))
            action(row.command)->setVisible(false);
    }
    for (const MenuRow& row : MenuRows()) {
        if (!ModuleOn(switches, row.module))
            menu(row.menu)->menuAction()->setVisible(false);
    }
}

void MainMenus::buildVersionItems(const VersionTable& table) {
    for (int k = 1; k <= table.count(); ++k) {
        QAction* versi = VersionItem(alkitab_, QStringLiteral("VersiKitab%1").arg(k), table.at(k));
        connect(versi, &QAction::triggered, this, [this, k] { emit versionChosen(k); });
        versiKitab_.append(versi);
        QAction* opsi =
            VersionItem(opsiVersiKitab_, QStringLiteral("OpsiKitab%1").arg(k), table.at(k));
        opsiVersiKitab_->addAction(opsi);
        connect(opsi, &QAction::triggered, this, [this, k] { emit parallelChosen(k); });
        opsiKitab_.append(opsi);
    }
    columns_->setItems(versiKitab_);
}

void MainMenus::checkVersion(int entry) {
    CheckOnly(versiKitab_, entry);
}

void MainMenus::checkParallel(int entry) {
    CheckOnly(opsiKitab_, entry);
}

} // namespace reader
