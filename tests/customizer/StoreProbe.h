#pragma once

#include "store/Database.h"
#include "store/Schema.h"
#include "support/FileTree.h"

#include <QDir>
#include <QFile>

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

// The whole tree under folder: equal trees mean nothing was changed, added or left behind.
inline support::FileTree Tree(const QString& folder) {
    return support::TreeOf(folder);
}

} // namespace probe
