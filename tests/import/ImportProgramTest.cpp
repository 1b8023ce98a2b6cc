#include "store/Database.h"
#include "store/Schema.h"
#include "support/FixtureStore.h"
#include "support/ProgramTexts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The program vermara-import itself, started as a user starts it.
namespace {

const QString kProgram = QStringLiteral(VERMARA_IMPORT_PROGRAM);

void Plant(const QString& path, const QString& sql) {
    store::Database db(path, store::Database::Mode::ReadWrite, store::kStorePassword);
    db.exec(sql);
}

} // namespace

TEST(ImportProgram, HelpAndRefusedArgumentsAreIndonesian) {
    const programs::Run help = programs::Start(kProgram, {QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Pemakaian: ") + kProgram + " [opsi]"))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("\nOpsi:\n")));
    EXPECT_EQ(programs::EnglishWords(help.out + help.err, {kProgram}), QStringList());

    const std::vector<std::pair<QStringList, QString>> refused = {
        {{"--bogus"}, "vermara-import: Opsi 'bogus' tidak dikenal.\n"},
        {{"--out"}, "vermara-import: Nilai setelah '--out' tidak ada.\n"},
        {{}, "vermara-import: --out DIREKTORI harus diberikan.\n"}};
    for (const auto& [arguments, message] : refused) {
        const programs::Run run = programs::Start(kProgram, arguments);
        EXPECT_NE(run.code, 0);
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(programs::EnglishWords(run.out + run.err), QStringList());
    }
}

// Every option the program takes is explained in its manual page and no other; only --out,
// the one an import needs, stands outside brackets.
TEST(ImportProgram, TheManualPageExplainsTheProgramsOwnOptions) {
    const programs::ManPage page =
        programs::ReadManPage(QStringLiteral(VERMARA_MAN_DIR "/vermara-import.1"));
    QStringList options =
        programs::HelpOptions(programs::Start(kProgram, {QStringLiteral("--help")}).out);
    ASSERT_FALSE(options.isEmpty());
    QStringList explained = page.options;
    explained.sort();
    options.sort();
    EXPECT_EQ(explained, options);
    QStringList required = page.synopsis;
    for (const QString& option : page.optional)
        required.removeAll(option);
    EXPECT_EQ(required, (QStringList{"--out", "--check"}));
    EXPECT_EQ(programs::Start(kProgram, {}).code, 2);
}

// The fixture store has reference findings of its own; the markup adds one line per column.
TEST(ImportProgram, CheckNamesEveryColumnWithMarkupLeftAndFailsOnIt) {
    QTemporaryDir folder;
    const QString path = fixture::WriteFixtureStore(folder.path());
    const programs::Run before = programs::Start(kProgram, {QStringLiteral("--check"), path});
    EXPECT_FALSE(before.out.contains(QStringLiteral("sisa markup")));
    const qsizetype lines = before.out.count(u'\n');

    Plant(path, QStringLiteral("UPDATE UsysAlkitab SET Kitab2 = replace(Kitab2, 'Allah', "
                               "'\\nd Allah\\nd*') WHERE Buku = 'Kejadian' AND Bab = 1"));
    Plant(path, QStringLiteral("UPDATE UsysKamus SET Penjelasan = Penjelasan || ' &gt;'"));
    const programs::Run after = programs::Start(kProgram, {QStringLiteral("--check"), path});
    EXPECT_EQ(after.code, 1);
    EXPECT_EQ(after.out.count(u'\n'), lines + 2);
    EXPECT_TRUE(after.out.contains(
        QStringLiteral("\nUsysAlkitab Kitab2: 4 sisa markup, yang pertama: Kejadian 1:1 \"\\nd\"; "
                       "Kejadian 1:1 \"\\nd*\"; Kejadian 1:3 \"\\nd\"\n")))
        << after.out.toStdString();
    EXPECT_TRUE(after.out.contains(QStringLiteral(
        "\nUsysKamus Penjelasan: 3 sisa markup, yang pertama: Abraham \"&gt;\"; Yerusalem "
        "\"&gt;\"; abba \"&gt;\"\n")))
        << after.out.toStdString();
    EXPECT_EQ(after.err, QString());
}
