#include "store/SchemaCheck.h"

#include "store/Database.h"
#include "store/Schema.h"

namespace store {
namespace {

QStringList FieldNames(const TableDef& table) {
    QStringList names;
    for (const FieldDef& f : table.fields)
        names << f.name;
    return names;
}

bool IsTwoVersionDeutero(const TableDef& table, const QStringList& actual) {
    QStringList expected = FieldNames(table);
    expected.removeAll(QStringLiteral("Buku3"));
    expected.removeAll(QStringLiteral("Kitab3"));
    return table.name == QLatin1String("UsysDeuterokanonika") && actual == expected;
}

QStringList CompareFields(const TableDef& table, const QStringList& actual) {
    const QStringList expected = FieldNames(table);
    QStringList differences;
    QStringList present;
    for (const QString& name : expected) {
        if (actual.contains(name))
            present << name;
        else
            differences << QStringLiteral("Tabel %1 tidak punya field %2.").arg(table.name, name);
    }
    QStringList known;
    for (const QString& name : actual) {
        if (expected.contains(name))
            known << name;
        else
            differences << QStringLiteral("Tabel %1 punya field asing %2.").arg(table.name, name);
    }
    if (known != present) {
        differences << QStringLiteral("Urutan field tabel %1 berbeda: %2.")
                           .arg(table.name, known.join(QStringLiteral(", ")));
    }
    return differences;
}

bool ReadWhenPresent(const TableDef& table, const FieldDef& field) {
    if (table.name == QLatin1String("UsysAlkitab"))
        return field.name == QLatin1String("Komentar") || VersionColumnNumber(field.name) > 0;
    if (table.name == QLatin1String("UsysKitab"))
        return VersionColumnNumber(field.name) > 1;
    if (table.name == QLatin1String("UsysDeuterokanonika"))
        return field.name == QLatin1String("Buku3") || field.name == QLatin1String("Kitab3");
    return false;
}

QString ActualName(const QStringList& names, const QString& wanted) {
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

} // namespace

QStringList MissingForReading(const Database& db) {
    const QStringList tables = db.tables();
    QStringList missing;
    for (const TableDef& table : Schema()) {
        const bool optional = table.name == QLatin1String("UsysTematik");
        if (table.name == QLatin1String("Error") || (optional && !tables.contains(table.name)))
            continue;
        const QString actual = ActualName(tables, table.name);
        if (actual.isEmpty()) {
            missing << QStringLiteral("tabel %1 tidak ada").arg(table.name);
            continue;
        }
        const QStringList columns = db.columns(actual);
        for (const FieldDef& field : table.fields) {
            if (!ReadWhenPresent(table, field) && ActualName(columns, field.name).isEmpty())
                missing
                    << QStringLiteral("tabel %1 tidak punya field %2").arg(table.name, field.name);
        }
    }
    return missing;
}

QStringList SchemaDifferences(const QString& path) {
    const Database db(path, Database::Mode::ReadOnly, kStorePassword);
    const QStringList tables = db.tables();
    QStringList differences;
    for (const TableDef& table : Schema()) {
        if (!tables.contains(table.name)) {
            if (table.name != QLatin1String("UsysTematik"))
                differences << QStringLiteral("Tabel %1 tidak ada.").arg(table.name);
            continue;
        }
        const QStringList actual = db.columns(table.name);
        if (!IsTwoVersionDeutero(table, actual))
            differences << CompareFields(table, actual);
    }
    return differences;
}

} // namespace store
