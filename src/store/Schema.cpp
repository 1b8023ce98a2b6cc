#include "store/Schema.h"

namespace store {
namespace {

FieldDef Integer(const char* name) {
    return {QString::fromLatin1(name), FieldType::Integer};
}
FieldDef Long(const char* name) {
    return {QString::fromLatin1(name), FieldType::Long};
}
FieldDef Text(const char* name, int size, bool allowEmpty = false) {
    return {QString::fromLatin1(name), FieldType::Text, size, allowEmpty};
}
FieldDef Memo(const char* name, bool allowEmpty = false) {
    return {QString::fromLatin1(name), FieldType::Memo, 0, allowEmpty};
}

void AddVersionColumns(TableDef& table, bool memo) {
    for (int i = 1; i <= kVersionColumns; ++i) {
        const QByteArray name = VersionColumn(i).toLatin1();
        table.fields.push_back(memo ? Memo(name.constData(), true)
                                    : Text(name.constData(), 100, true));
    }
}

TableDef Alkitab() {
    TableDef t{QStringLiteral("UsysAlkitab"),
               {Integer("id"), Text("Perjanjian", 50), Long("Urutan"), Text("Buku", 50),
                Long("Bab"), Integer("Ayat"), Memo("Komentar", true)},
               {{QStringLiteral("Id"), QStringLiteral("id"), true},
                {QStringLiteral("Urutan"), QStringLiteral("Urutan"), false}}};
    AddVersionColumns(t, true);
    return t;
}

TableDef Kitab() {
    TableDef t{QStringLiteral("UsysKitab"),
               {Long("Urutan"), Text("Perjanjian", 10), Long("JumlahBuku"), Memo("Intro", true),
                Memo("Pengantar", true), Memo("Perikop", true), Memo("Referensi"),
                Memo("CiriKhas", true), Memo("Survai", true)},
               {{QStringLiteral("Urutan"), QStringLiteral("Urutan"), true}}};
    AddVersionColumns(t, false);
    return t;
}

std::vector<TableDef> BuildSchema() {
    return {
        Alkitab(),
        {QStringLiteral("UsysDeuterokanonika"),
         {Integer("Urutan"), Text("Buku1", 50), Text("Buku2", 50), Text("Buku3", 50),
          Integer("Bab"), Memo("Kitab1"), Memo("Kitab2"), Memo("Kitab3")},
         {}},
        {QStringLiteral("UsysGambar"),
         {Text("kategori", 50), Text("Judul", 100), Text("Gambar", 50), Memo("Keterangan", true)},
         {}},
        {QStringLiteral("UsysInfo"), {Integer("id"), Memo("Keterangan", true)}, {}},
        {QStringLiteral("UsysKamus"), {Text("Entri", 50), Memo("Penjelasan", true)}, {}},
        Kitab(),
        {QStringLiteral("UsysMenu"),
         {Long("id"), Text("NamaMenu", 50), Long("Aktif")},
         {{QStringLiteral("Id"), QStringLiteral("id"), false}}},
        {QStringLiteral("UsysNubuat"),
         {Integer("Urutan"), Text("Nubuat", 50), Text("Lama", 50), Text("Baru", 50)},
         {}},
        {QStringLiteral("UsysUmpama"),
         {Long("Urutan"), Text("Perumpamaan", 255), Text("Markus", 50), Text("Matius", 50),
          Text("Lukas", 50), Text("Yohanes", 50)},
         {{QStringLiteral("Urutan"), QStringLiteral("Urutan"), false}}},
        {QStringLiteral("UsysVersi"),
         {Long("nr"), Text("NamaVersi", 50, true), Text("SourceFolder", 255, true),
          Text("NamaTabel", 50), Long("Aktif"), Text("HakCipta", 255, true), Integer("Lama"),
          Integer("Baru")},
         {}},
        {QStringLiteral("Error"), {Text("Error", 100)}, {}},
        {QStringLiteral("UsysTematik"),
         {Long("id"), Text("Topik", 255, true), Text("Ayat", 50, true)},
         {}},
    };
}

QString Quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// The checks that make the file refuse what the original engine refused.
QString ColumnDefinition(const FieldDef& f) {
    const QString q = Quoted(f.name);
    switch (f.type) {
    case FieldType::Integer:
        return QStringLiteral("%1 INTEGER CHECK (%1 IS NULL OR (typeof(%1) = 'integer' AND %1 "
                              "BETWEEN -32768 AND 32767))")
            .arg(q);
    case FieldType::Long:
        return QStringLiteral("%1 INTEGER CHECK (%1 IS NULL OR (typeof(%1) = 'integer' AND %1 "
                              "BETWEEN -2147483648 AND 2147483647))")
            .arg(q);
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    QStringList checks{QStringLiteral("typeof(%1) = 'text'").arg(q)};
    if (f.type == FieldType::Text)
        checks << QStringLiteral("length(%1) <= %2").arg(q).arg(f.size);
    if (!f.allowEmpty)
        checks << QStringLiteral("%1 <> ''").arg(q);
    return QStringLiteral("%1 TEXT CHECK (%1 IS NULL OR (%2))").arg(q, checks.join(u" AND "));
}

} // namespace

const FieldDef* TableDef::field(const QString& fieldName) const {
    for (const FieldDef& f : fields) {
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

const std::vector<TableDef>& Schema() {
    static const std::vector<TableDef> schema = BuildSchema();
    return schema;
}

const TableDef* FindTable(const QString& name) {
    for (const TableDef& t : Schema()) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

QString VersionColumn(int number) {
    return QStringLiteral("Kitab%1").arg(number);
}

int VersionColumnNumber(const QString& name) {
    if (!name.startsWith(QLatin1String("kitab"), Qt::CaseInsensitive))
        return 0;
    const QStringView digits = QStringView(name).mid(5);
    if (digits.isEmpty() || digits.startsWith(u'0'))
        return 0;
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok && number >= 1 && number <= kVersionColumns ? number : 0;
}

QStringList CreateStatements(const TableDef& table) {
    QStringList columns;
    for (const FieldDef& f : table.fields)
        columns << ColumnDefinition(f);
    QStringList statements{
        QStringLiteral("CREATE TABLE %1 (%2)").arg(Quoted(table.name), columns.join(u", "))};
    // Index names are per table in the original file, but global here: prefix the table.
    for (const IndexDef& index : table.indexes) {
        statements << QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                          .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
                               Quoted(table.name + QLatin1Char('_') + index.name),
                               Quoted(table.name), Quoted(index.field));
    }
    return statements;
}

} // namespace store
