#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// A real folder (not a link to one) of owner that no one else may enter.
bool IsPrivateFolder(const QByteArray& path, uint owner) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == owner &&
           (info.st_mode & 077) == 0;
}

} // namespace

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

QString PrivateTempFolder(const QString& tempFolder) {
    return PrivateTempFolder(tempFolder, ::geteuid());
}

QString PrivateTempFolder(const QString& tempFolder, uint owner) {
    const QByteArray path = QFile::encodeName(
        JoinPath(tempFolder, QStringLiteral("vermara-") + QString::number(owner)));
    if ((::mkdir(path.constData(), 0700) == 0 || errno == EEXIST) && IsPrivateFolder(path, owner))
        return QFile::decodeName(path);
    // Someone else may have put that name there first; mkdtemp makes a new one only we can use.
    QByteArray fresh = path + "-XXXXXX";
    if (::mkdtemp(fresh.data()) == nullptr)
        return {};
    return QFile::decodeName(fresh);
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
