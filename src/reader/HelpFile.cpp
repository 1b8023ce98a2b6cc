#include "reader/HelpFile.h"

#include "platform/Folders.h"

#include <QFileInfo>

namespace reader {

QString FindHelpFile(const QString& dataFolder, const QString& programFolder) {
    for (const QString& folder : {dataFolder, programFolder}) {
        const QString path = platform::JoinPath(folder, kHelpFileName);
        if (!folder.isEmpty() && QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString MissingHelpMessage(const QString& programFolder) {
    return QStringLiteral("Panduan program (") + kHelpFileName +
           QStringLiteral(") tidak ditemukan di folder data maupun di folder program") +
           QStringLiteral("\r\n") + programFolder + QStringLiteral(".");
}

QString HelpNotOpenedMessage(const QString& path) {
    return QStringLiteral("Panduan program tidak dapat dibuka:") + QStringLiteral("\r\n") + path +
           QStringLiteral("\r\n") +
           QStringLiteral("Bukalah berkas itu dengan peramban web (browser).");
}

} // namespace reader
