#pragma once

#include "store/ModuleSwitches.h"

#include <QString>
#include <array>

namespace reader {

// The main window's command for a study module of the store's switches.
struct ModuleCommand {
    QString menuItem;   // objectName of its menu action
    int toolButton = 0; // 1..13, 0 when the module has no tool button
};

inline constexpr int kMarkedButtons = 10;
inline const QString kUnavailableMark = QStringLiteral("_NON_AKTIF");

// In the order of store::ModuleNames().
const std::array<ModuleCommand, store::kModuleCount>& ModuleCommands();

// Availability marks of tool buttons 1..10 (mark k belongs to button k+1): empty, or
// "_NON_AKTIF" when the button's module is switched off.
std::array<QString, kMarkedButtons> ModuleMarks(const std::array<bool, store::kModuleCount>& on);

} // namespace reader
