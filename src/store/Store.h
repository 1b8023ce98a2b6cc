#pragma once

#include "store/Records.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QCollator;

namespace store {

class Database;
class Statement;

// The most chapters a book of the canon has (Mazmur). A book may list chapters that the store
// lacks rows for, but never more than this or than the store's rows for it, whichever is more.
inline constexpr qint32 kMostChapters = 150;
qint32 BoundedChapterCount(qint32 jumlahBuku, qint32 rowsOfBook);

// Takes one chapter's text as UTF-8 while it is read, without a copy: the view holds no data
// (isNull) for a Null value and is valid only during the call.
using ChapterTextSink = std::function<void(int index, QByteArrayView utf8)>;

// An open data store, read-only, with every record set the reader uses.
// Chapter texts are read on demand, the dictionary, the deuterocanon and the thematic
// rows on first use; everything else is loaded by Open(). Open() checks every table and
// field those reads use, so a later read fails only when the file itself went bad: it then
// gives an empty result and the read-failure handler hears of it, once per store.
class Store {
public:
    // Opens the store at path with the store password. Throws StoreError naming the
    // file and the cause: no file, wrong password or not a store, a table or field missing.
    static std::unique_ptr<Store> Open(const QString& path);
    using ReadFailureHandler = std::function<void(const QString& message)>;
    void setReadFailureHandler(ReadFailureHandler handler);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    const QString& path() const { return path_; }

    // UsysAlkitab in Urutan order, without text columns.
    const std::vector<ChapterRow>& chapters() const { return chapters_; }
    // Index into chapters() of the first row with Buku = book (compared without regard
    // to case) and Bab = chapter.
    std::optional<int> findChapter(const QString& book, qint32 chapter) const;
    // The text of a version column ("Kitab1".."Kitab50") of chapters()[index]; a null
    // QString for a Null value, an unknown column, an index out of range or a failed read.
    QString chapterText(int index, const QString& column) const;
    // Komentar of chapters()[index], the chapter's commentary; empty for a store without the
    // field, an empty or Null value, an index out of range or a failed read.
    QString commentary(int index) const;
    // Gives sink the texts of chapters()[first, last) in a version column, in order, within
    // one read transaction; false for an unknown column, a range out of bounds or a failed
    // read (reported), after which sink may have had part of the range.
    bool chapterTexts(const QString& column, int first, int last,
                      const ChapterTextSink& sink) const;
    // The same through a connection of its own, so that another thread may read while this
    // store serves the rest; a failure is not reported.
    bool chapterTextsApart(const QString& column, int first, int last,
                           const ChapterTextSink& sink) const;

    // UsysKitab in Urutan order; the testament lists filter Perjanjian without regard to case.
    // A JumlahBuku beyond what the store can hold is bounded (see BoundedChapterCount).
    const std::vector<BookRow>& books() const { return books_; }
    std::vector<const BookRow*> booksOf(const QString& perjanjian) const;
    // First book whose Kitab1 equals name (without regard to case); nullptr when none.
    const BookRow* findBook(const QString& name) const;

    // nr order; a "Kitab" row whose column is missing from UsysAlkitab or UsysKitab is left out.
    const std::vector<VersionRow>& versions() const { return versions_; }
    const std::vector<ModuleRow>& modules() const { return modules_; }
    const std::vector<InfoRow>& info() const { return info_; }
    const std::vector<ParableRow>& parables() const { return parables_; }
    const std::vector<ProphecyRow>& prophecies() const { return prophecies_; }
    const std::vector<PictureRow>& pictures() const { return pictures_; }
    const QStringList& pictureCategories() const { return categories_; }
    // The three large study tables are read on first use, so start-up stays fast.
    const std::vector<DictionaryRow>& dictionary() const; // Entri in dictionary order
    const std::vector<DeuteroRow>& deuterocanon() const;  // Urutan, Bab
    // True when UsysDeuterokanonika has the column Kitab3 (the three-version form).
    bool deuteroHasThirdColumn() const { return deuteroThird_; }
    // Kitab3 of the table's first row in Urutan, Bab order, read alone so that start-up
    // need not load the whole table; null without the column or without rows.
    QString firstDeuteroThirdText() const;
    // Whether any chapter holds text in that deuterocanon version's column (1 to 3).
    bool deuteroVersionHasText(int version) const;

    // CheckTematik: the store has a table named exactly UsysTematik.
    bool hasTematik() const { return hasTematik_; }
    // UsysTematik in dictionary order of Topik, and its topics, one per spelling that differs
    // by more than letter case; empty without the table.
    const std::vector<ThematicRow>& thematic() const;
    const QStringList& topics() const;

    // Keterangan of the UsysInfo row with that id; "Database VR v.1.0" for a missing 99.
    QString GetInfoText(qint16 id) const;
    // Aktif of the UsysMenu row named so (first match); 0 when there is none.
    qint32 moduleSwitch(const QString& name) const;

private:
    explicit Store(const QString& path);
    void load();
    void loadStudyTables();
    std::pair<std::vector<ThematicRow>, QStringList> readThematic() const;
    std::vector<DeuteroRow> readDeuterocanon() const;
    QString readChapterText(int index, int number) const;
    void keepReadableVersions();
    void boundChapterCounts();
    void reportReadFailure() const;
    // Runs a read; a StoreError becomes nullopt and one report.
    template <typename Read> auto readOrReport(Read read) const -> std::optional<decltype(read())>;
    bool isChapterRange(const QString& column, int first, int last) const;

    QString path_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<QCollator> collator_; // dictionary order of the lists
    ReadFailureHandler readFailureHandler_;
    mutable bool readFailureReported_ = false;
    QStringList textColumns_; // the version columns UsysAlkitab has
    std::vector<ChapterRow> chapters_;
    std::vector<qint64> chapterRowIds_;                             // parallel to chapters_
    mutable std::map<int, std::unique_ptr<Statement>> textQueries_; // per version column
    std::vector<BookRow> books_;
    std::vector<VersionRow> versions_;
    std::vector<ModuleRow> modules_;
    std::vector<InfoRow> info_;
    std::vector<ParableRow> parables_;
    std::vector<ProphecyRow> prophecies_;
    std::vector<PictureRow> pictures_;
    QStringList categories_;
    mutable std::optional<std::vector<DictionaryRow>> dictionary_;
    mutable std::optional<std::vector<DeuteroRow>> deutero_;
    bool deuteroThird_ = false;
    bool hasTematik_ = false;
    bool hasCommentary_ = false; // UsysAlkitab has Komentar, which older stores may lack
    mutable std::optional<std::pair<std::vector<ThematicRow>, QStringList>> thematic_;
};

} // namespace store
