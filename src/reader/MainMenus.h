#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace reader {

class TwoColumnMenu;
class VersionTable;

// The main window's menu bar and popup menus; every item carries its control name as
// objectName and is found by it.
class MainMenus : public QObject {
    Q_OBJECT
public:
    explicit MainMenus(QMainWindow* window);

    QAction* action(const QString& name) const;
    QMenu* menuEdit() const { return menuEdit_; }
    QMenu* opsiVersiKitab() const { return opsiVersiKitab_; }
    QMenu* menuOpsiPadanan() const { return menuOpsiPadanan_; }
    QMenu* menuRef() const { return menuRef_; }

    // BuildVersionMenus: VersiKitab and OpsiKitab items 1..count, inactive ones hidden.
    void buildVersionItems(const VersionTable& table);
    // Only the given entry carries the check mark (0: none).
    void checkVersion(int entry);
    void checkParallel(int entry);

signals:
    void versionChosen(int entry);
    void parallelChosen(int entry);

private:
    QMenu* addMenu(const QString& title, const QString& name);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                     bool checkable = false);
    void addSeparator(QMenu* menu);
    void buildMenuBar();
    void buildPopups();

    QMainWindow* window_;
    QHash<QString, QAction*> actions_;
    QList<QAction*> versiKitab_;
    QList<QAction*> opsiKitab_;
    QMenu* alkitab_ = nullptr;
    TwoColumnMenu* columns_ = nullptr;
    QMenu* menuEdit_ = nullptr;
    QMenu* menuRef_ = nullptr;
    QMenu* opsiVersiKitab_ = nullptr;
    QMenu* menuOpsiPadanan_ = nullptr;
    int separators_ = 0;
};

} // namespace reader
