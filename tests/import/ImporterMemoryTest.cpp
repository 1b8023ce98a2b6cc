#include "MemorySource.h"
#include "import/ImportError.h"
#include "import/Importer.h"
#include "import/MarkupAudit.h"
#include "import/StoreAudit.h"
#include "scripture/Notations.h"
#include "store/ModuleSwitches.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

// Small stores built from modules held in memory: the write step, the catalogue, the module
// switches and the reference checks, without SWORD.
namespace {

using import::ImportOptions;
using import::ImportSummary;

const QString kWeb = QStringLiteral("WEB");
const QString kKjv = QStringLiteral("KJV");
const QString kNave = QStringLiteral("Nave");

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Kejadian 1-2, Matius 1-2 and II Korintus 1; the KJV module carries one verse more of
// Matius 2 than WEB.
void FillModules(MemorySource& source) {
    source.addModule(kWeb, QStringLiteral("World English Bible"), MemorySource::kBible);
    source.addModule(kKjv, QStringLiteral("King James Version"), MemorySource::kBible);
    source.addModule(kNave, QStringLiteral("Nave's Topical Bible"), MemorySource::kDictionary);
    source.setBook(QStringLiteral("Gen"), {3, 2});
    source.setBook(QStringLiteral("Matt"), {4, 3});
    source.setBook(QStringLiteral("2Cor"), {3});
    const std::vector<std::tuple<QString, int, int>> verses = {{QStringLiteral("Gen"), 1, 3},
                                                               {QStringLiteral("Gen"), 2, 2},
                                                               {QStringLiteral("Matt"), 1, 4},
                                                               {QStringLiteral("Matt"), 2, 2},
                                                               {QStringLiteral("2Cor"), 1, 3}};
    for (const auto& [book, chapter, count] : verses) {
        for (int verse = 1; verse <= count; ++verse) {
            const QString text = QStringLiteral("%1 %2:%3 text").arg(book).arg(chapter).arg(verse);
            source.setVerse(kWeb, book, chapter, verse, text);
            source.setVerse(kKjv, book, chapter, verse, text);
        }
    }
    source.setVerse(kKjv, QStringLiteral("Matt"), 2, 3, QStringLiteral("the verse WEB lacks"));
    source.setVerse(kWeb, QStringLiteral("Matt"), 1, 1,
                    QStringLiteral("Book of the genealogy<note type=\"crossReference\">"
                                   "<reference osisRef=\"Gen.1.2\">Ge 1:2</reference>; "
                                   "<reference osisRef=\"Gen.2.9\">Ge 2:9</reference></note>"));
    source.setVerse(kWeb, QStringLiteral("Tob"), 1, 1, QStringLiteral("Tobit's first verse"));
    source.addEntry(kNave, QStringLiteral("CORINTH"),
                    QStringLiteral("<entryFree n=\"CORINTH\"> <def> <lb/>By <ref "
                                   "osisRef=\"Titus.2\">Titus 2</ref><ref osisRef=\"Col.1.2\">Co "
                                   "1:2</ref>,<ref osisRef=\"Col.1.3\">3</ref>; <ref "
                                   "osisRef=\"Col.9.1\">9:1</ref> <lb/>See <ref "
                                   "osisRef=\"Gen.1\">Ge 1</ref></def> </entryFree>"));
    source.addEntry(
        kNave, QStringLiteral("REVERENCE"),
        QStringLiteral("<lb/>REVERENCEGe 1:3; <ref osisRef=\"Exod.3.29\">Ex 3:29</ref>"));
    source.addEntry(kNave, QStringLiteral("SIN"), QStringLiteral("<lb/>1. Desert Ge 2:1"));
    source.addEntry(kNave, QStringLiteral("Sin"), QStringLiteral("<lb/>2. Transgression Mt 2:3"));
}

// The data files of a store of Kejadian and Matius; a reference into a book the store lacks
// (Markus) is passed over.
void WriteData(const QString& folder, const QByteArray& parable) {
    const QDir data(folder);
    WriteFile(data.filePath(QStringLiteral("parables.tsv")),
              "Urutan\tPerumpamaan\tMatius\tMarkus\tLukas\tYohanes\n1\tPenabur\t" + parable +
                  "\tMarkus#4:3-9\t\t\n");
    WriteFile(data.filePath(QStringLiteral("prophecies.tsv")),
              "Urutan\tNubuat\tLama\tBaru\n1\tAsal-usul\tKejadian#1:1\tMatius#1:1\n");
    for (const char* name :
         {"info_about.txt", "info_rules.txt", "info_rights.txt", "info_edition.txt", "VR_tips.dat"})
        WriteFile(data.filePath(QString::fromLatin1(name)), QByteArray("new ") + name);
}

class ImporterMemoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        FillModules(source_);
        WriteData(data_.path(), "Matius#2:1-3");
    }

    ImportOptions options() const {
        ImportOptions options;
        options.bibles = {{kWeb, {}}, {kKjv, {}}};
        options.deutero = kWeb;
        options.dictionary = kNave;
        options.topics = kNave;
        options.dataFolder = data_.path();
        options.outFolder = out_.path();
        options.books = {QStringLiteral("Kejadian"), QStringLiteral("Matius"),
                         QStringLiteral("II Korintus")};
        return options;
    }

    ImportSummary run(const ImportOptions& options) {
        return import::Importer(source_, options,
                                [this](const QString& line) {
                                    lines_ << line;
                                    if (line == failAt_)
                                        throw import::ImportError(QStringLiteral("injected"));
                                })
            .run();
    }

    QString outPath(const QString& name) const { return QDir(out_.path()).filePath(name); }

    MemorySource source_;
    QTemporaryDir data_;
    QTemporaryDir out_;
    QStringList lines_;
    QString failAt_;
};

} // namespace

TEST_F(ImporterMemoryTest, AyatIsTheHighestVerseOfAnyVersion) {
    run(options());
    const auto store = store::Store::Open(outPath(store::kDataFileName));
    const std::optional<int> matius2 = store->findChapter(QStringLiteral("Matius"), 2);
    ASSERT_TRUE(matius2);
    EXPECT_EQ(store->chapters()[*matius2].ayat, 3);
    EXPECT_EQ(store->chapters()[*store->findChapter(QStringLiteral("Kejadian"), 1)].ayat, 3);
    EXPECT_TRUE(store->chapterText(*matius2, QStringLiteral("Kitab2"))
                    .endsWith(QStringLiteral("\r\n2:3 the verse WEB lacks")));
}

TEST_F(ImporterMemoryTest, WritesTheCatalogueAndSwitchesOnWhatIsPresent) {
    const ImportSummary summary = run(options());
    const auto store = store::Store::Open(summary.storePath);
    ASSERT_EQ(store->versions().size(), 2u);
    EXPECT_EQ(store->versions()[0].namaVersi, QStringLiteral("World English Bible"));
    EXPECT_EQ(store->versions()[1].namaTabel, QStringLiteral("Kitab2"));
    EXPECT_EQ(store->versions()[1].lama, 1);
    EXPECT_EQ(store->versions()[1].baru, 1);
    EXPECT_EQ(summary.rows.at(QStringLiteral("UsysAlkitab")), 5);
    const auto switches = store::ReadModuleSwitches(*store);
    const QStringList& names = store::ModuleNames();
    // No commentary and no pictures were given; everything else has its rows.
    const QStringList off = {QStringLiteral("Perikop"), QStringLiteral("Peta"),
                             QStringLiteral("Commentary")};
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(switches[i], !off.contains(names[i])) << names[i].toStdString();
}

TEST_F(ImporterMemoryTest, DictionaryReadsReferencesFromTheTextAndMergesHeadwords) {
    const ImportSummary summary = run(options());
    const auto store = store::Store::Open(summary.storePath);
    std::map<QString, QString> entries;
    for (const store::DictionaryRow& row : store->dictionary())
        entries[row.entri] = row.penjelasan;
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[QStringLiteral("Corinth")],
              QStringLiteral("By Titus II Korintus 1:2,3\r\nSee Kejadian 1"));
    EXPECT_EQ(entries[QStringLiteral("Reverence")], QStringLiteral("REVERENCE Kejadian 1:3"));
    EXPECT_EQ(entries[QStringLiteral("Sin")],
              QStringLiteral("1. Desert Kejadian 2:1\r\n\r\n2. Transgression Matius 2:3"));
    QStringList ayat;
    for (const store::ThematicRow& row : store->thematic())
        ayat << row.ayat;
    EXPECT_EQ(ayat, (QStringList{"II Korintus#1:2", "II Korintus#1:3", "Kejadian#1:1-3",
                                 "Kejadian#1:3", "Kejadian#2:1", "Matius#2:3"}));
    EXPECT_TRUE(summary.leftOut.contains(
        QStringLiteral("UsysKamus dan UsysTematik: 2 rujukan ke ayat yang tidak ada "
                       "ditinggalkan (II Korintus#9:1, Keluaran#3:29).")));
    EXPECT_TRUE(lines_.contains(summary.leftOut.front()));
}

TEST_F(ImporterMemoryTest, CrossReferencesReachOnlyVersesTheStoreHolds) {
    const ImportSummary summary = run(options());
    const auto store = store::Store::Open(summary.storePath);
    const store::BookRow* matius = store->findBook(QStringLiteral("Matius"));
    ASSERT_TRUE(matius);
    const auto entries = scripture::CrossReferencesOfChapter(matius->referensi, 1);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].label, QStringLiteral("1:1"));
    EXPECT_EQ(entries[0].references,
              (QStringList{QStringLiteral("Kejadian 1:2"), QStringLiteral("Kejadian 1:1")}));
    // The parable's parallel in Markus, a book this store leaves out, counts as left out too.
    EXPECT_TRUE(summary.leftOut.contains(
        QStringLiteral("Referensi: 2 rujukan ke ayat yang tidak ada ditinggalkan (Kejadian#2:9, "
                       "Markus#4:3-9).")));
    // The check of the finished store finds only the parable row that names Markus.
    EXPECT_EQ(import::AuditStore(*store),
              QStringList{QStringLiteral("UsysUmpama Penabur: \"Markus#4:3-9\": kitab Markus tidak "
                                         "ada dalam database")});
}

// USFM and RTF codes, tags and entities, in every module text the store takes: verses of
// both versions and the deuterocanon, a book name, a commentary, dictionary headwords and
// explanations, and a module's name, copyright and description.
TEST_F(ImporterMemoryTest, NoMarkupOfAnyKindReachesTheStore) {
    const QString mhcc = QStringLiteral("MHCC");
    source_.addModule(mhcc, QStringLiteral("Concise &amp; \\i Complete\\i0"),
                      MemorySource::kCommentary);
    import::ModuleInfo& kjv = source_.moduleInfo(kKjv);
    kjv.description = QStringLiteral("King James \\b Version\\b0");
    kjv.licence.clear();
    kjv.copyright = QStringLiteral("&lt;b&gt;Public&lt;/b&gt; Domain");
    kjv.about = QStringLiteral("KJV\\par\\par\\qc Printed 1769 caf\\'e9 \\u8212?");
    source_.setVerse(kKjv, QStringLiteral("Gen"), 1, 1,
                     QStringLiteral("I <transChange type=\"added\">am</transChange> the \\nd "
                                    "<w>LORD</w></divineName> your God\\f + \\fr 1:1 \\ft "
                                    "<w>note</w>\\f*.<note>n \\+nd LORD\\+nd*</note>"));
    source_.setVerse(kKjv, QStringLiteral("Gen"), 1, 2,
                     QStringLiteral("\\wj And\\wj* \\add the\\add* &lt;i&gt;earth&lt;/i&gt; "
                                    "was &bogus;\\+w void|strong=\"H1\"\\+w* &amp;gt;"));
    source_.setVerse(kWeb, QStringLiteral("Tob"), 1, 1, QStringLiteral("Tobit \\nd LORD\\nd*"));
    source_.setIntro(kKjv, QStringLiteral("Matt"),
                     QStringLiteral("<milestone type=\"x-usfm-toc2\" n=\"\\nd Matthew\\nd*\"/>"));
    source_.setVerse(mhcc, QStringLiteral("Gen"), 1, 1,
                     QStringLiteral("<p>The \\nd LORD\\nd* made all, &amp;c. &amp;gt;</p>"
                                    "\\p Second &lt;b&gt;part&lt;/b&gt;"));
    source_.addEntry(kNave, QStringLiteral("ABBA&amp;gt;"),
                     QStringLiteral("<lb/>\\nd Father\\nd* Ge 1:1 &amp;gt; See <ref "
                                    "target=\"Nave:GOD\">GOD</ref>&amp;gt;"));
    ImportOptions withCommentary = options();
    withCommentary.commentary = mhcc;
    const ImportSummary summary = run(withCommentary);

    EXPECT_EQ(import::AuditMarkup(summary.storePath), QStringList());
    const auto store = store::Store::Open(summary.storePath);
    const int kejadian1 = *store->findChapter(QStringLiteral("Kejadian"), 1);
    EXPECT_EQ(store->chapterText(kejadian1, QStringLiteral("Kitab2")),
              QStringLiteral("1:1 I am the LORD your God.\r\n1:2 And the earth was void\r\n"
                             "1:3 Gen 1:3 text"));
    EXPECT_EQ(store->deuterocanon().front().kitab1, QStringLiteral("1:1 Tobit LORD"));
    EXPECT_EQ(store->findBook(QStringLiteral("Matius"))->name(QStringLiteral("Kitab2")),
              QStringLiteral("Matthew"));
    const auto abba =
        std::find_if(store->dictionary().begin(), store->dictionary().end(),
                     [](const store::DictionaryRow& row) { return row.entri == u"Abba"; });
    ASSERT_NE(abba, store->dictionary().end());
    EXPECT_EQ(abba->penjelasan, QStringLiteral("Father Kejadian 1:1 See GOD"));
    EXPECT_EQ(store->versions()[1].namaVersi, QStringLiteral("King James Version"));
    EXPECT_EQ(store->versions()[1].hakCipta, QStringLiteral("Public Domain"));
    EXPECT_TRUE(store->GetInfoText(4).contains(
        QStringLiteral("King James Version (modul SWORD KJV)\r\nHak cipta: Public Domain\r\n"
                       "KJV\r\n\r\nPrinted 1769 caf\u00e9 \u2014")))
        << store->GetInfoText(4).toStdString();
    EXPECT_TRUE(store->GetInfoText(4).contains(QStringLiteral("Concise & Complete (modul SWORD")));
}

TEST_F(ImporterMemoryTest, WarnsOfEachDeuterocanonBookTheModuleLacks) {
    run(options());
    const QStringList warnings = lines_.filter(QStringLiteral("Peringatan: modul WEB"));
    EXPECT_EQ(warnings.size(), 8);
    EXPECT_TRUE(lines_.contains(QStringLiteral(
        "Peringatan: modul WEB tidak memuat kitab Yudit; kitab itu tidak ada di database.")));
    EXPECT_TRUE(warnings.filter(QStringLiteral("Tobit")).isEmpty());
}

TEST_F(ImporterMemoryTest, DataFileReferencesPastTheStoreStopTheImportWithFileAndLine) {
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"Matius#2:1-4", QStringLiteral("Matius 2 hanya sampai ayat 3")},
        {"Matius#2:4", QStringLiteral("Matius 2 hanya sampai ayat 3")},
        {"Matius#3:1", QStringLiteral("Matius tidak memiliki pasal 3")}};
    for (const auto& [reference, cause] : cases) {
        WriteData(data_.path(), reference);
        try {
            run(options());
            ADD_FAILURE() << reference.constData() << " was accepted";
        } catch (const import::ImportError& error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("parables.tsv baris 2")))
                << error.message().toStdString();
            EXPECT_TRUE(error.message().endsWith(cause)) << error.message().toStdString();
        }
    }
}

TEST_F(ImporterMemoryTest, AFailureLeavesStorePicturesAndTipsAsTheyWere) {
    const QDir out(out_.path());
    ASSERT_TRUE(out.mkpath(QStringLiteral("Peta")));
    WriteFile(outPath(store::kDataFileName), "old store");
    WriteFile(outPath(QStringLiteral("VR_tips.dat")), "old tips");
    WriteFile(outPath(QStringLiteral("Peta/Kanon.png")), "old picture");
    ImportOptions options = this->options();
    options.drawPictures = [](const QString& folder, const std::vector<import::BookFacts>&) {
        QDir().mkpath(folder);
        WriteFile(QDir(folder).filePath(QStringLiteral("Kanon.png")), "new picture");
        return std::vector<store::PictureRow>{{QStringLiteral("Bagan"), QStringLiteral("Kanon"),
                                               QStringLiteral("Kanon.png"),
                                               QStringLiteral("Bagan kanon")}};
    };
    // Thrown while the store's transaction is open, after the Bible text is in.
    failAt_ = QStringLiteral("  5 pasal ditulis");
    EXPECT_THROW(run(options), import::ImportError);
    EXPECT_EQ(ReadFile(outPath(store::kDataFileName)), QByteArray("old store"));
    EXPECT_EQ(ReadFile(outPath(QStringLiteral("VR_tips.dat"))), QByteArray("old tips"));
    EXPECT_EQ(ReadFile(outPath(QStringLiteral("Peta/Kanon.png"))), QByteArray("old picture"));
    const QStringList expected = {QStringLiteral("Peta"), store::kDataFileName,
                                  QStringLiteral("VR_tips.dat")};
    EXPECT_EQ(out.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);

    failAt_.clear();
    run(options);
    EXPECT_EQ(out.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);
    EXPECT_EQ(ReadFile(outPath(QStringLiteral("Peta/Kanon.png"))), QByteArray("new picture"));
    EXPECT_EQ(ReadFile(outPath(QStringLiteral("VR_tips.dat"))), QByteArray("new VR_tips.dat\r\n"));
    EXPECT_EQ(store::Store::Open(outPath(store::kDataFileName))->pictures().size(), 1u);
}

// The destination fills up at every point of the write in turn, from the pictures to the
// store's last page: each time the message names the folder and says it is full, and the
// store, tips and pictures already there stay byte for byte; with room enough the new ones
// come in whole.
TEST_F(ImporterMemoryTest, AFullDestinationIsNamedAndLeavesTheOldStoreAsItWas) {
    const QDir out(out_.path());
    ASSERT_TRUE(out.mkpath(QStringLiteral("Peta")));
    const QByteArray oldStore = QByteArray("old store ").repeated(1000);
    WriteFile(outPath(store::kDataFileName), oldStore);
    WriteFile(outPath(QStringLiteral("VR_tips.dat")), "old tips");
    WriteFile(outPath(QStringLiteral("Peta/Kanon.png")), "old picture");
    // A chapter of 3 MB: the store's rows outgrow its empty tables.
    source_.setVerse(kWeb, QStringLiteral("Gen"), 2, 1, QStringLiteral("kasih ").repeated(500000));
    ImportOptions options = this->options();
    options.drawPictures = [](const QString& folder, const std::vector<import::BookFacts>&) {
        QDir().mkpath(folder);
        QFile picture(QDir(folder).filePath(QStringLiteral("Kanon.png")));
        const QByteArray png = "png";
        if (!picture.open(QIODevice::WriteOnly) || picture.write(png) != png.size() ||
            !picture.flush())
            throw import::ImportError(QStringLiteral("Gambar tidak dapat ditulis"));
        return std::vector<store::PictureRow>{{QStringLiteral("Bagan"), QStringLiteral("Kanon"),
                                               QStringLiteral("Kanon.png"),
                                               QStringLiteral("Bagan kanon")}};
    };
    const QStringList expected = {QStringLiteral("Peta"), store::kDataFileName,
                                  QStringLiteral("VR_tips.dat")};
    QStringList causes;
    for (rlim_t limit = 1;; limit *= 2) {
        SCOPED_TRACE(testing::Message() << "files up to " << limit << " bytes");
        try {
            const FileSizeLimit full(limit);
            run(options);
            break;
        } catch (const import::ImportError& error) {
            const QString message = error.message();
            EXPECT_TRUE(
                message.startsWith(QStringLiteral("Folder tujuan %1 penuh atau tidak dapat ditulis")
                                       .arg(QDir::toNativeSeparators(out_.path()))))
                << message.toStdString();
            EXPECT_TRUE(message.contains(QStringLiteral("VERMARA2000.DAT dan gambar (folder Peta) "
                                                        "yang sudah ada di folder itu tidak "
                                                        "berubah")))
                << message.toStdString();
            causes << message.section(QStringLiteral("Rincian: "), 1);
        }
        EXPECT_EQ(ReadFile(outPath(store::kDataFileName)), oldStore);
        EXPECT_EQ(ReadFile(outPath(QStringLiteral("VR_tips.dat"))), QByteArray("old tips"));
        EXPECT_EQ(ReadFile(outPath(QStringLiteral("Peta/Kanon.png"))), QByteArray("old picture"));
        EXPECT_EQ(out.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);
        ASSERT_LT(limit, rlim_t(1) << 30);
    }
    // The pictures, the tips, the making of the store and its rows each ran out of room.
    EXPECT_TRUE(causes.filter(QStringLiteral("Gambar")).size() > 0)
        << causes.join(u'\n').toStdString();
    EXPECT_TRUE(causes.filter(QStringLiteral("VR_tips.dat.tmp")).size() > 0);
    EXPECT_TRUE(causes.filter(QStringLiteral("tidak dapat dibuat")).size() > 0);
    EXPECT_TRUE(causes.filter(QStringLiteral("menolak baris")).size() > 0 ||
                causes.filter(QStringLiteral("perintah gagal")).size() > 0);
    EXPECT_EQ(out.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);
    EXPECT_EQ(store::Store::Open(outPath(store::kDataFileName))->pictures().size(), 1u);
    EXPECT_EQ(ReadFile(outPath(QStringLiteral("VR_tips.dat"))), QByteArray("new VR_tips.dat\r\n"));
}

// A run killed between the moves of an earlier importer left the pictures and the store moved
// aside with nothing in their places; the next run puts them back before anything else, even
// when it then fails.
TEST_F(ImporterMemoryTest, ARunFirstPutsBackWhatAKilledRunMovedAside) {
    const QDir out(out_.path());
    ASSERT_TRUE(out.mkpath(QStringLiteral("Peta.old")));
    WriteFile(outPath(QStringLiteral("Peta.old/Kanon.png")), "old picture");
    WriteFile(outPath(store::kDataFileName + QStringLiteral(".old")), "old store");
    WriteFile(outPath(store::kDataFileName + QStringLiteral(".tmp")), "new store");
    WriteFile(outPath(QStringLiteral("VR_tips.dat")), "old tips");
    failAt_ = QStringLiteral("Membaca Alkitab: WEB, KJV ...");
    EXPECT_THROW(run(options()), import::ImportError);
    EXPECT_EQ(
        out.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        (QStringList{QStringLiteral("Peta"), store::kDataFileName, QStringLiteral("VR_tips.dat")}));
    EXPECT_EQ(ReadFile(outPath(store::kDataFileName)), QByteArray("old store"));
    EXPECT_EQ(ReadFile(outPath(QStringLiteral("Peta/Kanon.png"))), QByteArray("old picture"));
}
