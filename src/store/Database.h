#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

class Statement;

// One SQLCipher connection. Errors are thrown as StoreError naming the file. Queries may use
// ulower(text) (Unicode lower case).
// The store password is built into the programs, so stretching it into a key protects
// nothing and would cost every start; new stores are keyed with a short derivation. They use
// 64 KB pages: reading a whole version then checks and decrypts a few hundred large pages
// instead of thousands of small ones, each with a fixed cost of its own.
// The statements that give a connection (or an attached schema) the settings of new stores.
QString CipherPragmas(const QString& schema = QString());

// Why the file at path cannot be used as a store at all (cut short, emptied, another
// program's file or another password), and what the user can do about it.
QString NotAStoreMessage(const QString& path);

class Database {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    Database(const QString& path, Mode mode, const QString& password);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return path_; }
    void exec(const QString& sql);
    Statement prepare(const QString& sql) const;
    QStringList tables() const; // in creation order; names compare case-sensitively
    QStringList columns(const QString& table) const; // in column order
    [[noreturn]] void fail(const QString& cause) const;
    QString lastError() const;

private:
    friend class Statement;
    // Newest first: the settings of new stores, the 4 KB pages of earlier builds, and
    // SQLCipher's own settings of the first builds.
    enum class Cipher { Current, SmallPages, SqlcipherDefaults };
    void open(Mode mode, const QString& password);
    bool connect(Mode mode, const QString& password, Cipher cipher);

    QString path_;
    sqlite3* db_ = nullptr;
};

// A prepared statement; values are bound by position (1-based) and read by column index.
class Statement {
public:
    Statement(const Database& db, sqlite3_stmt* stmt) : db_(&db), stmt_(stmt) {}
    Statement(Statement&& other) noexcept;
    ~Statement();

    Statement& bind(int position, const QVariant& value);
    bool next(); // true while a row is available
    void run();  // executes a statement that returns no rows
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QString text(int column) const; // null QString for Null
    // The stored UTF-8 bytes without a copy, valid until the next step or reset; a view
    // without data (isNull) for Null.
    QByteArrayView utf8(int column) const;
    qint64 integer(int column) const;
    bool isNull(int column) const;

private:
    const Database* db_;
    sqlite3_stmt* stmt_;
};

} // namespace store
