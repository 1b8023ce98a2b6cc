#include "import/MarkupAudit.h"

#include "import/Markup.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QRegularExpression>
#include <map>
#include <vector>

namespace import {

namespace {

constexpr int kPlacesShown = 3;
constexpr int kResidueShown = 30;

// The field that names a row of each table in the findings.
QString KeyField(const QString& table) {
    static const std::map<QString, QString> keys = {
        {QStringLiteral("UsysAlkitab"), QStringLiteral("Buku")},
        {QStringLiteral("UsysDeuterokanonika"), QStringLiteral("Buku1")},
        {QStringLiteral("UsysKitab"), QStringLiteral("Kitab1")},
        {QStringLiteral("UsysKamus"), QStringLiteral("Entri")},
        {QStringLiteral("UsysTematik"), QStringLiteral("id")},
        {QStringLiteral("UsysUmpama"), QStringLiteral("Perumpamaan")},
        {QStringLiteral("UsysNubuat"), QStringLiteral("Nubuat")},
        {QStringLiteral("UsysInfo"), QStringLiteral("id")},
        {QStringLiteral("UsysGambar"), QStringLiteral("Gambar")},
        {QStringLiteral("UsysVersi"), QStringLiteral("NamaVersi")},
        {QStringLiteral("UsysMenu"), QStringLiteral("NamaMenu")}};
    const auto found = keys.find(table);
    return found == keys.end() ? QString() : found->second;
}

QString Quoted(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// "19:25" of the verse line the residue lies in; the chapter for text without verse labels.
QString VerseOf(const QString& text, qsizetype at, const QString& chapter) {
    static const QRegularExpression label(QStringLiteral("^\\d+:\\d+(-\\d+)?"));
    const qsizetype lineStart = text.lastIndexOf(u'\n', at) + 1;
    const QRegularExpressionMatch match = label.match(QStringView(text).mid(lineStart));
    return match.hasMatch() ? match.captured(0) : chapter;
}

struct ColumnFindings {
    QString name;
    int count = 0;
    QStringList places;
};

class TableAudit {
public:
    TableAudit(const store::Database& db, const store::TableDef& table) : table_(table.name) {
        const QStringList present = db.columns(table.name);
        for (const store::FieldDef& field : table.fields) {
            const bool text =
                field.type == store::FieldType::Text || field.type == store::FieldType::Memo;
            if (text && present.contains(field.name, Qt::CaseInsensitive))
                columns_.push_back({field.name, 0, {}});
        }
        key_ = KeyField(table.name);
        if (!present.contains(key_, Qt::CaseInsensitive))
            key_.clear();
        chapters_ = present.contains(QStringLiteral("Bab"), Qt::CaseInsensitive);
    }

    void read(const store::Database& db) {
        if (columns_.empty())
            return;
        QStringList selected = {QStringLiteral("rowid"),
                                key_.isEmpty() ? QStringLiteral("NULL") : Quoted(key_),
                                chapters_ ? QStringLiteral("Bab") : QStringLiteral("NULL")};
        for (const ColumnFindings& column : columns_)
            selected << Quoted(column.name);
        store::Statement rows = db.prepare(
            QStringLiteral("SELECT %1 FROM %2").arg(selected.join(u", "), Quoted(table_)));
        while (rows.next()) {
            for (size_t i = 0; i < columns_.size(); ++i)
                check(rows, columns_[i], rows.text(3 + int(i)));
        }
    }

    void report(QStringList& findings) const {
        for (const ColumnFindings& column : columns_) {
            if (column.count > 0)
                findings << QStringLiteral("%1 %2: %3 sisa markup, yang pertama: %4")
                                .arg(table_, column.name)
                                .arg(column.count)
                                .arg(column.places.join(QStringLiteral("; ")));
        }
    }

private:
    void check(const store::Statement& row, ColumnFindings& column, const QString& text) const {
        const std::vector<MarkupResidue> residues = FindMarkupResidue(text);
        column.count += int(residues.size());
        for (const MarkupResidue& residue : residues) {
            if (column.places.size() >= kPlacesShown)
                return;
            column.places << QStringLiteral("%1 \"%2\"")
                                 .arg(place(row, text, residue.start),
                                      residue.text.left(kResidueShown));
        }
    }

    QString place(const store::Statement& row, const QString& text, qsizetype at) const {
        if (key_.isEmpty() || row.isNull(1))
            return QStringLiteral("baris %1").arg(row.integer(0));
        if (key_ == u"id")
            return QStringLiteral("id %1").arg(row.integer(1));
        if (!chapters_)
            return row.text(1);
        return row.text(1) + u' ' + VerseOf(text, at, row.text(2));
    }

    QString table_;
    QString key_;
    bool chapters_ = false;
    std::vector<ColumnFindings> columns_;
};

} // namespace

QStringList AuditMarkup(const QString& storePath) {
    const store::Database db(storePath, store::Database::Mode::ReadOnly, store::kStorePassword);
    const QStringList tables = db.tables();
    QStringList findings;
    for (const store::TableDef& table : store::Schema()) {
        if (!tables.contains(table.name))
            continue;
        TableAudit audit(db, table);
        audit.read(db);
        audit.report(findings);
    }
    return findings;
}

} // namespace import
