#include "customizer/ChoiceLists.h"

#include "customizer/SourceCatalogue.h"
#include "customizer/StoreProbe.h"
#include "store/Store.h"
#include "support/FixtureStore.h"
#include "support/ProgramTexts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace customizer;

namespace {

store::VersionRow Version(qint32 nr, const char* name, const char* column, qint32 aktif = 1) {
    return {nr, QString::fromUtf8(name), {}, QString::fromLatin1(column), aktif, {}, 1, 1};
}

ChoiceLists ThreeVersions() {
    return ChoiceLists::FromCatalogue(
        {Version(1, "Alkitab Terjemahan Baru", "Kitab1"), Version(2, "Kabar Baik", "Kitab2"),
         Version(3, "-", "Kitab3"), Version(4, "Versi Mati", "Kitab4", 0),
         Version(5, "Firman Allah Yang Hidup", "Kitab5")},
        {{1, "Perikop", 1}, {2, "Kamus", 0}, {3, "Peta", 1}, {4, "Nubuat", 1}});
}

} // namespace

TEST(ChoiceListsTest, TheFirstActiveNamedVersionStartsChosenAndOnlyActiveRowsAreOffered) {
    const ChoiceLists lists = ThreeVersions();
    EXPECT_EQ(lists.keptVersion(), QStringLiteral("Alkitab Terjemahan Baru"));
    EXPECT_EQ(lists.chosenVersions(), QStringList{"Alkitab Terjemahan Baru"});
    EXPECT_EQ(lists.availableVersions(), (QStringList{"Kabar Baik", "Firman Allah Yang Hidup"}));
    EXPECT_EQ(lists.availableModules(), (QStringList{"Perikop", "Peta", "Nubuat"}));
    EXPECT_TRUE(lists.chosenModules().isEmpty());
}

TEST(ChoiceListsTest, MovesReachTheLastItemAndIgnoreIndexesOutOfRange) {
    ChoiceLists lists = ThreeVersions();
    lists.chooseVersion(-1);
    lists.chooseVersion(2);
    EXPECT_EQ(lists.availableVersions().size(), 2);
    lists.chooseVersion(1);
    EXPECT_EQ(lists.chosenVersions().last(), QStringLiteral("Firman Allah Yang Hidup"));
    EXPECT_TRUE(lists.returnVersion(1));
    EXPECT_EQ(lists.availableVersions(), (QStringList{"Kabar Baik", "Firman Allah Yang Hidup"}));
    lists.chooseModule(2);
    lists.chooseModule(3);
    EXPECT_EQ(lists.chosenModules(), QStringList{"Nubuat"});
    lists.returnModule(0);
    EXPECT_EQ(lists.availableModules(), (QStringList{"Perikop", "Peta", "Nubuat"}));
    lists.chooseAllModules();
    EXPECT_TRUE(lists.availableModules().isEmpty());
    lists.returnAllModules();
    EXPECT_EQ(lists.availableModules().size(), 3);
}

TEST(ChoiceListsTest, TheKeptVersionCannotBeReturnedAndTwoVersionsAreNeeded) {
    ChoiceLists lists = ThreeVersions();
    EXPECT_EQ(lists.versionsProblem(),
              QStringLiteral("Anda harus memilih minimal 2 versi Alkitab"));
    EXPECT_FALSE(lists.returnVersion(0));
    EXPECT_EQ(lists.chosenVersions(), QStringList{"Alkitab Terjemahan Baru"});
    lists.chooseAllVersions();
    EXPECT_TRUE(lists.versionsProblem().isEmpty());
    EXPECT_TRUE(lists.returnVersion(2));
    lists.returnAllVersions();
    EXPECT_EQ(lists.chosenVersions(), QStringList{"Alkitab Terjemahan Baru"});
    EXPECT_EQ(lists.availableVersions(), (QStringList{"Firman Allah Yang Hidup", "Kabar Baik"}));
    EXPECT_EQ(ChoiceLists().versionsProblem(), QStringLiteral("Maaf,  harus selalu digunakan."));
}

TEST(ChoiceListsTest, ColumnsAreFoundByNameWithApostrophesAndWithoutCase) {
    const std::vector<store::VersionRow> catalogue{Version(1, "Alkitab Terjemahan Baru", "Kitab1"),
                                                   Version(2, "Kitab O'Neil", "Kitab7", 0),
                                                   Version(3, "Kitab O'Neil", "Kitab9")};
    EXPECT_EQ(ChosenColumns(catalogue, {"alkitab terjemahan baru", "Kitab O'Neil", "Tidak Ada"}),
              (QStringList{"Kitab1", "Kitab7"}));
}

TEST(SourceCatalogueTest, AnotherFirstVersionIsKeptUnderItsOwnName) {
    QTemporaryDir dir;
    const QString path = fixture::WriteFixtureStore(dir.path());
    probe::Exec(path, QStringLiteral("UPDATE UsysVersi SET Aktif = 0 WHERE nr = 1"));
    SourceCatalogue source = LoadSourceCatalogue(path);
    ASSERT_TRUE(source.store);
    EXPECT_EQ(source.lists.keptVersion(), QStringLiteral("Alkitab Kabar Baik"));
    EXPECT_FALSE(source.lists.returnVersion(0));
    source.lists.returnAllVersions();
    EXPECT_EQ(source.lists.versionsProblem(),
              QStringLiteral("Anda harus memilih minimal 2 versi Alkitab"));
}

TEST(SourceCatalogueTest, AStoreThatCannotBeUsedNamesItsCause) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VERMARA2000.DAT"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    SourceCatalogue broken = LoadSourceCatalogue(path);
    EXPECT_FALSE(broken.store);
    EXPECT_TRUE(
        broken.problem.startsWith(QStringLiteral("Database sumber tidak dapat dibuka.\r\n")));
    EXPECT_TRUE(broken.problem.contains(path));

    const QString other = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("b")));
    probe::Exec(other, QStringLiteral("DROP TABLE UsysVersi"));
    EXPECT_TRUE(LoadSourceCatalogue(other).problem.contains(QStringLiteral("UsysVersi")));

    // Pages the engine cannot decrypt: its own English words stay out of the message.
    const QString damaged = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("d")));
    QFile pages(damaged);
    ASSERT_TRUE(pages.open(QIODevice::ReadWrite));
    ASSERT_TRUE(pages.seek(pages.size() / 2));
    pages.write(QByteArray(4096, '\x5a'));
    pages.close();
    const QString problem = LoadSourceCatalogue(damaged).problem;
    EXPECT_TRUE(problem.startsWith(QStringLiteral("Database sumber tidak dapat dibuka.\r\n")))
        << problem.toStdString();
    EXPECT_EQ(programs::EnglishWords(problem, {damaged}), QStringList()) << problem.toStdString();

    const QString idle = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("c")));
    probe::Exec(idle, QStringLiteral("UPDATE UsysVersi SET Aktif = 0"));
    EXPECT_EQ(LoadSourceCatalogue(idle).problem,
              QStringLiteral("Database sumber tidak memiliki versi Alkitab yang aktif.\r\n"
                             "Daftar versi (tabel UsysVersi) di ") +
                  idle +
                  QStringLiteral(" kosong atau rusak; pilih folder sumber yang berisi database "
                                 "Vermara yang lengkap."));
}

TEST(SourceCatalogueTest, AStoreCutShortIsCalledDamagedNotIncomplete) {
    QTemporaryDir dir;
    const QString whole = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("utuh")));
    for (const int size : {0, 1, 4096}) {
        const QString path = dir.filePath(QStringLiteral("potong%1.DAT").arg(size));
        QFile cut(path);
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        cut.write(probe::Bytes(whole).left(size));
        cut.close();
        const SourceCatalogue source = LoadSourceCatalogue(path);
        EXPECT_FALSE(source.store);
        EXPECT_TRUE(source.problem.contains(path + QStringLiteral(" rusak atau bukan database")))
            << size << ": " << source.problem.toStdString();
        EXPECT_TRUE(source.problem.contains(QStringLiteral("Salin kembali VERMARA2000.DAT")));
        EXPECT_FALSE(source.problem.contains(QStringLiteral("tidak ada"))) << size;
    }
}

TEST(SourceCatalogueTest, ACatalogueOfNullsOrNoRowsOffersNothingAndSaysWhy) {
    QTemporaryDir dir;
    const QString nulls = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("null")));
    probe::Exec(nulls, QStringLiteral("UPDATE UsysVersi SET nr = NULL, NamaVersi = NULL, "
                                      "NamaTabel = NULL, Aktif = NULL"));
    const QString none = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("kosong")));
    probe::Exec(none, QStringLiteral("DELETE FROM UsysVersi"));
    for (const QString& path : {nulls, none}) {
        const SourceCatalogue source = LoadSourceCatalogue(path);
        EXPECT_FALSE(source.store);
        EXPECT_TRUE(source.problem.startsWith(
            QStringLiteral("Database sumber tidak memiliki versi Alkitab yang aktif.")))
            << source.problem.toStdString();
        EXPECT_TRUE(source.problem.contains(path));
    }
}
