#pragma once

#include <QString>

namespace platform {

// The program's product name, in titles, messages and the about item.
inline const QString kProductName = QStringLiteral("Vermara");

// The program's version as titles and the status line carry it: " 2.0.0 ".
QString VersionText();

// The main window's caption while a version with this title notice is active:
// "Vermara 2.0.0 - (c) LAI 1974".
QString MainWindowCaption(const QString& notice);

} // namespace platform
