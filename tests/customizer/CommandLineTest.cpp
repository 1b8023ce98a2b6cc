#include "customizer/CommandLine.h"

#include "customizer/CustomizerTexts.h"
#include "customizer/StoreProbe.h"
#include "store/Store.h"
#include "store/StoreWriter.h"
#include "support/FixtureStore.h"
#include "support/ProgramTexts.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace customizer;

namespace {

class CommandLineTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString source = dir.filePath(QStringLiteral("sumber"));
    QString destination = dir.filePath(QStringLiteral("tujuan"));
    QString destinationFile = destination + QStringLiteral("/VERMARA2000.DAT");
    QString out;
    QString err;

    void SetUp() override {
        fixture::WriteFixtureStore(source);
        QDir().mkpath(destination);
    }
    int run(const QStringList& options) {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return RunCommandLine(QStringList{"versipack"} + options, outStream, errStream);
    }
    QStringList basic(const QString& versions) const {
        return {"--source", source, "--dest", destination, "--versions", versions};
    }
    QString activeColumns() const {
        return probe::Text(destinationFile, "SELECT group_concat(NamaTabel) FROM (SELECT "
                                            "NamaTabel FROM UsysVersi WHERE Aktif=1 ORDER BY nr)");
    }
};

} // namespace

TEST(CommandLineDetectionTest, OnlyTheBuildOptionsLeaveTheWindowOut) {
    EXPECT_FALSE(IsCommandLineBuild({"versipack"}));
    EXPECT_FALSE(IsCommandLineBuild({"--source"})); // the program name never counts
    EXPECT_FALSE(IsCommandLineBuild({"versipack", "-platform", "offscreen", "--sourcex"}));
    EXPECT_TRUE(IsCommandLineBuild({"versipack", "--source", "/a"}));
    EXPECT_TRUE(IsCommandLineBuild({"versipack", "--dest=/b"}));
    EXPECT_TRUE(IsCommandLineBuild({"versipack", "--help"}));
}

TEST_F(CommandLineTest, BuildsTheChosenVersionsAndModulesAndPrintsProgressAndTheClosingText) {
    EXPECT_EQ(run(basic("Perjanjian Baru Saja") << "--modules"
                                                << "kamus;Peta"),
              0)
        << err.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Meng-copy data dari database sumber...\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("(100%)\n")));
    EXPECT_TRUE(out.endsWith(QStringLiteral("data yang baru (") + destination + ").\n"));
    EXPECT_EQ(activeColumns(), QStringLiteral("Kitab1,Kitab3"));
    const auto store = store::Store::Open(destinationFile);
    EXPECT_EQ(store->moduleSwitch(QStringLiteral("Kamus")), 1);
    EXPECT_EQ(store->moduleSwitch(QStringLiteral("Peta")), 1);
    EXPECT_EQ(store->moduleSwitch(QStringLiteral("Nubuat")), 0);
}

TEST_F(CommandLineTest, AnExistingStoreIsReplacedOnlyWithYes) {
    ASSERT_EQ(run(basic("Alkitab Kabar Baik")), 0);
    const QByteArray old = probe::Bytes(destinationFile);
    EXPECT_EQ(run(basic("Perjanjian Baru Saja")), 1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("VERMARA2000.DAT ada di direktori ini, tindih file "
                                              "ini?")));
    EXPECT_EQ(probe::Bytes(destinationFile), old);
    EXPECT_EQ(run(basic("Perjanjian Baru Saja") << "--yes"), 0);
    EXPECT_EQ(activeColumns(), QStringLiteral("Kitab1,Kitab3"));
}

TEST_F(CommandLineTest, ChecksOfTheWizardStopTheBuildWithTheirMessages) {
    EXPECT_EQ(run(basic("Alkitab Terjemahan Baru")), 1);
    EXPECT_EQ(err, QStringLiteral("Anda harus memilih minimal 2 versi Alkitab\n"));
    EXPECT_EQ(run(basic("Kabar Lain")), 1);
    EXPECT_EQ(err, QStringLiteral("Versi \"Kabar Lain\" tidak ada di database sumber.\n"));
    EXPECT_EQ(run(basic("Alkitab Kabar Baik") << "--modules"
                                              << "Peta;Lagu"),
              1);
    EXPECT_EQ(err, QStringLiteral("Modul \"Lagu\" tidak ada di database sumber.\n"));
    EXPECT_EQ(
        run({"--source", source, "--dest", source + "/.", "--versions", "Alkitab Kabar Baik"}), 1);
    EXPECT_EQ(err, QStringLiteral("Folder sumber dan tujuan tidak boleh sama.\n"));
    EXPECT_EQ(run({"--source", source, "--dest", dir.filePath("tidak/ada"), "--versions",
                   "Alkitab Kabar Baik"}),
              1);
    EXPECT_EQ(err,
              QStringLiteral("Drive/direktori tujuan tidak dapat ditulis.\n"
                             "Kembali ke langkah pertama dan pilih direktori tujuan lain. \n"));
    EXPECT_EQ(run({"--source", source, "--dest", destination}), 2);
    EXPECT_EQ(run({"--source", source, "--tujuan", destination}), 2);
    EXPECT_EQ(probe::Entries(destination), QStringList());
}

TEST_F(CommandLineTest, AStoreWhoseFirstVersionIsAnotherKeepsThatVersion) {
    probe::Exec(source + QStringLiteral("/VERMARA2000.DAT"),
                QStringLiteral("UPDATE UsysVersi SET Aktif = 0 WHERE nr = 1"));
    EXPECT_EQ(run(basic("Alkitab Terjemahan Baru")), 1);
    EXPECT_EQ(err, QStringLiteral("Versi \"Alkitab Terjemahan Baru\" tidak ada di database "
                                  "sumber.\n"));
    EXPECT_EQ(run(basic("Perjanjian Baru Saja")), 0) << err.toStdString();
    EXPECT_EQ(activeColumns(), QStringLiteral("Kitab2,Kitab3"));
}

TEST_F(CommandLineTest, ASourceWithoutAVersionColumnOrChaptersIsRefusedNamingWhatIsMissing) {
    const QString file = source + QStringLiteral("/VERMARA2000.DAT");
    store::StoreWriter(file).dropColumn(QStringLiteral("UsysKitab"), QStringLiteral("Kitab2"));
    EXPECT_EQ(run(basic("Alkitab Kabar Baik")), 1);
    EXPECT_EQ(err, "Database sumber " + file +
                       " tidak lengkap atau rusak:\n- versi \"Alkitab Kabar Baik\" (kolom Kitab2) "
                       "tidak ada di tabel UsysKitab\n");

    fixture::WriteFixtureStore(source);
    probe::Exec(file, QStringLiteral("DELETE FROM UsysAlkitab"));
    EXPECT_EQ(run(basic("Alkitab Kabar Baik")), 1);
    EXPECT_EQ(err, "Database sumber " + file +
                       " tidak lengkap atau rusak:\n- tabel UsysAlkitab kosong\n");
    EXPECT_EQ(probe::Entries(destination), QStringList());
}

TEST_F(CommandLineTest, ASourceWithoutTheThematicTableIsRefusedInIndonesian) {
    const QString file = fixture::WriteFixtureStore(source, {.withTematik = false});
    EXPECT_EQ(run(basic("Alkitab Kabar Baik") << "--modules"
                                              << "Kamus;Tematik"),
              1);
    EXPECT_EQ(out, QStringLiteral("Silahkan tunggu... Database sedang dibuat.\n"));
    EXPECT_EQ(err, "Database sumber " + file +
                       " tidak lengkap atau rusak:\n- tabel UsysTematik tidak ada\n"
                       "Folder tujuan tidak diubah.\n");
    EXPECT_EQ(programs::EnglishWords(out + err, {file}, {"folder"}), QStringList());
    EXPECT_EQ(probe::Entries(destination), QStringList());
}

TEST(VersipackProgramTest, HelpAndRefusedArgumentsAreIndonesian) {
    const QString program = QStringLiteral(VERSIPACK_PROGRAM);
    const programs::Run help = programs::Start(program, {QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Pemakaian: ") + program + " [opsi]\n\nOpsi:\n"))
        << help.out.toStdString();
    EXPECT_EQ(programs::EnglishWords(help.out + help.err, {program}), QStringList());

    const std::vector<std::pair<QStringList, QString>> refused = {
        {{"--help", "--bogus"}, "Opsi 'bogus' tidak dikenal.\n"},
        {{"--source"}, "Nilai setelah '--source' tidak ada.\n"},
        {{"--yes"}, "--source, --dest dan --versions harus diisi.\n" + help.out}};
    for (const auto& [arguments, message] : refused) {
        const programs::Run run = programs::Start(program, arguments);
        EXPECT_EQ(run.code, 2);
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(programs::EnglishWords(run.out + run.err, {program}), QStringList());
    }
}

// The manual page explains the options the program has, and shows as needed exactly those
// the program refuses to run without.
TEST(VersipackProgramTest, TheManualPageMatchesTheProgramsOptions) {
    const QString program = QStringLiteral(VERSIPACK_PROGRAM);
    const programs::ManPage page =
        programs::ReadManPage(QStringLiteral(VERMARA_MAN_DIR "/versipack.1"));
    QStringList options = programs::HelpOptions(programs::Start(program, {"--help"}).out);
    ASSERT_FALSE(options.isEmpty());
    QStringList explained = page.options;
    options.sort();
    explained.sort();
    EXPECT_EQ(explained, options);

    const QString refusal = programs::Start(program, {"--yes"}).err.section(u'\n', 0, 0);
    QStringList needed;
    static const QRegularExpression option(QStringLiteral("--\\w+"));
    for (auto it = option.globalMatch(refusal); it.hasNext();)
        needed << it.next().captured(0);
    QStringList shownNeeded = page.synopsis;
    for (const QString& optional : page.optional)
        shownNeeded.removeAll(optional);
    EXPECT_EQ(needed, (QStringList{"--source", "--dest", "--versions"}));
    EXPECT_EQ(shownNeeded, needed);
}

TEST(VersipackProgramTest, WithoutADisplayTheWindowProgramSaysSoInOneLine) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VERSIPACK_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()), texts::NoDisplay() + u'\n');
}
