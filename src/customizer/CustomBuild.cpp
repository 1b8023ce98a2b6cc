#include "customizer/CustomBuild.h"

#include "customizer/CustomizerTexts.h"
#include "customizer/StopToken.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/SystemNames.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/StoreWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryFile>
#include <filesystem>
#include <utility>
#include <vector>

namespace customizer {
namespace {

struct DestinationUnwritable {};
struct BuildStopped {};

enum class FieldAction { Copy, Skip, Empty };

struct FieldCopy {
    int column;
    QString name;
    FieldAction action;
    bool number;
};

// The modules whose data the build copies, in the order it handles them; an empty
// table name marks the two fields of UsysKitab, and "Deuterokanonika" has its own copy.
const std::vector<std::pair<QString, QString>>& HandledModules() {
    static const std::vector<std::pair<QString, QString>> modules{
        {QStringLiteral("Perikop"), QString()},
        {QStringLiteral("Pengantar"), QString()},
        {QStringLiteral("Nubuat"), QStringLiteral("UsysNubuat")},
        {QStringLiteral("Perumpamaan"), QStringLiteral("UsysUmpama")},
        {QStringLiteral("Deuterokanonika"), QStringLiteral("UsysDeuterokanonika")},
        {QStringLiteral("Kamus"), QStringLiteral("UsysKamus")},
        {QStringLiteral("Peta"), QStringLiteral("UsysGambar")},
        {QStringLiteral("Tematik"), QStringLiteral("UsysTematik")}};
    return modules;
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::vector<FieldCopy> PlanFields(const store::Statement& rows, const QString& table,
                                  const std::function<FieldAction(const QString&)>& decide) {
    const store::TableDef* def = store::FindTable(table);
    std::vector<FieldCopy> fields;
    for (int i = 0; i < rows.columnCount(); ++i) {
        const QString name = rows.columnName(i);
        const store::FieldDef* field = def ? def->field(name) : nullptr;
        const bool number = field && (field->type == store::FieldType::Integer ||
                                      field->type == store::FieldType::Long);
        fields.push_back({i, name, decide(name), number});
    }
    return fields;
}

store::StoreWriter::Row ReadRow(const store::Statement& rows,
                                const std::vector<FieldCopy>& fields) {
    store::StoreWriter::Row row;
    row.reserve(fields.size());
    for (const FieldCopy& f : fields) {
        if (f.action == FieldAction::Skip)
            continue;
        if (f.action == FieldAction::Empty)
            row.emplace_back(f.name, QStringLiteral(""));
        else if (rows.isNull(f.column))
            row.emplace_back(f.name, QVariant());
        else if (f.number)
            row.emplace_back(f.name, QVariant(rows.integer(f.column)));
        else
            row.emplace_back(f.name, rows.text(f.column));
    }
    return row;
}

qint64 CountRows(const store::Database& db, const QString& table) {
    store::Statement count = db.prepare(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table));
    return count.next() ? count.integer(0) : 0;
}

// A free name beside the destination; creating it also proves the folder can be written.
QString TemporaryStorePath(const QString& folder) {
    if (folder.trimmed().isEmpty())
        throw DestinationUnwritable{};
    QTemporaryFile probe(platform::JoinPath(folder, QStringLiteral(".VERMARA2000.DAT.XXXXXX")));
    probe.setAutoRemove(false);
    if (!probe.open())
        throw DestinationUnwritable{};
    const QString path = probe.fileName();
    probe.close();
    QFile::remove(path);
    return path;
}

// Map images live as files in "Peta" beside a store; a store with the maps module needs them.
void CopyPictures(const QString& sourceStore, const QString& destinationFolder) {
    const QDir from(QFileInfo(sourceStore).absolutePath() + QStringLiteral("/Peta"));
    if (!from.exists())
        return;
    const QString to = platform::JoinPath(destinationFolder, QStringLiteral("Peta"));
    if (!QDir().mkpath(to))
        throw DestinationUnwritable{};
    for (const QString& name : from.entryList(QDir::Files)) {
        const QString target = to + u'/' + name;
        if (QFileInfo(target).isFile())
            QFile::remove(target);
        if (!QFile::copy(from.filePath(name), target))
            throw DestinationUnwritable{};
    }
}

void ReplaceStore(const QString& built, const QString& destination) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(built).toStdString(),
                            QFile::encodeName(destination).toStdString(), error);
    if (error)
        throw DestinationUnwritable{};
}

} // namespace

bool ArrayExist(const QStringList& arList, const QString& findStr, bool caseSensitive) {
    if (findStr.isEmpty())
        return false;
    return arList.contains(findStr, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

QString CustomizationLine(const QDate& date, const QString& user, const QString& computer) {
    return QLocale::system().toString(date, QLocale::ShortFormat) +
           QStringLiteral(" - Customized by ") + user + u'/' + computer;
}

QString ClosingText(const QString& destinationFolder) {
    return QStringLiteral("Database custom telah selesai dibuat.") + texts::kCrLf +
           QStringLiteral("Lokasi database ada di: ") + destinationFolder + texts::kCrLf +
           texts::kCrLf +
           QStringLiteral("Untuk menggunakan database baru ini jalankan program Vermara, ") +
           QStringLiteral(
               "dari menu Setting pilihlan Lokasi Data. Klik pada button (...) dan pilih lokasi ") +
           QStringLiteral("data yang baru (") + destinationFolder + QStringLiteral(").") +
           texts::kCrLf;
}

QString ReadInfoText(const store::Database& db, qint16 id) {
    store::Statement find = db.prepare(
        QStringLiteral("SELECT Keterangan FROM UsysInfo WHERE id = ? ORDER BY rowid LIMIT 1"));
    find.bind(1, int(id));
    return find.next() ? find.text(0) : QString();
}

void WriteInfoText(store::Database& db, const QString& text, qint16 id) {
    store::Statement find = db.prepare(
        QStringLiteral("SELECT rowid FROM UsysInfo WHERE id = ? ORDER BY rowid LIMIT 1"));
    find.bind(1, int(id));
    if (find.next()) {
        store::Statement update =
            db.prepare(QStringLiteral("UPDATE UsysInfo SET Keterangan = ? WHERE rowid = ?"));
        update.bind(1, text).bind(2, find.integer(0)).run();
        return;
    }
    store::Statement insert =
        db.prepare(QStringLiteral("INSERT INTO UsysInfo (id, Keterangan) VALUES (?, ?)"));
    insert.bind(1, int(id)).bind(2, text).run();
}

CustomBuild::CustomBuild(BuildPlan plan, platform::Dialogs& dialogs, BuildHooks hooks)
    : plan_(std::move(plan)), dialogs_(dialogs), hooks_(std::move(hooks)) {}

CustomBuild::~CustomBuild() = default;

BuildOutcome CustomBuild::BuildCustomStore() {
    const QString destination = platform::JoinPath(plan_.destinationFolder, store::kDataFileName);
    if (QFileInfo::exists(destination) &&
        dialogs_.message(texts::Overwrite(), platform::MessageButtons::OkCancel,
                         platform::MessageIcon::None, QString()) == platform::DialogResult::Cancel)
        return {BuildStatus::Refused, {}};
    QString built;
    BuildOutcome outcome{BuildStatus::Failed, {}};
    try {
        built = TemporaryStorePath(plan_.destinationFolder);
        buildInto(built);
        if (ArrayExist(plan_.modules, QStringLiteral("Peta"), false))
            CopyPictures(plan_.sourcePath, plan_.destinationFolder);
        ReplaceStore(built, destination);
        return {BuildStatus::Finished, ClosingText(plan_.destinationFolder)};
    } catch (const DestinationUnwritable&) {
        outcome.text = texts::DestinationUnwritable();
    } catch (const store::StoreError& error) {
        outcome.text = error.message();
    } catch (const BuildStopped&) {
        outcome.status = BuildStatus::Stopped;
    }
    source_.reset();
    if (!built.isEmpty())
        QFile::remove(built);
    if (outcome.status == BuildStatus::Failed)
        dialogs_.message(outcome.text, platform::MessageButtons::Ok, platform::MessageIcon::None,
                         QString());
    return outcome;
}

void CustomBuild::buildInto(const QString& file) {
    try {
        store::CreateDefaultDB(file);
    } catch (const store::StoreError&) {
        throw DestinationUnwritable{};
    }
    source_ = std::make_unique<store::Database>(plan_.sourcePath, store::Database::Mode::ReadOnly,
                                                store::kStorePassword);
    {
        store::StoreWriter writer(file);
        writer.begin();
        copyTables(writer);
        try {
            writer.commit();
        } catch (const store::StoreError&) {
            throw DestinationUnwritable{};
        }
    }
    store::Database destination(file, store::Database::Mode::ReadWrite, store::kStorePassword);
    destination.exec(QStringLiteral("BEGIN"));
    setSwitches(destination);
    UpdateVersionSwitches(destination);
    recordCustomization(destination);
    try {
        destination.exec(QStringLiteral("COMMIT"));
    } catch (const store::StoreError&) {
        throw DestinationUnwritable{};
    }
    source_.reset();
}

void CustomBuild::copyTables(store::StoreWriter& writer) {
    CopyTable(writer, QStringLiteral("Error"));
    CopyTable(writer, QStringLiteral("UsysVersi"));
    CopyTable(writer, QStringLiteral("UsysMenu"));
    introductionsChosen_ = ArrayExist(plan_.modules, QStringLiteral("Pengantar"), false);
    pericopesChosen_ = ArrayExist(plan_.modules, QStringLiteral("Perikop"), false);
    for (const auto& [module, table] : HandledModules()) {
        if (table.isEmpty() || !ArrayExist(plan_.modules, module, false))
            continue;
        if (module == QLatin1String("Deuterokanonika"))
            CopyDeuterocanon(writer);
        else
            CopyTable(writer, table);
    }
    CopyTable(writer, QStringLiteral("UsysInfo"));
    caption(texts::Copying());
    total_ = int(CountRows(*source_, QStringLiteral("UsysKitab")) +
                 CountRows(*source_, QStringLiteral("UsysAlkitab")));
    CopyVersionTable(writer, QStringLiteral("UsysKitab"));
    CopyVersionTable(writer, QStringLiteral("UsysAlkitab"));
}

void CustomBuild::CopyTable(store::StoreWriter& writer, const QString& table) {
    store::Statement rows = source_->prepare(QStringLiteral("SELECT * FROM \"%1\"").arg(table));
    const std::vector<FieldCopy> fields =
        PlanFields(rows, table, [](const QString&) { return FieldAction::Copy; });
    while (rows.next())
        writer.insert(table, ReadRow(rows, fields));
}

void CustomBuild::CopyVersionTable(store::StoreWriter& writer, const QString& table) {
    store::Statement rows = source_->prepare(QStringLiteral("SELECT * FROM \"%1\"").arg(table));
    const std::vector<FieldCopy> fields = PlanFields(rows, table, [this](const QString& f) {
        if (f.left(5).toLower() == QLatin1String("kitab"))
            return ArrayExist(plan_.columns, f, false) ? FieldAction::Copy : FieldAction::Skip;
        if (SameName(f, QStringLiteral("Intro")))
            return introductionsChosen_ ? FieldAction::Copy : FieldAction::Empty;
        if (SameName(f, QStringLiteral("Perikop")))
            return pericopesChosen_ ? FieldAction::Copy : FieldAction::Empty;
        return FieldAction::Copy;
    });
    while (rows.next()) {
        if (hooks_.stop && hooks_.stop->requested())
            throw BuildStopped{};
        writer.insert(table, ReadRow(rows, fields));
        rowCopied();
    }
}

void CustomBuild::CopyDeuterocanon(store::StoreWriter& writer) {
    const QString table = QStringLiteral("UsysDeuterokanonika");
    // The three-version table has eight fields; older stores carry only two versions.
    const QStringList fields =
        source_->columns(table).size() == 8
            ? QStringList{"urutan", "Buku1", "Buku2", "Buku3", "Bab", "Kitab1", "Kitab2", "Kitab3"}
            : QStringList{"urutan", "Buku1", "Buku2", "Bab", "Kitab1", "Kitab2"};
    store::Statement rows =
        source_->prepare(QStringLiteral("SELECT %1 FROM \"%2\"").arg(fields.join(u", "), table));
    const std::vector<FieldCopy> plan =
        PlanFields(rows, table, [](const QString&) { return FieldAction::Copy; });
    while (rows.next())
        writer.insert(table, ReadRow(rows, plan));
}

void CustomBuild::setSwitches(store::Database& destination) {
    destination.exec(QStringLiteral("UPDATE UsysMenu SET Aktif = 0"));
    // SetModuleSwitch: only the first row of that name, as a find would reach it.
    store::Statement setSwitch = destination.prepare(
        QStringLiteral("UPDATE UsysMenu SET Aktif = 1 WHERE rowid = (SELECT rowid FROM UsysMenu "
                       "WHERE ulower(NamaMenu) = ulower(?) ORDER BY rowid LIMIT 1)"));
    for (const auto& entry : HandledModules()) {
        if (!ArrayExist(plan_.modules, entry.first, false))
            continue;
        setSwitch.reset();
        setSwitch.bind(1, entry.first).run();
    }
}

void CustomBuild::UpdateVersionSwitches(store::Database& destination) {
    std::vector<std::pair<qint64, bool>> switches;
    store::Statement rows =
        destination.prepare(QStringLiteral("SELECT rowid, NamaTabel FROM UsysVersi"));
    while (rows.next()) {
        const QString column = rows.text(1);
        if (column.startsWith(QLatin1String("Kitab")))
            switches.emplace_back(rows.integer(0), ArrayExist(plan_.columns, column, false));
    }
    store::Statement update =
        destination.prepare(QStringLiteral("UPDATE UsysVersi SET Aktif = ? WHERE rowid = ?"));
    for (const auto& [row, active] : switches) {
        update.reset();
        update.bind(1, active ? 1 : 0).bind(2, row).run();
    }
}

void CustomBuild::recordCustomization(store::Database& destination) {
    const QString line = CustomizationLine(QDate::currentDate(), platform::UserLoginName(),
                                           platform::ComputerName());
    const QString history = ReadInfoText(destination, 100) + texts::kCrLf + line;
    WriteInfoText(destination, line, 99);
    WriteInfoText(destination, history, 100);
}

void CustomBuild::rowCopied() {
    ++copied_;
    if (hooks_.UpdateProgress)
        hooks_.UpdateProgress(copied_, total_);
}

void CustomBuild::caption(const QString& text) {
    if (hooks_.caption)
        hooks_.caption(text);
}

} // namespace customizer
