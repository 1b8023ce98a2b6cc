#pragma once

#include <QString>

namespace platform {

// The real folder of the running program, links resolved: an installed program started
// through bin/vermara finds its store in lib/vermara.
QString ProgramFolder();

// The system's temporary folder (TMPDIR, or /tmp when that folder is missing), where
// results files go.
QString GetTempFolder();

// A folder of the user's own inside tempFolder for results files: "vermara-<uid>", mode 0700,
// made when missing. The temporary folder is shared, so a folder of that name that is a link,
// not the user's or open to others is not used: a fresh "vermara-<uid>-XXXXXX" is made
// instead. Empty when no folder can be made. owner is the user id the folder must belong to.
QString PrivateTempFolder(const QString& tempFolder);
QString PrivateTempFolder(const QString& tempFolder, uint owner);

// The per-user data folder for files that must survive a reboot; created when missing.
QString UserDataFolder();

// folder + "/" + name, without doubling a "/" the folder already ends with. An empty folder
// gives "/" + name.
QString JoinPath(const QString& folder, const QString& name);

// Removes the file when there is one. True when no file is left under that name.
bool DeleteFileIfExists(const QString& path);

} // namespace platform
