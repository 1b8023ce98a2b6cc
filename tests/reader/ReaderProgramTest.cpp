#include "support/FixtureStore.h"
#include "support/ProgramTexts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The program vermara itself, started as a user starts it, with no display to reach.
namespace {

const QString kProgram = QStringLiteral(VERMARA_PROGRAM);

} // namespace

TEST(ReaderProgram, HelpListsEveryOptionInIndonesianAsTheManualPageDoes) {
    const programs::Run help = programs::Start(kProgram, {QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Pemakaian: ") + kProgram + " [opsi]"))
        << help.out.toStdString();
    EXPECT_EQ(programs::EnglishWords(help.out + help.err, {kProgram}, {"folder"}), QStringList());

    QStringList options = programs::HelpOptions(help.out);
    EXPECT_EQ(options, (QStringList{"--help", "--data", "--screenshot", "--parallel", "--text-only",
                                    "--search", "--scope", "--book", "--chapter", "--exact",
                                    "--whole-words", "--fold", "--version", "--keep"}));
    QStringList explained =
        programs::ReadManPage(QStringLiteral(VERMARA_MAN_DIR "/vermara.1")).options;
    explained.sort();
    options.sort();
    EXPECT_EQ(explained, options);
}

// Refusals name the fault in Indonesian, one line each, whether or not a search was asked.
TEST(ReaderProgram, RefusalsAndAMissingDisplayAreOneIndonesianLine) {
    QTemporaryDir folder;
    const QString store = fixture::WriteFixtureStore(folder.path());
    const std::vector<std::pair<QStringList, QString>> refused = {
        {{"--bogus"}, "Opsi 'bogus' tidak dikenal.\n"},
        {{"--search"}, "Nilai setelah '--search' tidak ada.\n"},
        {{"--search", "kasih", "--scope", "4", "--data", store}, "Nilai --scope tidak sah: 4\n"},
        {{"--search", "kasih", "--version", "0", "--data", store}, "Versi 0 tidak ada di data\n"}};
    for (const auto& [arguments, message] : refused) {
        const programs::Run run = programs::Start(kProgram, arguments);
        EXPECT_NE(run.code, 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.endsWith(message)) << run.err.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
        EXPECT_EQ(programs::EnglishWords(run.out + run.err, {store}), QStringList());
    }

    const programs::Run windowless = programs::Start(kProgram, {"--data", store});
    EXPECT_EQ(windowless.code, 1);
    EXPECT_TRUE(windowless.err.startsWith(QStringLiteral("vermara memerlukan layar grafis")))
        << windowless.err.toStdString();
    EXPECT_EQ(windowless.err.count(u'\n'), 1);
    EXPECT_EQ(programs::EnglishWords(windowless.err), QStringList());
}
