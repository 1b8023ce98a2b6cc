#include "reader/DataLocation.h"

#include "platform/Dialogs.h"
#include "platform/FolderBrowser.h"
#include "platform/Folders.h"
#include "platform/ProductName.h"
#include "store/Schema.h"

#include <QFileInfo>

namespace reader {

using store::kDataFileName;

QString DefaultDataPath(const QString& programFolder) {
    return platform::JoinPath(programFolder, kDataFileName);
}

QString CutAtNul(const QString& folder) {
    const qsizetype nul = folder.indexOf(QChar(u'\0'));
    return nul >= 0 ? folder.left(nul) : folder;
}

QString ResolveDataPath(const QString& storedPath, platform::Dialogs& dialogs,
                        const std::function<void()>& beforeBrowse) {
    if (QFileInfo(storedPath).isFile())
        return storedPath;
    if (beforeBrowse)
        beforeBrowse();
    return platform::JoinPath(CutAtNul(platform::BrowseForFolder(dialogs)).trimmed(),
                              kDataFileName);
}

QString DataLocationCaption(const QString& dataPath) {
    return QString(dataPath).remove(kDataFileName, Qt::CaseSensitive);
}

QString MissingDataMessage(const QString& dataPath) {
    return QStringLiteral("Data ") + platform::kProductName + QStringLiteral(" tidak ditemukan ") +
           QStringLiteral("\r\n") + QStringLiteral("pada direktori : ") + dataPath +
           QStringLiteral(".") + QStringLiteral("\r\n") +
           QStringLiteral("Jalankan kembali program dan pilih folder yang sesuai.");
}

} // namespace reader
