#include "customizer/SourceCheck.h"

#include "customizer/CustomBuild.h"
#include "customizer/ModuleTables.h"
#include "store/Database.h"
#include "store/Schema.h"

namespace customizer {
namespace {

const QString kChapters = QStringLiteral("UsysAlkitab");
const QString kBooks = QStringLiteral("UsysKitab");
const QString kDeuterocanon = QStringLiteral("UsysDeuterokanonika");

QString Quoted(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

bool HasRow(const store::Database& db, const QString& table, const QString& where = QString()) {
    store::Statement row =
        db.prepare(QStringLiteral("SELECT 1 FROM %1 %2 LIMIT 1")
                       .arg(Quoted(table), where.isEmpty() ? where : "WHERE " + where));
    return row.next();
}

QStringList EmptyTables(const store::Database& db) {
    QStringList problems;
    for (const QString& table : {kChapters, kBooks}) {
        if (!HasRow(db, table))
            problems << QStringLiteral("tabel %1 kosong").arg(table);
    }
    return problems;
}

// A version needs its column in both version tables: the text and the book names.
QStringList MissingColumns(const store::Database& db, const QString& name, const QString& column) {
    QStringList problems;
    for (const QString& table : {kChapters, kBooks}) {
        if (!db.columns(table).contains(column, Qt::CaseInsensitive))
            problems << QStringLiteral("versi \"%1\" (kolom %2) tidak ada di tabel %3")
                            .arg(name, column, table);
    }
    return problems;
}

QString VersionName(const store::Database& db, const QString& column) {
    store::Statement row = db.prepare(QStringLiteral(
        "SELECT NamaVersi FROM UsysVersi WHERE ulower(NamaTabel) = ulower(?) ORDER BY nr LIMIT 1"));
    row.bind(1, column);
    return row.next() ? row.text(0) : column;
}

QStringList TablesToCopy(const QStringList& modules) {
    QStringList tables{QStringLiteral("Error"),
                       QStringLiteral("UsysVersi"),
                       QStringLiteral("UsysMenu"),
                       QStringLiteral("UsysInfo"),
                       kBooks,
                       kChapters};
    for (const auto& [module, table] : HandledModules()) {
        if (!table.isEmpty() && ArrayExist(modules, module, false))
            tables << table;
    }
    return tables;
}

// Every field copied needs a place of the same name in the new store.
QStringList FieldProblems(const store::Database& db, const QString& table) {
    const QStringList columns = db.columns(table);
    QStringList problems;
    if (table.compare(kDeuterocanon, Qt::CaseInsensitive) == 0) {
        for (const QString& field : DeuterocanonFields(columns.size())) {
            if (!columns.contains(field, Qt::CaseInsensitive))
                problems << QStringLiteral("tabel %1 tidak punya field %2").arg(table, field);
        }
        return problems;
    }
    const store::TableDef* def = store::FindTable(table);
    for (const QString& column : columns) {
        if (!def->field(column))
            problems
                << QStringLiteral("tabel %1 punya field %2 yang tidak dikenal").arg(table, column);
    }
    return problems;
}

QStringList VersionProblems(const store::Database& db, const QStringList& columns) {
    QStringList problems;
    for (const QString& column : columns) {
        if (store::VersionColumnNumber(column) == 0)
            continue; // the build copies only version columns
        const QString name = VersionName(db, column);
        const QStringList missing = MissingColumns(db, name, column);
        problems << missing;
        const QString text = Quoted(column);
        if (missing.isEmpty() &&
            !HasRow(db, kChapters, QStringLiteral("%1 IS NOT NULL AND %1 <> ''").arg(text)))
            problems << QStringLiteral("versi \"%1\" (kolom %2) tidak berisi teks di tabel %3")
                            .arg(name, column, kChapters);
    }
    return problems;
}

} // namespace

QStringList CatalogueProblems(const store::Database& source) {
    QStringList problems = EmptyTables(source);
    store::Statement rows = source.prepare(
        QStringLiteral("SELECT NamaVersi, NamaTabel FROM UsysVersi WHERE Aktif = 1 ORDER BY nr"));
    while (rows.next()) {
        const QString name = rows.text(0);
        if (name != QLatin1String("-") && store::VersionColumnNumber(rows.text(1)) > 0)
            problems << MissingColumns(source, name, rows.text(1));
    }
    return problems;
}

QStringList SourceProblems(const store::Database& source, const QStringList& columns,
                           const QStringList& modules) {
    const QStringList present = source.tables();
    QStringList problems;
    for (const QString& table : TablesToCopy(modules)) {
        if (present.contains(table, Qt::CaseInsensitive))
            problems << FieldProblems(source, table);
        else
            problems << QStringLiteral("tabel %1 tidak ada").arg(table);
    }
    if (problems.isEmpty())
        problems = EmptyTables(source);
    return problems.isEmpty() ? VersionProblems(source, columns) : problems;
}

} // namespace customizer
