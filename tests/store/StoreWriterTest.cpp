#include "store/StoreWriter.h"

#include "store/Database.h"
#include "store/Schema.h"
#include "store/SchemaCheck.h"
#include "store/Store.h"
#include "store/StoreError.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace store;

namespace {

// Runs the sqlcipher shell on a file: the password and the new stores' cipher settings first
// when a password is given.
QString Sqlcipher(const QString& path, const QString& password, const QString& sql) {
    QProcess shell;
    shell.start(QStringLiteral("sqlcipher"), {QStringLiteral("-batch"), path});
    QString input;
    if (!password.isEmpty()) {
        input += QStringLiteral("PRAGMA key = '%1';\n").arg(password);
        input += CipherPragmas() + QLatin1Char('\n');
    }
    input += sql + QLatin1Char('\n');
    shell.write(input.toUtf8());
    shell.closeWriteChannel();
    shell.waitForFinished();
    return QString::fromUtf8(shell.readAllStandardOutput() + shell.readAllStandardError());
}

class StoreWriterTest : public testing::Test {
protected:
    void SetUp() override {
        path = dir.filePath(kDataFileName);
        CreateDefaultDB(path);
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(StoreWriterTest, NewStoreOpensOnlyWithThePasswordAndKeepsFieldOrder) {
    EXPECT_TRUE(Sqlcipher(path, QString(), QStringLiteral("SELECT count(*) FROM sqlite_master;"))
                    .contains(QStringLiteral("is not a database")));
    for (const TableDef& table : Schema()) {
        const QString out = Sqlcipher(path, kStorePassword,
                                      QStringLiteral("PRAGMA table_info('%1');").arg(table.name));
        QStringList names;
        for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            names << line.section(QLatin1Char('|'), 1, 1);
        QStringList expected;
        for (const FieldDef& f : table.fields)
            expected << f.name;
        EXPECT_EQ(names, expected) << table.name.toStdString();
    }
    const QString tables = Sqlcipher(
        path, kStorePassword,
        QStringLiteral("SELECT group_concat(name, ',') FROM sqlite_master WHERE type='table';"));
    EXPECT_TRUE(tables.contains(QStringLiteral(
        "UsysAlkitab,UsysDeuterokanonika,UsysGambar,UsysInfo,UsysKamus,UsysKitab,UsysMenu,"
        "UsysNubuat,UsysUmpama,UsysVersi,Error,UsysTematik")));
}

// Stores of earlier builds: SQLCipher's own settings, then a short key derivation with 4 KB pages.
TEST_F(StoreWriterTest, StoresWithEarlierCipherSettingsStillOpen) {
    const std::pair<QString, QString> earlier[] = {
        {QStringLiteral("lama.DAT"), QString()},
        {QStringLiteral("kecil.DAT"),
         QStringLiteral("PRAGMA kecil.kdf_iter = 64; PRAGMA kecil.cipher_page_size = 4096;")}};
    for (const auto& [name, pragmas] : earlier) {
        const QString older = dir.filePath(name);
        const QString schema = name.section(u'.', 0, 0);
        Sqlcipher(path, kStorePassword,
                  QStringLiteral("ATTACH DATABASE '%1' AS %2 KEY '%3';\n%4\n"
                                 "SELECT sqlcipher_export('%2');\nDETACH DATABASE %2;")
                      .arg(older, schema, kStorePassword, pragmas));
        ASSERT_FALSE(Sqlcipher(older, kStorePassword,
                               QStringLiteral("SELECT 'ok' FROM sqlite_master LIMIT 1;"))
                         .startsWith(QStringLiteral("ok")))
            << name.toStdString() << " opens with the new settings; the test proves nothing";
        EXPECT_EQ(Store::Open(older)->GetInfoText(99), QStringLiteral("Database VR v.1.0"))
            << name.toStdString();
    }
}

TEST_F(StoreWriterTest, EmptyStoreOpensWithEveryRecordSetEmpty) {
    auto store = Store::Open(path);
    EXPECT_TRUE(store->chapters().empty());
    EXPECT_TRUE(store->hasTematik());
    EXPECT_TRUE(store->deuteroHasThirdColumn());
    EXPECT_EQ(store->GetInfoText(99), QStringLiteral("Database VR v.1.0"));
    EXPECT_EQ(store->GetInfoText(1), QString());
}

TEST_F(StoreWriterTest, RefusesWhatTheSchemaForbids) {
    StoreWriter w(path);
    const QString tooLong(51, QLatin1Char('x'));
    EXPECT_THROW(w.insert(QStringLiteral("UsysNubuat"), {{"Nubuat", tooLong}}), StoreError);
    EXPECT_THROW(w.insert(QStringLiteral("UsysNubuat"), {{"Nubuat", QString(QLatin1String(""))}}),
                 StoreError);
    EXPECT_THROW(w.insert(QStringLiteral("UsysNubuat"), {{"Urutan", 40000}}), StoreError);
    EXPECT_THROW(w.insert(QStringLiteral("UsysNubuat"), {{"Urutan", QStringLiteral("satu")}}),
                 StoreError);
    EXPECT_THROW(w.insert(QStringLiteral("UsysNubuat"), {{"Tidak", 1}}), StoreError);
    EXPECT_THROW(w.insert(QStringLiteral("UsysTidakAda"), {{"id", 1}}), StoreError);
    // Empty allowed: the zero-length text is kept apart from Null.
    w.insert(QStringLiteral("UsysInfo"), {{"id", 5}, {"Keterangan", QString(QLatin1String(""))}});
    w.insert(QStringLiteral("UsysInfo"), {{"id", 6}, {"Keterangan", QString()}});
    w.insert(QStringLiteral("UsysInfo"),
             {{"id", 7}, {"Keterangan", QStringLiteral("'; DROP TABLE UsysInfo; --")}});
    auto store = Store::Open(path);
    EXPECT_FALSE(store->GetInfoText(5).isNull());
    EXPECT_TRUE(store->GetInfoText(5).isEmpty());
    EXPECT_TRUE(store->GetInfoText(6).isNull());
    EXPECT_EQ(store->GetInfoText(7), QStringLiteral("'; DROP TABLE UsysInfo; --"));
}

TEST_F(StoreWriterTest, UniqueIndexesHold) {
    StoreWriter w(path);
    w.insert(QStringLiteral("UsysKitab"), {{"Urutan", 1}, {"Referensi", QString()}});
    EXPECT_THROW(w.insert(QStringLiteral("UsysKitab"), {{"Urutan", 1}}), StoreError);
    w.insert(QStringLiteral("UsysUmpama"), {{"Urutan", 1}});
    w.insert(QStringLiteral("UsysUmpama"), {{"Urutan", 1}}); // "Urutan" there is not unique
}

TEST(CreateDefaultDBTest, RefusesAnExistingFileAndAnUnwritableFolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kDataFileName);
    CreateDefaultDB(path);
    EXPECT_THROW(CreateDefaultDB(path), StoreError);
    try {
        CreateDefaultDB(QStringLiteral("/proc/tidak-ada/VERMARA2000.DAT"));
        FAIL() << "no error for an unwritable folder";
    } catch (const StoreError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("/proc/tidak-ada/VERMARA2000.DAT")));
    }
}

} // namespace

namespace {

TEST(SchemaCheckTest, FreshAndOlderStoresMatchWhileDamagedOnesAreReported) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kDataFileName);
    CreateDefaultDB(path);
    EXPECT_TRUE(SchemaDifferences(path).isEmpty());
    {
        StoreWriter w(path);
        w.dropTable(QStringLiteral("UsysTematik"));
        w.dropColumn(QStringLiteral("UsysDeuterokanonika"), QStringLiteral("Buku3"));
        w.dropColumn(QStringLiteral("UsysDeuterokanonika"), QStringLiteral("Kitab3"));
    }
    EXPECT_TRUE(SchemaDifferences(path).isEmpty());
    {
        StoreWriter w(path);
        w.dropColumn(QStringLiteral("UsysKitab"), QStringLiteral("Perikop"));
        w.dropTable(QStringLiteral("UsysMenu"));
    }
    EXPECT_EQ(SchemaDifferences(path),
              (QStringList{QStringLiteral("Tabel UsysKitab tidak punya field Perikop."),
                           QStringLiteral("Tabel UsysMenu tidak ada.")}));
}

} // namespace
