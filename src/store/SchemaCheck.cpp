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

} // namespace

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
