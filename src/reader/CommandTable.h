#pragma once

#include "reader/ReaderCommand.h"
#include "reader/ReaderOptions.h"
#include "store/ModuleSwitches.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// The frame's commands in one table: menus, popup menus, tool buttons and their bindings are
// made from these rows, so a command without an item or an item without a command cannot be.
namespace reader {

enum class CommandMenu {
    Deuterokanonika,
    Artikel,
    Lihat,
    Setting,
    Tampilan,
    Info,
    Edit,
    OpsiPadanan
};

struct MenuRow {
    CommandMenu menu;
    QString name;   // objectName of the menu; its menu action is named action
    QString action; // empty when nothing finds the menu's own action
    QString title;
    QString module; // module switch that hides the whole menu, or empty
    bool popup = false;
};

struct CommandRow {
    CommandMenu menu;
    QString name; // objectName of the menu item
    QString caption;
    bool checkable = false;
    QString shortcut; // as QKeySequence reads it, empty for none
    ReaderCommand command;
    QString module; // module switch that hides the item, or empty
    bool separatorBefore = false;
    std::optional<Option> option; // the option a check mark shows and flips
    bool bound = true;            // false: the item is there, nothing answers it yet
};

// Keys of the main window that have no menu item; they work wherever the focus is.
struct KeyRow {
    QString name; // objectName of the window's action
    QString shortcut;
    ReaderCommand command;
};

// The search bar's buttons Command1..Command4.
struct SearchButtonRow {
    int button;
    ReaderCommand command;
};

// Tool buttons 1..13 but 10, which reopens the results page last chosen.
struct ToolButtonRow {
    int button;
    ReaderCommand command;
    QString module; // the button does nothing while this module is switched off
};

inline constexpr int kResultsButton = 10;

// Menus in the order of the menu bar, then the popups.
const std::vector<MenuRow>& MenuRows();
// Items in the order they appear within each menu.
const std::vector<CommandRow>& CommandRows();
const std::vector<ToolButtonRow>& ToolButtonRows();
const std::vector<KeyRow>& KeyRows();
const std::vector<SearchButtonRow>& SearchButtonRows();
// The row of a command that has a menu item; nullptr for one raised only by buttons.
const CommandRow* FindCommandRow(ReaderCommand command);
const ToolButtonRow* FindToolButtonRow(int button);

// Whether a row's module is switched on; a row without a module always is. switches are in
// the order of store::ModuleNames().
bool ModuleOn(const std::array<bool, store::kModuleCount>& switches, const QString& module);

inline constexpr int kMarkedButtons = 10;
inline const QString kUnavailableMark = QStringLiteral("_NON_AKTIF");

// Availability marks of tool buttons 1..10 (mark k belongs to button k+1): empty, or
// "_NON_AKTIF" when the button's module is switched off.
std::array<QString, kMarkedButtons> ModuleMarks(const std::array<bool, store::kModuleCount>& on);

} // namespace reader
