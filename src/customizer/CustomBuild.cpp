#include "customizer/CustomBuild.h"

#include "customizer/CustomizerTexts.h"
#include "customizer/FolderCheck.h"
#include "customizer/ModuleTables.h"
#include "customizer/SourceCheck.h"
#include "customizer/StagedStore.h"
#include "customizer/StopToken.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/SystemNames.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/StoreWriter.h"

#include <QFileInfo>
#include <QLocale>
#include <utility>
#include <vector>

namespace customizer {
namespace {

// The folder cannot take files, or a name the build moves into is taken.
struct DestinationUnwritable {};
// Writing the new store or its pictures failed part-way: the disk is full or refuses.
struct DestinationFull {};
// The source failed while being read.
struct SourceUnreadable {};
struct BuildStopped {};

enum class FieldAction { Copy, Skip, Empty };

struct FieldCopy {
    int column;
    QString name;
    FieldAction action;
    bool number;
};

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

// The next row of a source query; a read failure is the source's, not the destination's.
bool NextSourceRow(store::Statement& rows) {
    try {
        return rows.next();
    } catch (const store::StoreError&) {
        throw SourceUnreadable{};
    }
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
    if (const QString problem = checkSource(); !problem.isEmpty())
        return refuse(problem);
    StagedStore::RemoveLeftovers(plan_.destinationFolder);
    hadStore_ =
        QFileInfo::exists(platform::JoinPath(plan_.destinationFolder, store::kDataFileName));
    if (hadStore_ && dialogs_.message(texts::Overwrite(), platform::MessageButtons::OkCancel,
                                      platform::MessageIcon::None,
                                      QString()) == platform::DialogResult::Cancel) {
        source_.reset();
        return {BuildStatus::Refused, {}};
    }
    BuildOutcome outcome{BuildStatus::Failed, {}};
    try {
        stageAndCommit();
        outcome = {BuildStatus::Finished, ClosingText(plan_.destinationFolder)};
    } catch (const DestinationUnwritable&) {
        outcome.text = texts::DestinationUnwritable();
    } catch (const DestinationFull&) {
        outcome.text = texts::DestinationFull(plan_.destinationFolder, hadStore_);
    } catch (const SourceUnreadable&) {
        outcome.text = texts::SourceFailed(plan_.sourcePath, hadStore_);
    } catch (const BuildStopped&) {
        outcome.status = BuildStatus::Stopped;
    }
    source_.reset();
    if (outcome.status == BuildStatus::Failed)
        dialogs_.message(outcome.text, platform::MessageButtons::Ok, platform::MessageIcon::None,
                         QString());
    return outcome;
}

// Everything the build reads from the source is checked before the destination is touched.
QString CustomBuild::checkSource() {
    if (SameFolder(QFileInfo(plan_.sourcePath).absolutePath(), plan_.destinationFolder))
        return texts::SameFolders();
    QStringList problems;
    try {
        source_ = std::make_unique<store::Database>(
            plan_.sourcePath, store::Database::Mode::ReadOnly, store::kStorePassword);
        problems = SourceProblems(*source_, plan_.columns, plan_.modules);
    } catch (const store::StoreError& error) {
        return texts::SourceUnreadable(plan_.sourcePath, error.message());
    }
    if (problems.isEmpty())
        return {};
    return texts::SourceIncomplete(plan_.sourcePath, problems) + texts::kCrLf +
           texts::DestinationUntouched();
}

BuildOutcome CustomBuild::refuse(const QString& message) {
    source_.reset();
    dialogs_.message(message, platform::MessageButtons::Ok, platform::MessageIcon::None, QString());
    return {BuildStatus::Failed, message};
}

void CustomBuild::stageAndCommit() {
    // An empty folder would put the files into the root folder.
    if (plan_.destinationFolder.trimmed().isEmpty())
        throw DestinationUnwritable{};
    StagedStore staged(plan_.destinationFolder, hooks_.beforeStep);
    if (!staged.ready())
        throw DestinationUnwritable{};
    buildInto(staged.storePath());
    if (ArrayExist(plan_.modules, QStringLiteral("Peta"), false))
        stagePictures(staged);
    if (!staged.commit())
        throw DestinationUnwritable{};
}

void CustomBuild::step(BuildStep which) const {
    if (hooks_.beforeStep && !hooks_.beforeStep(which))
        throw DestinationFull{};
}

void CustomBuild::buildInto(const QString& file) {
    step(BuildStep::CreateStore);
    try {
        store::CreateDefaultDB(file);
    } catch (const store::StoreError&) {
        throw DestinationFull{};
    }
    step(BuildStep::CopyTables);
    writeTables(file);
    step(BuildStep::FinishStore);
    finishStore(file);
}

// Source reads translate their own failures, so a StoreError here is the destination's.
void CustomBuild::writeTables(const QString& file) {
    try {
        store::StoreWriter writer(file);
        writer.begin();
        copyTables(writer);
        writer.commit();
    } catch (const store::StoreError&) {
        throw DestinationFull{};
    }
}

void CustomBuild::finishStore(const QString& file) {
    try {
        store::Database destination(file, store::Database::Mode::ReadWrite, store::kStorePassword);
        destination.exec(QStringLiteral("BEGIN"));
        setSwitches(destination);
        UpdateVersionSwitches(destination);
        recordCustomization(destination);
        destination.exec(QStringLiteral("COMMIT"));
    } catch (const store::StoreError&) {
        throw DestinationFull{};
    }
}

// Map images live as files in "Peta" beside a store; a store with the maps module needs them.
void CustomBuild::stagePictures(StagedStore& staged) {
    const QString from = QFileInfo(plan_.sourcePath).absolutePath() + QStringLiteral("/Peta");
    if (!QFileInfo(from).isDir())
        return;
    const QFileInfo old(platform::JoinPath(plan_.destinationFolder, QStringLiteral("Peta")));
    if (old.exists() && !old.isDir())
        throw DestinationUnwritable{};
    if (!staged.stagePictures(from))
        throw DestinationFull{};
}

void CustomBuild::copyTables(store::StoreWriter& writer) {
    CopyTable(writer, QStringLiteral("Error"));
    CopyTable(writer, QStringLiteral("UsysVersi"));
    CopyTable(writer, QStringLiteral("UsysMenu"));
    introductionsChosen_ = ArrayExist(plan_.modules, QStringLiteral("Pengantar"), false);
    pericopesChosen_ = ArrayExist(plan_.modules, QStringLiteral("Perikop"), false);
    commentaryChosen_ = ArrayExist(plan_.modules, QStringLiteral("Commentary"), false);
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
    total_ = int(countSourceRows(QStringLiteral("UsysKitab")) +
                 countSourceRows(QStringLiteral("UsysAlkitab")));
    CopyVersionTable(writer, QStringLiteral("UsysKitab"));
    CopyVersionTable(writer, QStringLiteral("UsysAlkitab"));
}

store::Statement CustomBuild::readSource(const QString& sql) const {
    try {
        return source_->prepare(sql);
    } catch (const store::StoreError&) {
        throw SourceUnreadable{};
    }
}

qint64 CustomBuild::countSourceRows(const QString& table) const {
    store::Statement count = readSource(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table));
    return NextSourceRow(count) ? count.integer(0) : 0;
}

void CustomBuild::CopyTable(store::StoreWriter& writer, const QString& table) {
    store::Statement rows = readSource(QStringLiteral("SELECT * FROM \"%1\"").arg(table));
    const std::vector<FieldCopy> fields =
        PlanFields(rows, table, [](const QString&) { return FieldAction::Copy; });
    while (NextSourceRow(rows))
        writer.insert(table, ReadRow(rows, fields));
}

void CustomBuild::CopyVersionTable(store::StoreWriter& writer, const QString& table) {
    store::Statement rows = readSource(QStringLiteral("SELECT * FROM \"%1\"").arg(table));
    const std::vector<FieldCopy> fields = PlanFields(rows, table, [this](const QString& f) {
        if (f.left(5).toLower() == QLatin1String("kitab"))
            return ArrayExist(plan_.columns, f, false) ? FieldAction::Copy : FieldAction::Skip;
        if (SameName(f, QStringLiteral("Intro")))
            return introductionsChosen_ ? FieldAction::Copy : FieldAction::Empty;
        if (SameName(f, QStringLiteral("Perikop")))
            return pericopesChosen_ ? FieldAction::Copy : FieldAction::Empty;
        if (SameName(f, QStringLiteral("Komentar")))
            return commentaryChosen_ ? FieldAction::Copy : FieldAction::Empty;
        return FieldAction::Copy;
    });
    while (NextSourceRow(rows)) {
        if (hooks_.stop && hooks_.stop->requested())
            throw BuildStopped{};
        writer.insert(table, ReadRow(rows, fields));
        rowCopied();
    }
}

void CustomBuild::CopyDeuterocanon(store::StoreWriter& writer) {
    const QString table = QStringLiteral("UsysDeuterokanonika");
    const QStringList fields = DeuterocanonFields(
        readSource(QStringLiteral("SELECT * FROM \"%1\"").arg(table)).columnCount());
    store::Statement rows =
        readSource(QStringLiteral("SELECT %1 FROM \"%2\"").arg(fields.join(u", "), table));
    const std::vector<FieldCopy> plan =
        PlanFields(rows, table, [](const QString&) { return FieldAction::Copy; });
    while (NextSourceRow(rows))
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
