#pragma once

#include "store/Database.h"
#include "store/Schema.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>

// Reads and alters stores in tests through a connection of their own.
namespace probe {

inline store::Database Open(const QString& path) {
    return store::Database(path, store::Database::Mode::ReadWrite, store::kStorePassword);
}

inline qint64 Number(const QString& path, const QString& sql) {
    const store::Database db = Open(path);
    store::Statement query = db.prepare(sql);
    return query.next() ? query.integer(0) : -1;
}

inline QString Text(const QString& path, const QString& sql) {
    const store::Database db = Open(path);
    store::Statement query = db.prepare(sql);
    return query.next() ? query.text(0) : QStringLiteral("<no row>");
}

inline void Exec(const QString& path, const QString& sql) {
    store::Database db = Open(path);
    db.exec(sql);
}

inline QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry of a folder, hidden ones included: a build must leave no temporary file.
inline QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Every file and folder under folder, hidden ones included, with the bytes of each file:
// equal trees mean nothing was changed, added or left behind.
inline QMap<QString, QByteArray> Tree(const QString& folder) {
    QMap<QString, QByteArray> tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        tree.insert(name, it.fileInfo().isDir() ? QByteArray("<folder>") : Bytes(path));
    }
    return tree;
}

} // namespace probe
