#pragma once

#include "store/Records.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace store {

class Database;
class Statement;

// An open data store, read-only, with every record set the reader uses.
// Chapter texts are read on demand, the dictionary, the deuterocanon and the thematic
// rows on first use; everything else is loaded by Open().
class Store {
public:
    // Opens the store at path with the store password. Throws StoreError naming the
    // file and the cause: no file, wrong password or not a store, a required table missing.
    static std::unique_ptr<Store> Open(const QString& path);
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
    // QString for a Null value, an unknown column or an index out of range.
    QString chapterText(int index, const QString& column) const;

    // UsysKitab in Urutan order; the testament lists filter Perjanjian without regard to case.
    const std::vector<BookRow>& books() const { return books_; }
    std::vector<const BookRow*> booksOf(const QString& perjanjian) const;
    // First book whose Kitab1 equals name (without regard to case); nullptr when none.
    const BookRow* findBook(const QString& name) const;

    const std::vector<VersionRow>& versions() const { return versions_; } // nr order
    const std::vector<ModuleRow>& modules() const { return modules_; }
    const std::vector<InfoRow>& info() const { return info_; }
    const std::vector<ParableRow>& parables() const { return parables_; }
    const std::vector<ProphecyRow>& prophecies() const { return prophecies_; }
    const std::vector<PictureRow>& pictures() const { return pictures_; }
    const QStringList& pictureCategories() const { return categories_; }
    // The three large study tables are read on first use, so start-up stays fast.
    const std::vector<DictionaryRow>& dictionary() const; // Entri order
    const std::vector<DeuteroRow>& deuterocanon() const;  // Urutan, Bab
    // True when UsysDeuterokanonika has the column Kitab3 (the three-version form).
    bool deuteroHasThirdColumn() const { return deuteroThird_; }
    // Kitab3 of the table's first row in Urutan, Bab order, read alone so that start-up
    // need not load the whole table; null without the column or without rows.
    QString firstDeuteroThirdText() const;

    // CheckTematik: the store has a table named exactly UsysTematik.
    bool hasTematik() const { return hasTematik_; }
    // UsysTematik ORDER BY topik, and its distinct topics; empty without the table.
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
    void loadThematic() const;

    QString path_;
    std::unique_ptr<Database> db_;
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
    mutable bool thematicLoaded_ = false;
    mutable std::vector<ThematicRow> thematic_;
    mutable QStringList topics_;
};

} // namespace store
