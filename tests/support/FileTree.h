#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QString>

namespace support {

// Every file and folder under a folder, hidden ones included, with the bytes of each file:
// equal trees mean nothing was changed, added or left behind.
using FileTree = QMap<QString, QByteArray>;

inline FileTree TreeOf(const QString& folder) {
    FileTree tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        const QByteArray bytes = it.fileInfo().isDir()            ? QByteArray("<folder>")
                                 : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                  : QByteArray("<unreadable>");
        tree.insert(QDir(folder).relativeFilePath(path), bytes);
    }
    return tree;
}

} // namespace support
