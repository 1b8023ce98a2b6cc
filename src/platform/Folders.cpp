#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString ProgramFolder() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QString real = program.canonicalPath();
    return real.isEmpty() ? program.absolutePath() : real;
}

QString GetTempFolder() {
    // Qt gives no path when TMPDIR names a missing folder; results files still need a home.
    const QString folder = QDir::tempPath();
    return folder.isEmpty() ? QStringLiteral("/tmp") : folder;
}

QString UserDataFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder;
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

bool DeleteFileIfExists(const QString& path) {
    const QFileInfo info(path);
    // exists() follows links, so a dangling link would otherwise count as no file.
    if (!info.exists() && !info.isSymLink())
        return true;
    return QFile::remove(path);
}

} // namespace platform
