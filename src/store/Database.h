#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

class QCollator;
struct sqlite3;
struct sqlite3_stmt;

namespace store {

class Statement;

// One SQLCipher connection. Errors are thrown as StoreError naming the file. Queries may use
// ulower(text) (Unicode lower case) and the collation "kamus" (dictionary order).
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
    void open(Mode mode, const QString& password);

    QString path_;
    std::unique_ptr<QCollator> collator_; // outlives the connection that calls it
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
    qint64 integer(int column) const;
    bool isNull(int column) const;

private:
    const Database* db_;
    sqlite3_stmt* stmt_;
};

} // namespace store
