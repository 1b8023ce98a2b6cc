#pragma once

#include <QString>

namespace platform {

// The real folder of the running program, links resolved: an installed program started
// through bin/vermara finds its store in lib/vermara.
QString ProgramFolder();

// The system's temporary folder (TMPDIR, or /tmp when that folder is missing), where
// results files go.
QString GetTempFolder();

// The per-user data folder for files that must survive a reboot; created when missing.
QString UserDataFolder();

// folder + "/" + name, without doubling a "/" the folder already ends with. An empty folder
// gives "/" + name.
QString JoinPath(const QString& folder, const QString& name);

// Removes the file when there is one. True when no file is left under that name.
bool DeleteFileIfExists(const QString& path);

} // namespace platform
