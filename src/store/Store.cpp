#include "store/Store.h"

#include "store/Database.h"
#include "store/DictionaryOrder.h"
#include "store/Schema.h"
#include "store/SchemaCheck.h"
#include "store/StoreError.h"

#include <QHash>
#include <algorithm>

namespace store {
namespace {

bool SameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Reads every row of a statement through a column-name lookup, so column order never matters.
class RowReader {
public:
    explicit RowReader(Statement& statement) : statement_(statement) {
        for (int i = 0; i < statement.columnCount(); ++i)
            index_.insert(statement.columnName(i).toLower(), i);
    }
    QString text(const char* name) const {
        const int i = column(name);
        return i < 0 ? QString() : statement_.text(i);
    }
    qint64 number(const char* name) const {
        const int i = column(name);
        return i < 0 ? 0 : statement_.integer(i);
    }

private:
    int column(const char* name) const {
        return index_.value(QString::fromLatin1(name).toLower(), -1);
    }
    Statement& statement_;
    QHash<QString, int> index_;
};

// The column name is one of Kitab1..Kitab50, checked by the callers, never user text.
QString ChapterTextSql(int number) {
    return QStringLiteral("SELECT %1 FROM UsysAlkitab WHERE rowid = ?").arg(VersionColumn(number));
}

// Keeps one read transaction open while many statements run: without it each statement
// locks the file, looks for a journal and checks the header again.
class ReadTransaction {
public:
    explicit ReadTransaction(Database& db) : db_(db) {
        db_.exec(QStringLiteral("SAVEPOINT chapter_texts"));
    }
    ~ReadTransaction() {
        try {
            db_.exec(QStringLiteral("RELEASE chapter_texts"));
        } catch (const StoreError&) {
            // A read-only savepoint has nothing to keep; the connection ends it when closed.
        }
    }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    Database& db_;
};

void ReadChapterTexts(Database& db, int number, const std::vector<qint64>& rowIds, int first,
                      int last, const ChapterTextSink& sink) {
    const ReadTransaction transaction(db);
    Statement query = db.prepare(ChapterTextSql(number));
    for (int index = first; index < last; ++index) {
        query.reset();
        query.bind(1, rowIds[size_t(index)]);
        sink(index, query.next() ? query.utf8(0) : QByteArrayView());
    }
}

template <typename Row, typename Read>
std::vector<Row> ReadAll(const Database& db, const QString& sql, Read read) {
    Statement statement = db.prepare(sql);
    RowReader reader(statement);
    std::vector<Row> rows;
    while (statement.next())
        rows.push_back(read(reader));
    return rows;
}

BookRow ReadBook(const RowReader& r) {
    BookRow row{qint32(r.number("Urutan")),
                r.text("Perjanjian"),
                qint32(r.number("JumlahBuku")),
                r.text("Intro"),
                r.text("Pengantar"),
                r.text("Perikop"),
                r.text("Referensi"),
                r.text("CiriKhas"),
                r.text("Survai"),
                {}};
    for (int i = 1; i <= kVersionColumns; ++i)
        row.names << r.text(VersionColumn(i).toLatin1().constData());
    return row;
}

bool HasAnyStoreTable(const QStringList& tables) {
    return std::any_of(Schema().begin(), Schema().end(), [&](const TableDef& table) {
        return tables.contains(table.name, Qt::CaseInsensitive);
    });
}

template <typename Row> const std::vector<Row>& NoRows() {
    static const std::vector<Row> none;
    return none;
}

} // namespace

qint32 BoundedChapterCount(qint32 jumlahBuku, qint32 rowsOfBook) {
    return std::clamp(jumlahBuku, 0, std::max(rowsOfBook, kMostChapters));
}

QString BookRow::name(const QString& column) const {
    const int number = VersionColumnNumber(column);
    return number > 0 && number <= names.size() ? names.at(number - 1) : QString();
}

Store::Store(const QString& path) : path_(path), collator_(DictionaryCollator()) {}

Store::~Store() = default;

std::unique_ptr<Store> Store::Open(const QString& path) {
    std::unique_ptr<Store> store(new Store(path));
    store->db_ = std::make_unique<Database>(path, Database::Mode::ReadOnly, kStorePassword);
    // An emptied file opens as a store without tables: that is damage, not eleven gaps.
    if (!HasAnyStoreTable(store->db_->tables()))
        throw StoreError(NotAStoreMessage(path));
    const QStringList missing = MissingForReading(*store->db_);
    if (!missing.isEmpty()) {
        throw StoreError(QStringLiteral("Database %1 tidak lengkap: %2.")
                             .arg(path, missing.join(QStringLiteral("; "))));
    }
    store->hasTematik_ = store->db_->tables().contains(QStringLiteral("UsysTematik"));
    store->load();
    return store;
}

void Store::setReadFailureHandler(ReadFailureHandler handler) {
    readFailureHandler_ = std::move(handler);
}

void Store::reportReadFailure() const {
    if (readFailureReported_)
        return;
    readFailureReported_ = true;
    if (readFailureHandler_) {
        readFailureHandler_(
            QStringLiteral("Database %1 tidak dapat dibaca lagi: berkasnya rusak atau telah "
                           "diganti sejak program dimulai.\r\nTutup program, periksa berkas "
                           "tersebut, lalu jalankan kembali program.")
                .arg(path_));
    }
}

template <typename Read>
auto Store::readOrReport(Read read) const -> std::optional<decltype(read())> {
    try {
        return read();
    } catch (const StoreError&) {
        reportReadFailure();
        return std::nullopt;
    }
}

void Store::load() {
    const Database& db = *db_;
    Statement chapters = db.prepare(
        QStringLiteral("SELECT id, Perjanjian, Urutan, Buku, Bab, Ayat, rowid FROM UsysAlkitab "
                       "ORDER BY Urutan, rowid"));
    while (chapters.next()) {
        chapters_.push_back({qint32(chapters.integer(0)), chapters.text(1),
                             qint32(chapters.integer(2)), chapters.text(3),
                             qint32(chapters.integer(4)), qint16(chapters.integer(5))});
        chapterRowIds_.push_back(chapters.integer(6));
    }
    books_ =
        ReadAll<BookRow>(db, QStringLiteral("SELECT * FROM UsysKitab ORDER BY Urutan"), ReadBook);
    versions_ = ReadAll<VersionRow>(
        db, QStringLiteral("SELECT * FROM UsysVersi ORDER BY nr, rowid"), [](const RowReader& r) {
            return VersionRow{qint32(r.number("nr")),    r.text("NamaVersi"),
                              r.text("SourceFolder"),    r.text("NamaTabel"),
                              qint32(r.number("Aktif")), r.text("HakCipta"),
                              qint16(r.number("Lama")),  qint16(r.number("Baru"))};
        });
    modules_ =
        ReadAll<ModuleRow>(db, QStringLiteral("SELECT * FROM UsysMenu"), [](const RowReader& r) {
            return ModuleRow{qint32(r.number("id")), r.text("NamaMenu"), qint32(r.number("Aktif"))};
        });
    info_ = ReadAll<InfoRow>(db, QStringLiteral("SELECT * FROM UsysInfo"), [](const RowReader& r) {
        return InfoRow{qint16(r.number("id")), r.text("Keterangan")};
    });
    loadStudyTables();
    keepReadableVersions();
    boundChapterCounts();
}

void Store::keepReadableVersions() {
    for (const QString& name : db_->columns(QStringLiteral("UsysAlkitab"))) {
        if (VersionColumnNumber(name) > 0)
            textColumns_ << name;
        if (name.compare(QLatin1String("Komentar"), Qt::CaseInsensitive) == 0)
            hasCommentary_ = true;
    }
    const QStringList nameColumns = db_->columns(QStringLiteral("UsysKitab"));
    // A version offered without its column would fail at its first chapter.
    std::erase_if(versions_, [&](const VersionRow& row) {
        return row.namaTabel.startsWith(QLatin1String("Kitab")) &&
               (!textColumns_.contains(row.namaTabel, Qt::CaseInsensitive) ||
                !nameColumns.contains(row.namaTabel, Qt::CaseInsensitive));
    });
}

void Store::boundChapterCounts() {
    QHash<QString, qint32> rows;
    for (const ChapterRow& chapter : chapters_)
        ++rows[chapter.buku.toLower()];
    for (BookRow& book : books_) {
        const QString name = book.names.isEmpty() ? QString() : book.names.first().toLower();
        book.jumlahBuku = BoundedChapterCount(book.jumlahBuku, rows.value(name));
    }
}

void Store::loadStudyTables() {
    const Database& db = *db_;
    parables_ =
        ReadAll<ParableRow>(db, QStringLiteral("SELECT * FROM UsysUmpama"), [](const RowReader& r) {
            return ParableRow{qint32(r.number("Urutan")), r.text("Perumpamaan"), r.text("Markus"),
                              r.text("Matius"),           r.text("Lukas"),       r.text("Yohanes")};
        });
    prophecies_ = ReadAll<ProphecyRow>(
        db, QStringLiteral("SELECT * FROM UsysNubuat"), [](const RowReader& r) {
            return ProphecyRow{qint16(r.number("Urutan")), r.text("Nubuat"), r.text("Lama"),
                               r.text("Baru")};
        });
    pictures_ = ReadAll<PictureRow>(db, QStringLiteral("SELECT * FROM UsysGambar ORDER BY rowid"),
                                    [](const RowReader& r) {
                                        return PictureRow{r.text("Kategori"), r.text("Judul"),
                                                          r.text("Gambar"), r.text("Keterangan")};
                                    });
    // One entry per category regardless of letter case, spelt as its first row.
    QStringList spellings;
    for (const PictureRow& picture : pictures_)
        spellings << picture.kategori;
    categories_ = DistinctIgnoringCase(spellings, *collator_);
    deuteroThird_ = db.columns(QStringLiteral("UsysDeuterokanonika"))
                        .contains(QStringLiteral("Kitab3"), Qt::CaseInsensitive);
}

const std::vector<DictionaryRow>& Store::dictionary() const {
    if (!dictionary_) {
        dictionary_ = readOrReport([this] {
            auto rows = ReadAll<DictionaryRow>(
                *db_, QStringLiteral("SELECT * FROM UsysKamus ORDER BY rowid"),
                [](const RowReader& r) {
                    return DictionaryRow{r.text("Entri"), r.text("Penjelasan")};
                });
            SortByDictionary(rows, &DictionaryRow::entri, *collator_);
            return rows;
        });
    }
    return dictionary_ ? *dictionary_ : NoRows<DictionaryRow>();
}

const std::vector<DeuteroRow>& Store::deuterocanon() const {
    if (!deutero_)
        deutero_ = readOrReport([this] { return readDeuterocanon(); });
    return deutero_ ? *deutero_ : NoRows<DeuteroRow>();
}

std::vector<DeuteroRow> Store::readDeuterocanon() const {
    return ReadAll<DeuteroRow>(
        *db_, QStringLiteral("SELECT * FROM UsysDeuterokanonika ORDER BY Urutan, Bab, rowid"),
        [](const RowReader& r) {
            return DeuteroRow{
                qint16(r.number("Urutan")), r.text("Buku1"),  r.text("Buku2"),  r.text("Buku3"),
                qint16(r.number("Bab")),    r.text("Kitab1"), r.text("Kitab2"), r.text("Kitab3")};
        });
}

QString Store::firstDeuteroThirdText() const {
    if (!deuteroThird_)
        return {};
    return readOrReport([this] {
               Statement first = db_->prepare(QStringLiteral(
                   "SELECT Kitab3 FROM UsysDeuterokanonika ORDER BY Urutan, Bab, rowid LIMIT 1"));
               return first.next() ? first.text(0) : QString();
           })
        .value_or(QString());
}

bool Store::deuteroVersionHasText(int version) const {
    static const QString kColumns[] = {QStringLiteral("Kitab1"), QStringLiteral("Kitab2"),
                                       QStringLiteral("Kitab3")};
    if (version < 1 || version > 3 || (version == 3 && !deuteroThird_))
        return false;
    // The column comes from the fixed list above, never from outside.
    const QString sql = QStringLiteral("SELECT 1 FROM UsysDeuterokanonika WHERE "
                                       "length(trim(%1)) > 0 LIMIT 1")
                            .arg(kColumns[version - 1]);
    return readOrReport([this, &sql] { return db_->prepare(sql).next(); }).value_or(false);
}

std::pair<std::vector<ThematicRow>, QStringList> Store::readThematic() const {
    auto rows = ReadAll<ThematicRow>(
        *db_, QStringLiteral("SELECT * FROM UsysTematik ORDER BY rowid"), [](const RowReader& r) {
            return ThematicRow{qint32(r.number("id")), r.text("Topik"), r.text("Ayat")};
        });
    QStringList spellings;
    spellings.reserve(qsizetype(rows.size()));
    for (const ThematicRow& row : rows)
        spellings << row.topik;
    // "Kasih" and "kasih" are one topic, listed under the spelling of its first row.
    QStringList topics = DistinctIgnoringCase(spellings, *collator_);
    SortByDictionary(rows, &ThematicRow::topik, *collator_);
    return {std::move(rows), std::move(topics)};
}

const std::vector<ThematicRow>& Store::thematic() const {
    if (!thematic_ && hasTematik_)
        thematic_ = readOrReport([this] { return readThematic(); });
    return thematic_ ? thematic_->first : NoRows<ThematicRow>();
}

const QStringList& Store::topics() const {
    static const QStringList none;
    thematic();
    return thematic_ ? thematic_->second : none;
}

std::optional<int> Store::findChapter(const QString& book, qint32 chapter) const {
    for (int i = 0; i < int(chapters_.size()); ++i) {
        const ChapterRow& row = chapters_[size_t(i)];
        if (row.bab == chapter && SameText(row.buku, book))
            return i;
    }
    return std::nullopt;
}

QString Store::chapterText(int index, const QString& column) const {
    const int number = VersionColumnNumber(column);
    if (index < 0 || index >= int(chapters_.size()) || number == 0 ||
        !textColumns_.contains(VersionColumn(number), Qt::CaseInsensitive))
        return {};
    return readOrReport([&] { return readChapterText(index, number); }).value_or(QString());
}

QString Store::commentary(int index) const {
    if (!hasCommentary_ || index < 0 || index >= int(chapters_.size()))
        return {};
    return readOrReport([&] {
               Statement query =
                   db_->prepare(QStringLiteral("SELECT Komentar FROM UsysAlkitab WHERE rowid = ?"));
               query.bind(1, chapterRowIds_[size_t(index)]);
               return query.next() ? query.text(0) : QString();
           })
        .value_or(QString());
}

bool Store::isChapterRange(const QString& column, int first, int last) const {
    const int number = VersionColumnNumber(column);
    return first >= 0 && last <= int(chapters_.size()) && first <= last && number != 0 &&
           textColumns_.contains(VersionColumn(number), Qt::CaseInsensitive);
}

bool Store::chapterTexts(const QString& column, int first, int last,
                         const ChapterTextSink& sink) const {
    if (!isChapterRange(column, first, last))
        return false;
    return readOrReport([&] {
               ReadChapterTexts(*db_, VersionColumnNumber(column), chapterRowIds_, first, last,
                                sink);
               return true;
           })
        .value_or(false);
}

bool Store::chapterTextsApart(const QString& column, int first, int last,
                              const ChapterTextSink& sink) const {
    if (!isChapterRange(column, first, last))
        return false;
    try {
        Database apart(path_, Database::Mode::ReadOnly, kStorePassword);
        // Reading in order needs only the pages on the way down; a small cache spares this
        // short-lived connection memory it would touch once.
        apart.exec(QStringLiteral("PRAGMA cache_size = 16"));
        ReadChapterTexts(apart, VersionColumnNumber(column), chapterRowIds_, first, last, sink);
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

QString Store::readChapterText(int index, int number) const {
    auto cached = textQueries_.find(number);
    if (cached == textQueries_.end()) {
        cached =
            textQueries_
                .emplace(number, std::make_unique<Statement>(db_->prepare(ChapterTextSql(number))))
                .first;
    }
    Statement& query = *cached->second;
    query.reset();
    query.bind(1, chapterRowIds_[size_t(index)]);
    const QString text = query.next() ? query.text(0) : QString();
    query.reset();
    return text;
}

std::vector<const BookRow*> Store::booksOf(const QString& perjanjian) const {
    std::vector<const BookRow*> rows;
    for (const BookRow& book : books_) {
        if (SameText(book.perjanjian, perjanjian))
            rows.push_back(&book);
    }
    return rows;
}

const BookRow* Store::findBook(const QString& name) const {
    for (const BookRow& book : books_) {
        if (!book.names.isEmpty() && SameText(book.names.first(), name))
            return &book;
    }
    return nullptr;
}

QString Store::GetInfoText(qint16 id) const {
    for (const InfoRow& row : info_) {
        if (row.id == id)
            return row.keterangan;
    }
    return id == 99 ? QStringLiteral("Database VR v.1.0") : QString();
}

qint32 Store::moduleSwitch(const QString& name) const {
    for (const ModuleRow& row : modules_) {
        if (SameText(row.namaMenu, name))
            return row.aktif;
    }
    return 0;
}

} // namespace store
