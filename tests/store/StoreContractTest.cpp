#include "store/Database.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "store/StoreError.h"
#include "store/StoreWriter.h"
#include "support/FixtureStore.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace store;

namespace {

// Runs statements on a fixture store as a hand edit or another tool would.
void RunSql(const QString& path, const QString& sql) {
    const QString keyed =
        QStringLiteral("PRAGMA key='%1'; %2 %3").arg(kStorePassword, CipherPragmas(), sql);
    ASSERT_EQ(QProcess::execute(QStringLiteral("sqlcipher"), {path, keyed}), 0);
}

QString OpenRefusal(const QString& path) {
    try {
        Store::Open(path);
    } catch (const StoreError& error) {
        return error.message();
    }
    return {};
}

QStringList Columns(const std::vector<VersionRow>& versions) {
    QStringList columns;
    for (const VersionRow& row : versions)
        columns << row.namaTabel;
    return columns;
}

class StoreContractTest : public testing::Test {
protected:
    QString fixture(const fixture::Options& options = {}) {
        return fixture::WriteFixtureStore(dir.path(), options);
    }
    QTemporaryDir dir;
};

TEST_F(StoreContractTest, AVersionWhoseColumnIsMissingIsNotOffered) {
    const QString path = fixture();
    {
        StoreWriter w(path);
        w.insert(QStringLiteral("UsysVersi"), {{"nr", 50},
                                               {"NamaVersi", QStringLiteral("Versi Lima Puluh")},
                                               {"NamaTabel", QStringLiteral("Kitab50")},
                                               {"Aktif", 1},
                                               {"Lama", 1},
                                               {"Baru", 1}});
        w.insert(QStringLiteral("UsysVersi"), {{"nr", 60},
                                               {"NamaVersi", QStringLiteral("Versi Tanpa Kolom")},
                                               {"NamaTabel", QStringLiteral("Kitab51")},
                                               {"Aktif", 1},
                                               {"Lama", 1},
                                               {"Baru", 1}});
        w.dropColumn(QStringLiteral("UsysAlkitab"), QStringLiteral("Kitab50"));
        w.dropColumn(QStringLiteral("UsysKitab"), QStringLiteral("Kitab3"));
    }
    auto store = Store::Open(path);
    // Kitab3 lost its book names, Kitab50 its text, and Kitab51 never was a column.
    EXPECT_EQ(Columns(store->versions()), (QStringList{"Kitab1", "Kitab2"}));

    int reports = 0;
    store->setReadFailureHandler([&reports](const QString&) { ++reports; });
    const int matius5 = *store->findChapter(QStringLiteral("Matius"), 5);
    EXPECT_TRUE(store->chapterText(matius5, QStringLiteral("Kitab50")).isNull());
    EXPECT_FALSE(store->chapterText(matius5, QStringLiteral("Kitab3")).isEmpty());
    EXPECT_EQ(reports, 0);
}

TEST(VersionColumnNumber, AcceptsKitab1ToKitab50Only) {
    EXPECT_EQ(VersionColumnNumber(QStringLiteral("Kitab1")), 1);
    EXPECT_EQ(VersionColumnNumber(QStringLiteral("kitab50")), 50);
    for (const char* name : {"Kitab0", "Kitab51", "Kitab01", "Kitab", "Kitab5x", "Kitab-1"})
        EXPECT_EQ(VersionColumnNumber(QString::fromLatin1(name)), 0) << name;
}

TEST_F(StoreContractTest, AFieldTheReaderReadsMustExist) {
    const QString path = fixture();
    {
        StoreWriter w(path);
        w.dropColumn(QStringLiteral("UsysKamus"), QStringLiteral("Penjelasan"));
        w.dropColumn(QStringLiteral("UsysKitab"), QStringLiteral("JumlahBuku"));
    }
    const QString refusal = OpenRefusal(path);
    EXPECT_TRUE(refusal.contains(path)) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QStringLiteral("tabel UsysKamus tidak punya field Penjelasan")))
        << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QStringLiteral("tabel UsysKitab tidak punya field JumlahBuku")))
        << refusal.toStdString();

    // Fields that are never read, or only when present, may be missing.
    const QString lean = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("b")));
    {
        StoreWriter w(lean);
        w.dropColumn(QStringLiteral("UsysAlkitab"), QStringLiteral("Komentar"));
        w.dropColumn(QStringLiteral("UsysKitab"), QStringLiteral("Kitab50"));
    }
    EXPECT_EQ(OpenRefusal(lean), QString());
}

TEST_F(StoreContractTest, TableNamesMatchWithoutRegardToCaseExceptTematik) {
    const QString path = fixture();
    // The engine refuses a rename that changes only the letter case, hence two steps.
    RunSql(path, QStringLiteral("ALTER TABLE UsysAlkitab RENAME TO a; ALTER TABLE a RENAME TO "
                                "usysalkitab; ALTER TABLE UsysKamus RENAME TO k; ALTER TABLE k "
                                "RENAME TO USYSKAMUS; ALTER TABLE UsysTematik RENAME TO t; "
                                "ALTER TABLE t RENAME TO usystematik;"));
    auto store = Store::Open(path);
    EXPECT_EQ(store->chapters().size(), 6u);
    EXPECT_EQ(store->dictionary().size(), 3u);
    const int matius5 = *store->findChapter(QStringLiteral("Matius"), 5);
    EXPECT_TRUE(store->chapterText(matius5, QStringLiteral("Kitab1")).startsWith(u"5:1 "));
    // The thematic table is recognised by its exact name only.
    EXPECT_FALSE(store->hasTematik());
    EXPECT_TRUE(store->topics().isEmpty());
}

TEST_F(StoreContractTest, AFileThatGoesBadWhileOpenGivesEmptyReadsAndOneReport) {
    const QString path = fixture();
    auto store = Store::Open(path);
    QStringList reports;
    store->setReadFailureHandler([&reports](const QString& message) { reports << message; });
    const int matius5 = *store->findChapter(QStringLiteral("Matius"), 5);
    ASSERT_FALSE(store->chapterText(matius5, QStringLiteral("Kitab1")).isEmpty());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2));
    file.close();

    EXPECT_TRUE(store->chapterText(matius5, QStringLiteral("Kitab1")).isNull());
    EXPECT_TRUE(store->chapterText(0, QStringLiteral("Kitab2")).isNull());
    EXPECT_TRUE(store->dictionary().empty());
    EXPECT_TRUE(store->deuterocanon().empty());
    EXPECT_TRUE(store->thematic().empty());
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(path)) << reports[0].toStdString();
    // What was loaded at opening stays usable.
    EXPECT_EQ(store->books().size(), 66u);
}

TEST_F(StoreContractTest, AFileOverwrittenWhileOpenIsReportedOnce) {
    const QString path = fixture();
    auto store = Store::Open(path);
    int reports = 0;
    store->setReadFailureHandler([&reports](const QString&) { ++reports; });
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write(QByteArray(int(file.size()), 'x'));
    file.close();
    EXPECT_TRUE(store->chapterText(0, QStringLiteral("Kitab1")).isNull());
    EXPECT_TRUE(store->firstDeuteroThirdText().isNull());
    EXPECT_EQ(reports, 1);
}

TEST_F(StoreContractTest, ABooksChapterCountIsBoundedByTheCanonOrItsRows) {
    EXPECT_EQ(BoundedChapterCount(28, 2), 28);
    EXPECT_EQ(BoundedChapterCount(kMostChapters, 0), kMostChapters);
    EXPECT_EQ(BoundedChapterCount(kMostChapters + 1, 0), kMostChapters);
    EXPECT_EQ(BoundedChapterCount(100000000, 2), kMostChapters);
    EXPECT_EQ(BoundedChapterCount(100000000, 180), 180);
    EXPECT_EQ(BoundedChapterCount(-3, 2), 0);

    const QString path = fixture();
    RunSql(path, QStringLiteral("UPDATE UsysKitab SET JumlahBuku = 100000000 "
                                "WHERE Kitab1 = 'Matius' OR Kitab1 = 'Wahyu';"
                                "UPDATE UsysKitab SET JumlahBuku = -1 WHERE Kitab1 = 'Markus';"));
    auto store = Store::Open(path);
    EXPECT_EQ(store->findBook(QStringLiteral("Matius"))->jumlahBuku, kMostChapters);
    EXPECT_EQ(store->findBook(QStringLiteral("Wahyu"))->jumlahBuku, kMostChapters);
    EXPECT_EQ(store->findBook(QStringLiteral("Markus"))->jumlahBuku, 0);
    EXPECT_EQ(store->findBook(QStringLiteral("Lukas"))->jumlahBuku, 24);
}

TEST_F(StoreContractTest, ListsAreInDictionaryOrderAndTopicsIgnoreLetterCase) {
    const QString path = fixture();
    {
        StoreWriter w(path);
        int id = 10;
        for (const char* topik : {"kasih", "Ezra", "co-op", "Élim", "coal", "KASIH"}) {
            w.insert(QStringLiteral("UsysTematik"), {{"id", ++id},
                                                     {"Topik", QString::fromUtf8(topik)},
                                                     {"Ayat", QStringLiteral("Matius#5:3")}});
            w.insert(QStringLiteral("UsysKamus"), {{"Entri", QString::fromUtf8(topik)}});
        }
    }
    auto store = Store::Open(path);
    // Hyphens and blanks are passed over, accents and letter case only break ties.
    const QStringList expected{"abba", "Abraham", "coal",  "co-op",    "Élim",
                               "Ezra", "kasih",   "KASIH", "Yerusalem"};
    QStringList entries;
    for (const DictionaryRow& row : store->dictionary())
        entries << row.entri;
    EXPECT_EQ(entries, expected);

    // One topic per spelling that differs by more than letter case, under the spelling of
    // its first row; " kasih " keeps its blanks and so stays a topic of its own.
    EXPECT_EQ(store->topics(),
              (QStringList{"coal", "co-op", "Élim", "Ezra", " kasih ", "Kasih", "Penciptaan"}));
    QStringList topics;
    for (const ThematicRow& row : store->thematic())
        topics << row.topik;
    EXPECT_EQ(topics, (QStringList{"coal", "co-op", "Élim", "Ezra", " kasih ", "kasih", "Kasih",
                                   "Kasih", "KASIH", "Penciptaan"}));
}

} // namespace
