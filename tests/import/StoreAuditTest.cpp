#include "import/StoreAudit.h"

#include "import/MarkupAudit.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "store/StoreWriter.h"
#include "support/FixtureStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The fixture store with faults planted in its study tables; Kejadian 1 has 3 verses and
// Kejadian 2 has 2.
TEST(AuditStore, FindsEveryPlantedFaultAndPassesWhatResolves) {
    QTemporaryDir folder;
    const QString path = fixture::WriteFixtureStore(folder.path());
    {
        store::StoreWriter writer(path);
        writer.begin();
        const std::pair<const char*, const char*> entries[] = {
            {"Dosa", "Lihat Kejadian 1:3; 2:3"},
            {"DOSA", "Entri kedua"},
            {"Hormat", "HORMATKejadian 1:1"},
            {"Kuasa", "Lihat Ge 1:1 dan Amos 1:1"}};
        for (const auto& [entri, penjelasan] : entries) {
            writer.insert(QStringLiteral("UsysKamus"),
                          {{"Entri", QString::fromUtf8(entri)},
                           {"Penjelasan", QString::fromUtf8(penjelasan)}});
        }
        writer.insert(QStringLiteral("UsysTematik"),
                      {{"id", 99}, {"Topik", QStringLiteral("Terang")}, {"Ayat", "Kejadian#1:4"}});
        writer.insert(QStringLiteral("UsysTematik"),
                      {{"id", 100}, {"Topik", QStringLiteral("Terang")}, {"Ayat", "Kejadian#1:3"}});
        writer.commit();
    }
    const QStringList findings = import::AuditStore(*store::Store::Open(path));
    const QStringList planted = {
        QStringLiteral("UsysKamus Dosa: \"Kejadian 1:3; 2:3\": Kejadian 2 hanya sampai ayat 2"),
        QStringLiteral("UsysKamus DOSA: entri ganda"),
        QStringLiteral("UsysKamus Hormat: \"Kejadian 1:1\" menempel pada kata"),
        QStringLiteral("UsysKamus Kuasa: \"Ge 1:1\" tidak diubah"),
        QStringLiteral("UsysTematik 99: \"Kejadian#1:4\": Kejadian 1 hanya sampai ayat 3")};
    for (const QString& finding : planted)
        EXPECT_TRUE(findings.contains(finding)) << finding.toStdString();
    // The last verse of a chapter, the fixture's own pericopes and a canonical name that is
    // spelt like one of Nave's ("Amos") are sound.
    for (const QString& finding : findings) {
        EXPECT_FALSE(finding.contains(QStringLiteral("Kejadian#1:3")));
        EXPECT_FALSE(finding.contains(QStringLiteral("Matius#5:3-12")));
        EXPECT_FALSE(finding.contains(QStringLiteral("Amos 1:1\" tidak diubah")));
    }
}

// Markup planted in the fixture store: each column that has any is named once, with how many
// and the first three places; the verse is the one of the line the markup is in.
TEST(AuditMarkup, CountsEachColumnAndNamesTheFirstPlaces) {
    QTemporaryDir folder;
    const QString path = fixture::WriteFixtureStore(folder.path());
    EXPECT_EQ(import::AuditMarkup(path), QStringList());
    {
        store::Database db(path, store::Database::Mode::ReadWrite, store::kStorePassword);
        db.exec(QStringLiteral(
            "UPDATE UsysAlkitab SET Kitab2 = replace(replace(Kitab2, 'bumi belum', "
            "'\\nd bumi\\nd* belum'), 'Jadilah', '<i>Jadilah') WHERE Buku = 'Kejadian' AND "
            "Bab = 1;"
            "UPDATE UsysAlkitab SET Kitab2 = replace(Kitab2, 'TUHAN akan', 'TUHAN &gt; akan') "
            "WHERE Buku = 'Zakharia';"
            "UPDATE UsysAlkitab SET Komentar = 'Tafsiran \\add x' WHERE Buku = 'Kejadian' AND "
            "Bab = 2;"
            "UPDATE UsysKamus SET Penjelasan = 'Kota &#233; Daud.' WHERE Entri = 'Yerusalem';"
            "UPDATE UsysInfo SET Keterangan = Keterangan || ' <b>' WHERE id = 4;"
            "UPDATE UsysInfo SET Keterangan = 'Menu Info > Hak Cipta, dst. &c. 1 < 2' "
            "WHERE id = 3;"));
    }
    EXPECT_EQ(import::AuditMarkup(path),
              (QStringList{"UsysAlkitab Komentar: 1 sisa markup, yang pertama: Kejadian 2 "
                           "\"\\add\"",
                           "UsysAlkitab Kitab2: 4 sisa markup, yang pertama: Kejadian 1:2 "
                           "\"\\nd\"; Kejadian 1:2 \"\\nd*\"; Kejadian 1:3 \"<i>\"",
                           "UsysInfo Keterangan: 1 sisa markup, yang pertama: id 4 \"<b>\"",
                           "UsysKamus Penjelasan: 1 sisa markup, yang pertama: Yerusalem "
                           "\"&#233;\""}));
}
