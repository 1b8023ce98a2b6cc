#include "store/StoreWriter.h"

#include "store/Database.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <QFileInfo>

namespace store {

void CreateDefaultDB(const QString& path) {
    if (QFileInfo::exists(path))
        throw StoreError(QStringLiteral("Database %1 sudah ada.").arg(path));
    // The tables are built in memory and only then written out encrypted, so the file
    // gets its password after every table exists and never exists half made.
    Database memory(QStringLiteral(":memory:"), Database::Mode::Create, QString());
    for (const TableDef& table : Schema()) {
        for (const QString& sql : CreateStatements(table))
            memory.exec(sql);
    }
    Statement attach = memory.prepare(QStringLiteral("ATTACH DATABASE ? AS target KEY ?"));
    attach.bind(1, path).bind(2, kStorePassword);
    try {
        attach.run();
        memory.exec(CipherPragmas(QStringLiteral("target")));
        memory.prepare(QStringLiteral("SELECT sqlcipher_export('target')")).next();
        memory.exec(QStringLiteral("DETACH DATABASE target"));
    } catch (const StoreError& error) {
        QFile::remove(path);
        throw StoreError(
            QStringLiteral("Database %1 tidak dapat dibuat: %2").arg(path, error.message()));
    }
}

StoreWriter::StoreWriter(const QString& path)
    : path_(path),
      db_(std::make_unique<Database>(path, Database::Mode::ReadWrite, kStorePassword)) {}

StoreWriter::~StoreWriter() = default;

void StoreWriter::begin() {
    db_->exec(QStringLiteral("BEGIN"));
}

void StoreWriter::commit() {
    db_->exec(QStringLiteral("COMMIT"));
}

const TableDef& StoreWriter::table(const QString& name) const {
    const TableDef* def = FindTable(name);
    if (!def)
        throw StoreError(QStringLiteral("Database %1: tabel %2 tidak dikenal.").arg(path_, name));
    return *def;
}

void StoreWriter::dropTable(const QString& name) {
    db_->exec(QStringLiteral("DROP TABLE \"%1\"").arg(table(name).name));
}

void StoreWriter::dropColumn(const QString& name, const QString& field) {
    const TableDef& def = table(name);
    const QStringList actual = db_->columns(def.name);
    if (!def.field(field) || !actual.contains(def.field(field)->name)) {
        throw StoreError(QStringLiteral("Database %1: tabel %2 tidak punya field %3.")
                             .arg(path_, def.name, field));
    }
    // The engine cannot drop a column in place: the table is rebuilt with the fields it
    // still has, minus the one dropped.
    TableDef reduced = def;
    std::erase_if(reduced.fields, [&](const FieldDef& f) {
        return f.name.compare(field, Qt::CaseInsensitive) == 0 || !actual.contains(f.name);
    });
    QStringList kept;
    for (const FieldDef& f : reduced.fields)
        kept << QLatin1Char('"') + f.name + QLatin1Char('"');
    TableDef staging = reduced;
    staging.name += QStringLiteral("_neu");
    staging.indexes.clear();
    db_->exec(CreateStatements(staging).first());
    db_->exec(QStringLiteral("INSERT INTO \"%1\" SELECT %2 FROM \"%3\"")
                  .arg(staging.name, kept.join(u", "), def.name));
    db_->exec(QStringLiteral("DROP TABLE \"%1\"").arg(def.name));
    db_->exec(QStringLiteral("ALTER TABLE \"%1\" RENAME TO \"%2\"").arg(staging.name, def.name));
    for (const QString& sql : CreateStatements(reduced).mid(1))
        db_->exec(sql);
}

void StoreWriter::insert(const QString& tableName, const Row& row) {
    const TableDef* def = &table(tableName);
    QStringList names;
    QStringList marks;
    for (const auto& [field, value] : row) {
        const FieldDef* f = def->field(field);
        if (!f) {
            throw StoreError(QStringLiteral("Database %1: tabel %2 tidak punya field %3.")
                                 .arg(path_, def->name, field));
        }
        names << QLatin1Char('"') + f->name + QLatin1Char('"');
        marks << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                            .arg(def->name, names.join(u", "), marks.join(u", "));
    auto cached = statements_.find(sql);
    if (cached == statements_.end())
        cached = statements_.emplace(sql, std::make_unique<Statement>(db_->prepare(sql))).first;
    Statement& statement = *cached->second;
    statement.reset();
    int position = 1;
    for (const auto& entry : row)
        statement.bind(position++, entry.second);
    try {
        statement.run();
    } catch (const StoreError& error) {
        throw StoreError(
            QStringLiteral("Tabel %1 menolak baris: %2").arg(def->name, error.message()));
    }
}

} // namespace store
