#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace store {

enum class FieldType { Integer, Long, Text, Memo };

struct FieldDef {
    QString name;
    FieldType type;
    int size = 0;            // characters, for Text only
    bool allowEmpty = false; // accepts the zero-length text besides Null
};

struct IndexDef {
    QString name; // the store's index name, e.g. "Urutan"
    QString field;
    bool unique = false;
};

struct TableDef {
    QString name;
    std::vector<FieldDef> fields; // in column order
    std::vector<IndexDef> indexes;

    const FieldDef* field(const QString& name) const; // case-insensitive
};

inline constexpr int kVersionColumns = 50;
inline const QString kDataFileName = QStringLiteral("VERMARA2000.DAT");
inline const QString kStorePassword = QStringLiteral("fault! mQeb3x");

// Every table of the store, in creation order.
const std::vector<TableDef>& Schema();
const TableDef* FindTable(const QString& name); // case-insensitive

// "Kitab1" ... "Kitab50"
QString VersionColumn(int number);
// 1..50 for a valid version column name (case-insensitive), else 0.
int VersionColumnNumber(const QString& name);

// The CREATE TABLE / CREATE INDEX statements of one table, enforcing sizes and empty rules.
QStringList CreateStatements(const TableDef& table);

} // namespace store
