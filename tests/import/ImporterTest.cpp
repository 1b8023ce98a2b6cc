#include "import/Importer.h"

#include "import/ImportError.h"
#include "import/MarkupAudit.h"
#include "import/StoreAudit.h"
#include "import/SwordLibrary.h"
#include "scripture/BookCatalogue.h"
#include "scripture/Notations.h"
#include "scripture/ReferenceText.h"
#include "store/ModuleSwitches.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

// Builds stores from the SWORD modules that the set-up script installs (WEB, KJV, Nave, MHCC)
// and the data files of the repository, for two books only.
namespace {

QString DataFolder() {
    return QStringLiteral(VERMARA_DATA_DIR);
}

using import::ImportOptions;

ImportOptions TwoBooks(const QString& out) {
    ImportOptions options = import::SampleOptions(DataFolder(), out);
    options.bibles = {{QStringLiteral("engWEB2015eb"), {}},
                      {QStringLiteral("engKJV2006eb"), QStringLiteral("KJV")}};
    options.books = {QStringLiteral("Kejadian"), QStringLiteral("Matius")};
    return options;
}

class ImporterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir();
        library_ = new import::SwordLibrary();
        summary_ =
            new import::ImportSummary(import::Importer(*library_, TwoBooks(folder_->path())).run());
        store_ = store::Store::Open(summary_->storePath).release();
    }
    static void TearDownTestSuite() {
        delete store_;
        delete summary_;
        delete library_;
        delete folder_;
    }

    static QTemporaryDir* folder_;
    static import::SwordLibrary* library_;
    static import::ImportSummary* summary_;
    static store::Store* store_;
};

QTemporaryDir* ImporterTest::folder_ = nullptr;
import::SwordLibrary* ImporterTest::library_ = nullptr;
import::ImportSummary* ImporterTest::summary_ = nullptr;
store::Store* ImporterTest::store_ = nullptr;

} // namespace

TEST_F(ImporterTest, WritesEveryChapterOfTheChosenBooksInCanonicalOrder) {
    const auto& chapters = store_->chapters();
    ASSERT_EQ(chapters.size(), 50u + 28u);
    EXPECT_EQ(chapters.front().buku, QStringLiteral("Kejadian"));
    EXPECT_EQ(chapters.front().perjanjian, QStringLiteral("Lama"));
    EXPECT_EQ(chapters.back().buku, QStringLiteral("Matius"));
    EXPECT_EQ(chapters.back().bab, 28);
    EXPECT_EQ(chapters.back().perjanjian, QStringLiteral("Baru"));
    for (size_t i = 0; i < chapters.size(); ++i)
        EXPECT_EQ(chapters[i].urutan, qint32(i + 1));
    const std::optional<int> matius5 = store_->findChapter(QStringLiteral("Matius"), 5);
    ASSERT_TRUE(matius5);
    EXPECT_EQ(chapters[*matius5].ayat, 48);
    EXPECT_EQ(summary_->rows.at(QStringLiteral("UsysAlkitab")), 78);
}

TEST_F(ImporterTest, ChapterTextsAreVerseLinesWithoutMarkup) {
    const int index = *store_->findChapter(QStringLiteral("Matius"), 5);
    const QString web = store_->chapterText(index, QStringLiteral("Kitab1"));
    const QString kjv = store_->chapterText(index, QStringLiteral("Kitab2"));
    EXPECT_TRUE(web.startsWith(QStringLiteral("5:1 Seeing the multitudes, he went up onto the "
                                              "mountain.")));
    EXPECT_EQ(web.count(QStringLiteral("\r\n")), 47);
    for (const QString& text : {web, kjv}) {
        EXPECT_FALSE(text.contains(u'<'));
        EXPECT_FALSE(text.contains(QStringLiteral("strong")));
        EXPECT_FALSE(text.contains(QStringLiteral("\n\n")));
    }
    const std::optional<QString> lines =
        scripture::ShowReferenceText(QStringLiteral("Matius#5:44-45"), *store_);
    ASSERT_TRUE(lines);
    const QStringList verses = lines->split(QStringLiteral("\r\n"));
    ASSERT_EQ(verses.size(), 2);
    EXPECT_EQ(verses[0],
              QStringLiteral("5:44 But I tell you, love your enemies, bless those who "
                             "curse you, do good to those who hate you, and pray for those "
                             "who mistreat you and persecute you,"));
    EXPECT_TRUE(
        verses[1].startsWith(QStringLiteral("5:45 that you may be children of your Father")));
    EXPECT_TRUE(kjv.contains(QStringLiteral("\r\n5:44 But I say unto you, Love your enemies")));
}

TEST_F(ImporterTest, CataloguesTheVersionsWithTheirNamesAndRights) {
    const auto& versions = store_->versions();
    ASSERT_EQ(versions.size(), 2u);
    EXPECT_EQ(versions[0].namaVersi, QStringLiteral("World English Bible"));
    EXPECT_EQ(versions[0].namaTabel, QStringLiteral("Kitab1"));
    EXPECT_EQ(versions[1].namaVersi, QStringLiteral("KJV"));
    EXPECT_EQ(versions[1].hakCipta, QStringLiteral("Public Domain"));
    EXPECT_EQ(versions[1].lama, 1);
    EXPECT_EQ(versions[1].baru, 1);
    const store::BookRow* matius = store_->findBook(QStringLiteral("Matius"));
    ASSERT_TRUE(matius);
    EXPECT_EQ(matius->jumlahBuku, 28);
    EXPECT_EQ(matius->name(QStringLiteral("Kitab2")), QStringLiteral("Matthew"));
    EXPECT_FALSE(matius->intro.isEmpty());
    EXPECT_FALSE(matius->survai.isEmpty());
    EXPECT_TRUE(store_->GetInfoText(4).contains(QStringLiteral("engKJV2006eb")));
    EXPECT_TRUE(store_->GetInfoText(1).contains(QStringLiteral("Referensi silang")));
}

TEST_F(ImporterTest, CrossReferencesAndPericopesAreWellFormed) {
    for (const store::BookRow& book : store_->books()) {
        const QStringList lines = book.referensi.split(QStringLiteral("\r\n"));
        ASSERT_FALSE(book.referensi.isEmpty()) << book.names[0].toStdString();
        for (const QString& line : lines) {
            const int chapter = line.section(u'#', 1, 1).toInt();
            ASSERT_GT(chapter, 0) << line.toStdString();
            const auto entries = scripture::CrossReferencesOfChapter(book.referensi, chapter);
            ASSERT_FALSE(entries.empty());
            for (const auto& entry : entries) {
                EXPECT_TRUE(entry.label.startsWith(QString::number(chapter) + u':'));
                for (const QString& reference : entry.references) {
                    const auto key = scripture::ParseDisplayReference(reference);
                    ASSERT_TRUE(key) << reference.toStdString();
                    EXPECT_GT(scripture::CanonicalPosition(key->book), 0)
                        << reference.toStdString();
                }
            }
        }
        const QStringList pericopes = book.perikop.split(QStringLiteral("\r\n"));
        EXPECT_GT(pericopes.size(), book.jumlahBuku);
        for (const QString& line : pericopes) {
            const auto pericope = scripture::ParsePericopeLine(line);
            ASSERT_TRUE(pericope) << line.toStdString();
            const auto key = scripture::ParseLocationKey(pericope->reference);
            ASSERT_TRUE(key) << line.toStdString();
            EXPECT_EQ(key->book, book.names[0]);
            EXPECT_TRUE(scripture::ShowReferenceText(pericope->reference, *store_))
                << line.toStdString();
        }
    }
    EXPECT_EQ(summary_->booksWithReferences, 2);
    EXPECT_EQ(summary_->booksWithPericopes, 2);
}

TEST_F(ImporterTest, FillsTheStudyTablesAndSwitchesOnWhatIsPresent) {
    EXPECT_FALSE(store_->dictionary().empty());
    ASSERT_FALSE(store_->thematic().empty());
    for (const store::ThematicRow& row : store_->thematic())
        ASSERT_TRUE(scripture::ParseLocationKey(row.ayat)) << row.ayat.toStdString();
    ASSERT_FALSE(store_->deuterocanon().empty());
    EXPECT_EQ(store_->deuterocanon().front().buku1, QStringLiteral("Tobit"));
    EXPECT_TRUE(store_->deuterocanon().front().kitab1.startsWith(QStringLiteral("1:1 ")));
    EXPECT_EQ(store_->GetInfoText(201), QStringLiteral("Deuterokanonika World English Bible"));
    EXPECT_GE(store_->parables().size(), 30u);
    EXPECT_GE(store_->prophecies().size(), 30u);
    const int index = *store_->findChapter(QStringLiteral("Kejadian"), 1);
    EXPECT_FALSE(store_->chapterText(index, QStringLiteral("Kitab1")).isEmpty());
    const auto switches = store::ReadModuleSwitches(*store_);
    const QStringList& names = store::ModuleNames();
    for (int i = 0; i < names.size(); ++i) {
        // No pictures were asked for; every other module has its data.
        EXPECT_EQ(switches[i], names[i] != QStringLiteral("Peta")) << names[i].toStdString();
    }
    EXPECT_TRUE(QFile::exists(QDir(folder_->path()).filePath(QStringLiteral("VR_tips.dat"))));
    EXPECT_FALSE(QFile::exists(summary_->storePath + QStringLiteral(".tmp")));
}

// Only the parallels into gospels this two-book store leaves out (Markus, Lukas, Yohanes) may
// be wanting; every other reference of every study table resolves, and no text of the
// modules (Nave's whole dictionary among them) keeps any markup.
TEST_F(ImporterTest, TheFinishedStorePassesTheCheckButForBooksItLeavesOut) {
    EXPECT_EQ(import::AuditMarkup(summary_->storePath), QStringList());
    for (const QString& finding : import::AuditStore(*store_)) {
        EXPECT_TRUE(finding.startsWith(QStringLiteral("UsysUmpama ")) ||
                    finding.startsWith(QStringLiteral("UsysNubuat ")))
            << finding.toStdString();
        EXPECT_TRUE(finding.endsWith(QStringLiteral("tidak ada dalam database")))
            << finding.toStdString();
    }
}

// The King James module leaves USFM codes ("the \nd LORD") in 27 chapters, Imamat 19 among
// them.
TEST(ImporterKingJames, LeviticusReadsWithoutTheModulesCodes) {
    QTemporaryDir folder;
    ImportOptions options = TwoBooks(folder.path());
    options.books = {QStringLiteral("Imamat")};
    options.deutero.clear();
    options.dictionary.clear();
    options.topics.clear();
    const import::SwordLibrary library;
    const import::ImportSummary summary = import::Importer(library, options).run();
    EXPECT_EQ(import::AuditMarkup(summary.storePath), QStringList());
    const auto store = store::Store::Open(summary.storePath);
    const QString kjv =
        store->chapterText(*store->findChapter(QStringLiteral("Imamat"), 19), "Kitab2");
    EXPECT_TRUE(kjv.contains(QStringLiteral(
        "\r\n19:25 And in the fifth year shall ye eat of the fruit thereof, that it may yield "
        "unto you the increase thereof: I am the LORD your God.\r\n")))
        << kjv.toStdString();
}

// The catalogue's names and OSIS ids walked against SWORD's own versification: each book in
// canonical order has its number of chapters there, so a misspelt id or two swapped rows of
// either table show.
TEST(CanonAgainstSword, EveryBookHasItsChaptersUnderItsOsisId) {
    const std::vector<std::pair<QString, int>> canon{
        {"Kejadian", 50},     {"Keluaran", 40},    {"Imamat", 27},      {"Bilangan", 36},
        {"Ulangan", 34},      {"Yosua", 24},       {"Hakim-hakim", 21}, {"Rut", 4},
        {"I Samuel", 31},     {"II Samuel", 24},   {"I Raja-raja", 22}, {"II Raja-raja", 25},
        {"I Tawarikh", 29},   {"II Tawarikh", 36}, {"Ezra", 10},        {"Nehemia", 13},
        {"Ester", 10},        {"Ayub", 42},        {"Mazmur", 150},     {"Amsal", 31},
        {"Pengkhotbah", 12},  {"Kidung Agung", 8}, {"Yesaya", 66},      {"Yeremia", 52},
        {"Ratapan", 5},       {"Yehezkiel", 48},   {"Daniel", 12},      {"Hosea", 14},
        {"Yoel", 3},          {"Amos", 9},         {"Obaja", 1},        {"Yunus", 4},
        {"Mikha", 7},         {"Nahum", 3},        {"Habakuk", 3},      {"Zefanya", 3},
        {"Hagai", 2},         {"Zakharia", 14},    {"Maleakhi", 4},     {"Matius", 28},
        {"Markus", 16},       {"Lukas", 24},       {"Yohanes", 21},     {"Kisah Para Rasul", 28},
        {"Roma", 16},         {"I Korintus", 16},  {"II Korintus", 13}, {"Galatia", 6},
        {"Efesus", 6},        {"Filipi", 4},       {"Kolose", 4},       {"I Tesalonika", 5},
        {"II Tesalonika", 3}, {"I Timotius", 6},   {"II Timotius", 4},  {"Titus", 3},
        {"Filemon", 1},       {"Ibrani", 13},      {"Yakobus", 5},      {"I Petrus", 5},
        {"II Petrus", 3},     {"I Yohanes", 5},    {"II Yohanes", 1},   {"III Yohanes", 1},
        {"Yudas", 1},         {"Wahyu", 22}};
    ASSERT_EQ(int(canon.size()), scripture::kCanonBooks);
    const import::SwordLibrary library;
    for (int i = 0; i < scripture::kCanonBooks; ++i) {
        const auto& [name, chapters] = canon[size_t(i)];
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(scripture::CanonicalPosition(name), i + 1);
        EXPECT_EQ(scripture::CanonicalName(i + 1), name);
        const QString osis = scripture::CanonicalOsisBooks().at(i);
        EXPECT_EQ(scripture::OsisBookPosition(osis), i + 1);
        EXPECT_EQ(library.chapterCount(osis), chapters) << osis.toStdString();
    }
}

TEST(ImporterFailure, NamesTheUnknownModuleAndTheUnreadableDataFile) {
    QTemporaryDir folder;
    import::ImportOptions options = TwoBooks(folder.path());
    options.bibles.push_back({QStringLiteral("NoSuchBible"), {}});
    try {
        import::Importer(import::SwordLibrary(), options).run();
        FAIL() << "an unknown module was accepted";
    } catch (const import::ImportError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("\"NoSuchBible\"")));
    }
    options = TwoBooks(folder.path());
    options.commentary = QStringLiteral("engKJV2006eb");
    EXPECT_THROW(import::Importer(import::SwordLibrary(), options).run(), import::ImportError);
    options = TwoBooks(folder.path());
    options.dataFolder = folder.filePath(QStringLiteral("missing"));
    try {
        import::Importer(import::SwordLibrary(), options).run();
        FAIL() << "a missing data folder was accepted";
    } catch (const import::ImportError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("parables.tsv")));
    }
}

TEST(ImporterFailure, LeavesAnExistingStoreWholeWhenTheBuildFails) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(store::kDataFileName);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old store");
    old.close();
    import::ImportOptions options = TwoBooks(folder.path());
    options.dataFolder = folder.filePath(QStringLiteral("missing"));
    EXPECT_THROW(import::Importer(import::SwordLibrary(), options).run(), import::ImportError);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old store"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{store::kDataFileName});
}

TEST(ImporterFailure, RefusesAnOutFolderThatCannotBeWritten) {
    QTemporaryDir folder;
    const QString file = QDir(folder.path()).filePath(QStringLiteral("not-a-folder"));
    QFile plain(file);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    try {
        import::Importer(import::SwordLibrary(), TwoBooks(file + QStringLiteral("/out"))).run();
        FAIL() << "an unwritable folder was accepted";
    } catch (const import::ImportError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("tidak dapat ditulis")));
    }
}
