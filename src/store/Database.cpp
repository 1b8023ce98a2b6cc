#include "store/Database.h"

#include "store/StoreError.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace store {
namespace {

// Jet compared text without regard to case; ulower() gives queries the same meaning.
void UnicodeLower(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray lower = QString::fromUtf8(text).toLower().toUtf8();
    sqlite3_result_text(context, lower.constData(), int(lower.size()), SQLITE_TRANSIENT);
}

int OpenFlags(Database::Mode mode) {
    switch (mode) {
    case Database::Mode::ReadOnly:
        return SQLITE_OPEN_READONLY;
    case Database::Mode::ReadWrite:
        return SQLITE_OPEN_READWRITE;
    case Database::Mode::Create:
        break;
    }
    return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
}

constexpr int kKeyRounds = 64;
constexpr int kPageSize = 65536;
constexpr int kSmallPageSize = 4096;

QString PragmasFor(int keyRounds, int pageSize, const QString& schema = QString()) {
    const QString prefix = schema.isEmpty() ? QString() : schema + QLatin1Char('.');
    return QStringLiteral("PRAGMA %1kdf_iter = %2; PRAGMA %1cipher_page_size = %3;")
        .arg(prefix)
        .arg(keyRounds)
        .arg(pageSize);
}

} // namespace

QString CipherPragmas(const QString& schema) {
    return PragmasFor(kKeyRounds, kPageSize, schema);
}

Database::Database(const QString& path, Mode mode, const QString& password) : path_(path) {
    if (mode != Mode::Create && !QFileInfo(path).isFile())
        throw StoreError(QStringLiteral("Berkas data tidak ditemukan: %1").arg(path));
    try {
        open(mode, password);
    } catch (const StoreError&) {
        // The destructor does not run for a half-built object, so the handle is closed here.
        sqlite3_close_v2(db_);
        throw;
    }
}

void Database::open(Mode mode, const QString& password) {
    // Stores written by earlier builds open on a later try.
    if (!connect(mode, password, Cipher::Current) && !connect(mode, password, Cipher::SmallPages) &&
        !connect(mode, password, Cipher::SqlcipherDefaults)) {
        throw StoreError(
            QStringLiteral("Berkas %1 bukan database Vermara atau kata sandinya salah.")
                .arg(path_));
    }
    sqlite3_create_function(db_, "ulower", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            UnicodeLower, nullptr, nullptr);
}

bool Database::connect(Mode mode, const QString& password, Cipher cipher) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
    const QByteArray file = path_.toUtf8();
    if (sqlite3_open_v2(file.constData(), &db_, OpenFlags(mode), nullptr) != SQLITE_OK)
        fail(QStringLiteral("tidak dapat dibuka"));
    if (!password.isEmpty()) {
        const QByteArray key = password.toUtf8();
        sqlite3_key(db_, key.constData(), int(key.size()));
        if (cipher == Cipher::Current)
            exec(CipherPragmas());
        else if (cipher == Cipher::SmallPages)
            exec(PragmasFor(kKeyRounds, kSmallPageSize));
    }
    // A wrong password or a file that is no store only shows on the first read.
    return sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) ==
           SQLITE_OK;
}

Database::~Database() {
    sqlite3_close_v2(db_);
}

QString Database::lastError() const {
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

void Database::fail(const QString& cause) const {
    throw StoreError(QStringLiteral("Database %1: %2 (%3)").arg(path_, cause, lastError()));
}

void Database::exec(const QString& sql) {
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_exec(db_, utf8.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QStringLiteral("perintah gagal"));
}

Statement Database::prepare(const QString& sql) const {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK)
        fail(QStringLiteral("perintah tidak dapat disiapkan"));
    return Statement(*this, stmt);
}

QStringList Database::tables() const {
    Statement query =
        prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY rowid"));
    QStringList names;
    while (query.next())
        names << query.text(0);
    return names;
}

QStringList Database::columns(const QString& table) const {
    // PRAGMA takes no bound values; the name is quoted with its quotes doubled.
    QString quoted = table;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    Statement query = prepare(QStringLiteral("PRAGMA table_info(\"%1\")").arg(quoted));
    QStringList names;
    while (query.next())
        names << query.text(1);
    return names;
}

Statement::Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_) {
    other.stmt_ = nullptr;
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement& Statement::bind(int position, const QVariant& value) {
    int rc = SQLITE_OK;
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        rc = sqlite3_bind_null(stmt_, position);
        break;
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        rc = sqlite3_bind_int64(stmt_, position, value.toLongLong());
        break;
    case QMetaType::Double:
        rc = sqlite3_bind_double(stmt_, position, value.toDouble());
        break;
    default: {
        const QString text = value.toString();
        if (text.isNull()) {
            rc = sqlite3_bind_null(stmt_, position);
            break;
        }
        const QByteArray utf8 = text.toUtf8();
        rc = sqlite3_bind_text(stmt_, position, utf8.constData(), int(utf8.size()),
                               SQLITE_TRANSIENT);
    }
    }
    if (rc != SQLITE_OK)
        db_->fail(QStringLiteral("nilai tidak dapat diikat"));
    return *this;
}

bool Statement::next() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        db_->fail(QStringLiteral("pembacaan gagal"));
    return false;
}

void Statement::run() {
    if (sqlite3_step(stmt_) != SQLITE_DONE)
        db_->fail(QStringLiteral("penulisan gagal"));
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

QString Statement::text(int column) const {
    const QByteArrayView bytes = utf8(column);
    return bytes.isNull() ? QString() : QString::fromUtf8(bytes);
}

QByteArrayView Statement::utf8(int column) const {
    if (sqlite3_column_type(stmt_, column) == SQLITE_NULL)
        return {};
    // An empty text arrives as a non-null pointer, so it stays apart from Null.
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QByteArrayView(data, sqlite3_column_bytes(stmt_, column));
}

qint64 Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

} // namespace store
