#pragma once

#include <QString>

namespace reader {

inline const QString kHelpFileName = QStringLiteral("vr200.html");

// The user guide: the one in the data folder, else the one in the program folder; empty
// when neither folder has it.
QString FindHelpFile(const QString& dataFolder, const QString& programFolder);

// Shown when neither folder holds the guide.
QString MissingHelpMessage(const QString& programFolder);
// Shown when the desktop has no viewer that opens the guide.
QString HelpNotOpenedMessage(const QString& path);

} // namespace reader
