#pragma once

#include <QString>
#include <QVariant>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace store {

class Database;
class Statement;
struct TableDef;

// Creates an empty store at path with every table of the schema; the password is set
// only once all tables exist. Throws StoreError (for example an unwritable folder).
void CreateDefaultDB(const QString& path);

// Writes rows into a store made by CreateDefaultDB. Table and field names are checked
// against the schema and values always travel as bound parameters.
class StoreWriter {
public:
    using Row = std::vector<std::pair<QString, QVariant>>;

    explicit StoreWriter(const QString& path); // throws StoreError
    ~StoreWriter();
    StoreWriter(const StoreWriter&) = delete;
    StoreWriter& operator=(const StoreWriter&) = delete;

    void begin();
    void commit();
    // Throws StoreError naming the file, the table and the cause (a text too long, or an
    // empty text where the field accepts only Null or a non-empty text).
    void insert(const QString& table, const Row& row);

    // Older stores lack parts of the schema (no UsysTematik, a two-version deuterocanon);
    // these make such stores. Only names of the schema are accepted.
    void dropTable(const QString& table);
    void dropColumn(const QString& table, const QString& field);

private:
    const TableDef& table(const QString& name) const;

    QString path_;
    std::unique_ptr<Database> db_;
    std::map<QString, std::unique_ptr<Statement>> statements_;
};

} // namespace store
