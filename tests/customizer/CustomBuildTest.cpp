#include "customizer/CustomBuild.h"

#include "customizer/CustomizerTexts.h"
#include "customizer/StopToken.h"
#include "customizer/StoreProbe.h"
#include "platform/ScriptedDialogs.h"
#include "platform/SystemNames.h"
#include "store/Store.h"
#include "store/StoreWriter.h"
#include "store/VersionChoice.h"
#include "support/ChildProcess.h"
#include "support/FileSizeLimit.h"
#include "support/FixtureStore.h"

#include <QLocale>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <sys/file.h>
#include <utility>
#include <vector>

using namespace customizer;

namespace {

const std::vector<BuildStep> kSteps{
    BuildStep::CreateStore,   BuildStep::CopyTables,          BuildStep::FinishStore,
    BuildStep::StagePictures, BuildStep::SetAsideOldPictures, BuildStep::MovePictures,
    BuildStep::MoveStore};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// The tree without the hidden staging folders of a build.
QMap<QString, QByteArray> WithoutStaging(QMap<QString, QByteArray> tree) {
    tree.removeIf([](const auto& entry) {
        return entry.key().startsWith(QLatin1String(".VERMARA2000.DAT."));
    });
    return tree;
}

const QStringList kAllModules{"Perikop", "Pengantar",  "Perumpamaan",     "Peta",       "Kamus",
                              "Nubuat",  "Commentary", "Deuterokanonika", "Keterangan", "Tematik"};

class CustomBuildTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString sourceFolder = dir.filePath(QStringLiteral("sumber"));
    QString destination = dir.filePath(QStringLiteral("tujuan"));
    QString destinationFile = destination + QStringLiteral("/VERMARA2000.DAT");
    platform::ScriptedDialogs dialogs;
    QString source;

    void SetUp() override {
        source = fixture::WriteFixtureStore(sourceFolder);
        QDir().mkpath(destination);
    }

    BuildOutcome build(const QStringList& columns, const QStringList& modules,
                       BuildHooks hooks = {}) {
        CustomBuild run({source, destination, columns, modules}, dialogs, std::move(hooks));
        return run.BuildCustomStore();
    }
    qint64 count(const QString& sql) const { return probe::Number(destinationFile, sql); }
    qint64 sourceCount(const QString& sql) const { return probe::Number(source, sql); }
    // A store built earlier, with pictures beside it when asked (one of them the user's own):
    // what a build that does not finish must leave exactly as it was.
    QMap<QString, QByteArray> oldDestination(bool withPictures) {
        QDir(destination).removeRecursively();
        QDir().mkpath(destination);
        WriteFile(sourceFolder + QStringLiteral("/Peta/kanaan.png"), "PNG baru");
        EXPECT_EQ(build({"Kitab1", "Kitab2"}, {"Kamus"}).status, BuildStatus::Finished);
        if (withPictures) {
            WriteFile(destination + QStringLiteral("/Peta/kanaan.png"), "PNG lama");
            WriteFile(destination + QStringLiteral("/Peta/catatan.png"), "milik pengguna");
        }
        dialogs.clear();
        return probe::Tree(destination);
    }
    QString line() const {
        return CustomizationLine(QDate::currentDate(), platform::UserLoginName(),
                                 platform::ComputerName());
    }
};

} // namespace

TEST(ArrayExistTest, MatchesWholeNamesWithOrWithoutCase) {
    const QStringList columns{"Kitab1", "Kitab10"};
    EXPECT_TRUE(ArrayExist(columns, QStringLiteral("kitab1"), false));
    EXPECT_FALSE(ArrayExist(columns, QStringLiteral("kitab1"), true));
    EXPECT_TRUE(ArrayExist(columns, QStringLiteral("Kitab10"), true));
    EXPECT_FALSE(ArrayExist(columns, QStringLiteral("Kitab"), false));
    EXPECT_FALSE(ArrayExist(columns, QStringLiteral("Kitab2"), false));
    EXPECT_FALSE(ArrayExist({QString()}, QString(), false));
    EXPECT_FALSE(ArrayExist({}, QStringLiteral("Kitab1"), false));
}

TEST(CustomizationLineTest, JoinsTheShortDateUserAndComputer) {
    const QDate date(2026, 12, 8);
    EXPECT_EQ(CustomizationLine(date, QStringLiteral("budi"), QStringLiteral("pc-gereja")),
              QLocale::system().toString(date, QLocale::ShortFormat) +
                  QStringLiteral(" - Customized by budi/pc-gereja"));
}

TEST_F(CustomBuildTest, TwoVersionsWithoutModulesKeepOnlyTheirColumnsAndTheFixedTables) {
    const BuildOutcome outcome = build({"Kitab1", "Kitab3"}, {});
    ASSERT_EQ(outcome.status, BuildStatus::Finished) << outcome.text.toStdString();
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(probe::Entries(destination), QStringList{"VERMARA2000.DAT"});

    for (const char* table : {"UsysAlkitab", "UsysKitab"}) {
        const QString t = QString::fromLatin1(table);
        EXPECT_EQ(count("SELECT count(*) FROM " + t), sourceCount("SELECT count(*) FROM " + t));
        EXPECT_EQ(count("SELECT count(*) FROM " + t + " WHERE Kitab2 IS NOT NULL"), 0);
        EXPECT_EQ(count("SELECT count(*) FROM " + t + " WHERE Kitab50 IS NOT NULL"), 0);
        EXPECT_EQ(count("SELECT count(*) FROM " + t + " WHERE Kitab1 IS NOT NULL"),
                  sourceCount("SELECT count(*) FROM " + t + " WHERE Kitab1 IS NOT NULL"));
    }
    EXPECT_EQ(probe::Text(destinationFile, "SELECT Kitab3 FROM UsysAlkitab WHERE Buku='Matius' "
                                           "AND Bab=5"),
              probe::Text(source, "SELECT Kitab3 FROM UsysAlkitab WHERE Buku='Matius' AND Bab=5"));
    EXPECT_EQ(count("SELECT count(*) FROM UsysKitab WHERE Intro <> '' OR Intro IS NULL "
                    "OR Perikop <> '' OR Perikop IS NULL"),
              0);
    EXPECT_GT(sourceCount("SELECT count(*) FROM UsysAlkitab WHERE Komentar <> ''"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM UsysAlkitab WHERE Komentar <> '' OR Komentar IS NULL"),
              0);
    EXPECT_EQ(
        probe::Text(destinationFile,
                    "SELECT group_concat(Aktif) FROM (SELECT Aktif FROM UsysVersi ORDER BY nr)"),
        QStringLiteral("1,0,1"));
    EXPECT_EQ(count("SELECT count(*) FROM UsysMenu WHERE Aktif <> 0"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM UsysMenu"), sourceCount("SELECT count(*) FROM UsysMenu"));
    EXPECT_EQ(count("SELECT count(*) FROM Error"), sourceCount("SELECT count(*) FROM Error"));
    for (const char* table : {"UsysNubuat", "UsysUmpama", "UsysKamus", "UsysGambar", "UsysTematik",
                              "UsysDeuterokanonika"})
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ") + table), 0) << table;
}

TEST_F(CustomBuildTest, TheNewStoreOpensWithOnlyTheChosenVersionsActive) {
    ASSERT_EQ(build({"Kitab1", "Kitab2"}, {"Kamus"}).status, BuildStatus::Finished);
    const auto store = store::Store::Open(destinationFile);
    QStringList active;
    for (const store::VersionRow& row : store->versions()) {
        if (row.aktif == 1)
            active << row.namaVersi;
    }
    EXPECT_EQ(active, (QStringList{"Alkitab Terjemahan Baru", "Alkitab Kabar Baik"}));
    // Settings that name the version left out fall back to a chosen one.
    const store::VersionChoice choice = store::ChooseVersions(store->versions(), 3, 3);
    EXPECT_EQ(choice.activeColumn, QStringLiteral("Kitab1"));
    EXPECT_NE(choice.parallelColumn, QStringLiteral("Kitab3"));
    EXPECT_EQ(store->moduleSwitch(QStringLiteral("Kamus")), 1);
    EXPECT_EQ(store->moduleSwitch(QStringLiteral("Peta")), 0);
    EXPECT_FALSE(store->dictionary().empty());
}

TEST_F(CustomBuildTest, EveryModuleCopiesItsDataAndOnlyHandledSwitchesGoOn) {
    ASSERT_EQ(build({"Kitab1", "Kitab2", "Kitab3"}, kAllModules).status, BuildStatus::Finished);
    for (const char* table : {"UsysNubuat", "UsysUmpama", "UsysKamus", "UsysGambar", "UsysTematik",
                              "UsysDeuterokanonika", "UsysInfo", "UsysVersi"}) {
        const QString sql = QStringLiteral("SELECT count(*) FROM ") + table;
        EXPECT_GT(sourceCount(sql), 0) << table;
        EXPECT_EQ(count(sql), sourceCount(sql)) << table;
    }
    const QString third = "SELECT count(*) FROM UsysDeuterokanonika WHERE Kitab3 IS NOT NULL";
    EXPECT_GT(sourceCount(third), 0);
    EXPECT_EQ(count(third), sourceCount(third));
    const QString perikop = "SELECT Perikop FROM UsysKitab WHERE Kitab1='Matius'";
    EXPECT_EQ(probe::Text(destinationFile, perikop), probe::Text(source, perikop));
    const QString intro = "SELECT Intro FROM UsysKitab WHERE Kitab1='Kejadian'";
    EXPECT_EQ(probe::Text(destinationFile, intro), probe::Text(source, intro));
    // The commentary now has data of its own, Komentar; "Keterangan" still has none.
    const QString komentar = "SELECT Komentar FROM UsysAlkitab WHERE Buku='Matius' AND Bab=5";
    EXPECT_FALSE(probe::Text(source, komentar).isEmpty());
    EXPECT_EQ(probe::Text(destinationFile, komentar), probe::Text(source, komentar));
    EXPECT_EQ(probe::Text(destinationFile, "SELECT group_concat(NamaMenu) FROM (SELECT NamaMenu "
                                           "FROM UsysMenu WHERE Aktif = 0 ORDER BY NamaMenu)"),
              QStringLiteral("Keterangan"));
    EXPECT_EQ(count("SELECT count(*) FROM UsysMenu WHERE Aktif = 1"), 9);
}

// One module chosen at a time, so that two modules whose tables or switches were swapped show:
// the chosen module's rows and switch come along, no other module's.
TEST_F(CustomBuildTest, EachModuleChosenAloneBringsItsOwnRowsAndSwitchOnly) {
    const std::vector<std::pair<QString, QString>> rows{
        {"Perikop", "UsysKitab WHERE Perikop <> ''"},
        {"Pengantar", "UsysKitab WHERE Intro <> ''"},
        {"Nubuat", "UsysNubuat"},
        {"Perumpamaan", "UsysUmpama"},
        {"Deuterokanonika", "UsysDeuterokanonika"},
        {"Kamus", "UsysKamus"},
        {"Peta", "UsysGambar"},
        {"Tematik", "UsysTematik"}};
    for (const auto& [chosen, unused] : rows) {
        SCOPED_TRACE(chosen.toStdString());
        QDir(destination).removeRecursively();
        QDir().mkpath(destination);
        ASSERT_EQ(build({"Kitab1"}, {chosen}).status, BuildStatus::Finished);
        for (const auto& [module, from] : rows) {
            const QString sql = QStringLiteral("SELECT count(*) FROM ") + from;
            ASSERT_GT(sourceCount(sql), 0) << module.toStdString();
            EXPECT_EQ(count(sql), module == chosen ? sourceCount(sql) : 0) << module.toStdString();
            EXPECT_EQ(
                count(
                    QStringLiteral("SELECT Aktif FROM UsysMenu WHERE NamaMenu = '%1'").arg(module)),
                module == chosen ? 1 : 0)
                << module.toStdString();
        }
    }
}

TEST_F(CustomBuildTest, ThePictureFolderFollowsTheMapsModuleOnly) {
    QDir().mkpath(sourceFolder + QStringLiteral("/Peta"));
    QFile picture(sourceFolder + QStringLiteral("/Peta/kanaan.png"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write("PNG data");
    picture.close();
    ASSERT_EQ(build({"Kitab1", "Kitab2"}, {"Kamus"}).status, BuildStatus::Finished);
    EXPECT_EQ(probe::Entries(destination), QStringList{"VERMARA2000.DAT"});
    dialogs.queueAnswer(platform::DialogResult::Ok);
    ASSERT_EQ(build({"Kitab1", "Kitab2"}, {"Peta"}).status, BuildStatus::Finished);
    EXPECT_EQ(probe::Bytes(destination + QStringLiteral("/Peta/kanaan.png")), "PNG data");
    dialogs.queueAnswer(platform::DialogResult::Ok);
    ASSERT_EQ(build({"Kitab1", "Kitab2"}, {"Peta"}).status, BuildStatus::Finished);
    EXPECT_EQ(probe::Entries(destination + QStringLiteral("/Peta")), QStringList{"kanaan.png"});
}

TEST_F(CustomBuildTest, ATwoVersionDeuterocanonFillsTheThreeVersionTable) {
    source = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("dua")),
                                        {.twoVersionDeutero = true});
    ASSERT_EQ(build({"Kitab1", "Kitab2"}, {"Deuterokanonika"}).status, BuildStatus::Finished);
    const qint64 rows = sourceCount("SELECT count(*) FROM UsysDeuterokanonika");
    EXPECT_GT(rows, 0);
    EXPECT_EQ(count("SELECT count(*) FROM UsysDeuterokanonika WHERE Buku3 IS NULL AND Kitab3 IS "
                    "NULL AND Kitab2 IS NOT NULL AND Buku1 IS NOT NULL"),
              rows);
    const QString first = "SELECT Kitab2 FROM UsysDeuterokanonika ORDER BY Urutan, Bab LIMIT 1";
    EXPECT_EQ(probe::Text(destinationFile, first), probe::Text(source, first));
}

TEST_F(CustomBuildTest, TheHistoryFollowsTheSourceHistoryOrStartsWithALineBreak) {
    const QString history = probe::Text(source, "SELECT Keterangan FROM UsysInfo WHERE id=100");
    ASSERT_EQ(build({"Kitab1", "Kitab2"}, {}).status, BuildStatus::Finished);
    EXPECT_EQ(probe::Text(destinationFile, "SELECT Keterangan FROM UsysInfo WHERE id=99"), line());
    EXPECT_EQ(probe::Text(destinationFile, "SELECT Keterangan FROM UsysInfo WHERE id=100"),
              history + QStringLiteral("\r\n") + line());
    EXPECT_EQ(count("SELECT count(*) FROM UsysInfo WHERE id IN (99, 100)"), 2);

    probe::Exec(source, QStringLiteral("DELETE FROM UsysInfo WHERE id IN (99, 100)"));
    dialogs.queueAnswer(platform::DialogResult::Ok);
    ASSERT_EQ(build({"Kitab1", "Kitab2"}, {}).status, BuildStatus::Finished);
    EXPECT_EQ(probe::Text(destinationFile, "SELECT Keterangan FROM UsysInfo WHERE id=100"),
              QStringLiteral("\r\n") + line());
    EXPECT_EQ(probe::Text(destinationFile, "SELECT Keterangan FROM UsysInfo WHERE id=99"), line());
}

TEST_F(CustomBuildTest, ASecondBuildAsksAndCancelKeepsTheOldStoreUntouched) {
    ASSERT_EQ(build({"Kitab1", "Kitab2"}, {}).status, BuildStatus::Finished);
    const QByteArray old = probe::Bytes(destinationFile);
    dialogs.queueAnswer(platform::DialogResult::Cancel);
    EXPECT_EQ(build({"Kitab1", "Kitab3"}, {}).status, BuildStatus::Refused);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first().text,
              QStringLiteral("VERMARA2000.DAT ada di direktori ini, tindih file ini?"));
    EXPECT_EQ(dialogs.messages().first().buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(probe::Bytes(destinationFile), old);

    dialogs.queueAnswer(platform::DialogResult::Ok);
    EXPECT_EQ(build({"Kitab1", "Kitab3"}, {}).status, BuildStatus::Finished);
    EXPECT_EQ(count("SELECT count(*) FROM UsysVersi WHERE NamaTabel='Kitab3' AND Aktif=1"), 1);
    EXPECT_EQ(probe::Entries(destination), QStringList{"VERMARA2000.DAT"});
}

TEST_F(CustomBuildTest, ASourceLackingWhatTheBuildCopiesIsRefusedBeforeAnythingIsWritten) {
    const auto before = oldDestination(true);
    struct Damage {
        std::function<void()> apply;
        QStringList modules;
        QString problem;
    };
    const auto exec = [this](const char* sql) { return [this, sql] { probe::Exec(source, sql); }; };
    const std::vector<Damage> damages{
        {exec("DELETE FROM UsysAlkitab"), {}, "tabel UsysAlkitab kosong"},
        {[this] { store::StoreWriter(source).dropColumn("UsysAlkitab", "Kitab2"); },
         {},
         "versi \"Alkitab Kabar Baik\" (kolom Kitab2) tidak ada di tabel UsysAlkitab"},
        {exec("UPDATE UsysAlkitab SET Kitab2 = NULL"),
         {},
         "versi \"Alkitab Kabar Baik\" (kolom Kitab2) tidak berisi teks di tabel UsysAlkitab"},
        {exec("DROP TABLE UsysTematik"), {"Kamus", "Tematik"}, "tabel UsysTematik tidak ada"}};
    for (const Damage& damage : damages) {
        QDir(sourceFolder).removeRecursively();
        source = fixture::WriteFixtureStore(sourceFolder);
        damage.apply();
        dialogs.clear();
        const BuildOutcome outcome = build({"Kitab1", "Kitab2"}, damage.modules);
        EXPECT_EQ(outcome.status, BuildStatus::Failed);
        // Refused before the overwrite question: there is nothing to overwrite with.
        ASSERT_EQ(dialogs.messages().size(), 1) << damage.problem.toStdString();
        EXPECT_EQ(dialogs.messages().first().text,
                  "Database sumber " + source + " tidak lengkap atau rusak:\r\n- " +
                      damage.problem + "\r\nFolder tujuan tidak diubah.");
        EXPECT_EQ(probe::Tree(destination), before) << damage.problem.toStdString();
    }
}

TEST_F(CustomBuildTest, TheSourceFolderItselfIsNeverADestination) {
    const QString link = dir.filePath(QStringLiteral("tautan"));
    ASSERT_TRUE(QFile::link(sourceFolder, link));
    const auto before = probe::Tree(sourceFolder);
    for (const QString& folder : {sourceFolder + QStringLiteral("/"), link}) {
        dialogs.clear();
        dialogs.queueAnswer(platform::DialogResult::Ok);
        CustomBuild run({source, folder, {"Kitab1", "Kitab2"}, {"Peta"}}, dialogs);
        EXPECT_EQ(run.BuildCustomStore().status, BuildStatus::Failed);
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_EQ(dialogs.messages().first().text,
                  QStringLiteral("Folder sumber dan tujuan tidak boleh sama."));
        EXPECT_EQ(probe::Tree(sourceFolder), before);
    }
}

TEST_F(CustomBuildTest, AStepThatFailsLeavesTheOldStoreAndPicturesAsTheyWere) {
    for (const bool oldPictures : {true, false}) {
        const auto before = oldDestination(oldPictures);
        for (const BuildStep failing : kSteps) {
            dialogs.queueAnswer(platform::DialogResult::Ok);
            std::vector<BuildStep> reached;
            BuildHooks hooks;
            hooks.beforeStep = [&](BuildStep step) {
                reached.push_back(step);
                return step != failing;
            };
            const BuildOutcome outcome = build({"Kitab1", "Kitab3"}, {"Peta"}, hooks);
            const int at = int(failing);
            EXPECT_EQ(outcome.status, BuildStatus::Failed) << at;
            EXPECT_EQ(reached, std::vector<BuildStep>(kSteps.begin(), kSteps.begin() + at + 1));
            EXPECT_EQ(outcome.text, failing >= BuildStep::SetAsideOldPictures
                                        ? texts::DestinationUnwritable()
                                        : texts::DestinationFull(destination, true))
                << at;
            EXPECT_EQ(probe::Tree(destination), before) << at << " " << oldPictures;
        }
    }
}

TEST_F(CustomBuildTest, ANewBuildKeepsTheUsersOwnPicturesBesideTheNewOnes) {
    oldDestination(true);
    dialogs.queueAnswer(platform::DialogResult::Ok);
    std::vector<BuildStep> reached;
    BuildHooks hooks;
    hooks.beforeStep = [&](BuildStep step) {
        reached.push_back(step);
        return true;
    };
    ASSERT_EQ(build({"Kitab1", "Kitab3"}, {"Peta"}, hooks).status, BuildStatus::Finished);
    EXPECT_EQ(reached, kSteps);
    EXPECT_EQ(probe::Entries(destination), (QStringList{"Peta", "VERMARA2000.DAT"}));
    EXPECT_EQ(probe::Bytes(destination + QStringLiteral("/Peta/kanaan.png")), "PNG baru");
    EXPECT_EQ(probe::Bytes(destination + QStringLiteral("/Peta/catatan.png")), "milik pengguna");
    EXPECT_EQ(probe::Entries(destination + QStringLiteral("/Peta")),
              (QStringList{"catatan.png", "kanaan.png"}));
}

TEST_F(CustomBuildTest, AFullDiskAtAnyStageLeavesTheOldStoreAndPicturesAsTheyWere) {
    // Text enough to make the new store outgrow an empty one.
    probe::Exec(source, QStringLiteral("UPDATE UsysAlkitab SET Kitab1 = Kitab1 || "
                                       "hex(zeroblob(1000000)) WHERE Bab = 1"));
    const QString empty = dir.filePath(QStringLiteral("kosong.DAT"));
    store::CreateDefaultDB(empty);
    const auto before = oldDestination(true);
    const qint64 built = QFileInfo(destinationFile).size();
    const qint64 pictureLimit = built + 4 * 65536;
    WriteFile(sourceFolder + QStringLiteral("/Peta/besar.png"), QByteArray(pictureLimit + 1, 'p'));
    const std::vector<std::pair<qint64, BuildStep>> limits{
        {65536, BuildStep::CreateStore},
        {QFileInfo(empty).size() + 65536, BuildStep::CopyTables},
        {pictureLimit, BuildStep::StagePictures}};
    for (const auto& [bytes, stage] : limits) {
        const child::End end = child::Run([&, bytes = bytes] {
            const FileSizeLimit full{rlim_t(bytes)};
            BuildStep last = BuildStep::CreateStore;
            BuildHooks hooks;
            hooks.beforeStep = [&](BuildStep step) {
                last = step;
                return true;
            };
            dialogs.queueAnswer(platform::DialogResult::Ok);
            const BuildOutcome outcome = build({"Kitab1", "Kitab2"}, {"Kamus", "Peta"}, hooks);
            return std::pair{int(last), outcome.text};
        });
        EXPECT_EQ(end.code, int(stage)) << bytes;
        EXPECT_EQ(end.text, texts::DestinationFull(destination, true)) << bytes;
        EXPECT_EQ(probe::Tree(destination), before) << bytes;
    }
}

TEST_F(CustomBuildTest, AKilledBuildLeavesTheOldFilesOrIsPutBackByTheNextBuild) {
    std::vector<std::optional<BuildStep>> kills{std::nullopt}; // none: while copying rows
    kills.insert(kills.end(), kSteps.begin(), kSteps.end());
    for (const bool oldPictures : {true, false}) {
        const auto before = oldDestination(oldPictures);
        for (const std::optional<BuildStep>& kill : kills) {
            const child::End end = child::Run([&] {
                BuildHooks hooks;
                hooks.beforeStep = [&](BuildStep step) {
                    if (step == kill)
                        std::raise(SIGKILL);
                    return true;
                };
                hooks.UpdateProgress = [&](int copied, int) {
                    if (!kill && copied == 3)
                        std::raise(SIGKILL);
                };
                dialogs.queueAnswer(platform::DialogResult::Ok);
                build({"Kitab1", "Kitab3"}, {"Peta"}, hooks);
                return std::pair{0, QString()};
            });
            const int at = kill ? int(*kill) : -1;
            ASSERT_TRUE(end.killed) << at;
            if (!kill || *kill < BuildStep::SetAsideOldPictures) {
                EXPECT_EQ(WithoutStaging(probe::Tree(destination)), before) << at;
            }
            dialogs.queueAnswer(platform::DialogResult::Cancel);
            EXPECT_EQ(build({"Kitab1", "Kitab3"}, {"Peta"}).status, BuildStatus::Refused);
            EXPECT_EQ(probe::Tree(destination), before) << at << " " << oldPictures;
        }
    }
}

TEST_F(CustomBuildTest, OnlyTheLeftoversOfEndedBuildsAreRemoved) {
    const QStringList others{".VERMARA2000.DAT.catatan", ".VERMARA2000.DAT.Ab12Cd.bak",
                             "VERMARA2000.DAT.Ab12Cd", ".VERMARA2000.DAT.Ab1-Cd"};
    for (const QString& name :
         others + QStringList{".VERMARA2000.DAT.Ab12Cd", ".VERMARA2000.DAT.Ab12Cd-journal"})
        WriteFile(destination + u'/' + name, "x");
    // A build that ended after its store moved in: its old pictures are not put back.
    WriteFile(destination + QStringLiteral("/.VERMARA2000.DAT.Zz99Yy/Peta.lama/lama.png"), "x");
    // A build still running holds its folder locked.
    const QString running = destination + QStringLiteral("/.VERMARA2000.DAT.Jalan1");
    WriteFile(running + QStringLiteral("/VERMARA2000.DAT"), "x");
    const int lock = ::open(QFile::encodeName(running).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);

    ASSERT_EQ(build({"Kitab1", "Kitab2"}, {}).status, BuildStatus::Finished);
    ::close(lock);
    QStringList expected = others + QStringList{"VERMARA2000.DAT", ".VERMARA2000.DAT.Jalan1"};
    expected.sort();
    QStringList entries = probe::Entries(destination);
    entries.sort();
    EXPECT_EQ(entries, expected);
}

TEST_F(CustomBuildTest, AnUnwritableDestinationGivesTheDriveMessage) {
    const QString expected = QStringLiteral("Drive/direktori tujuan tidak dapat ditulis.\r\n"
                                            "Kembali ke langkah pertama dan pilih direktori "
                                            "tujuan lain. ");
    const QString plainFile = dir.filePath(QStringLiteral("berkas"));
    QFile(plainFile).open(QIODevice::WriteOnly);
    for (const QString& folder :
         {plainFile, dir.filePath(QStringLiteral("tidak/ada")), QStringLiteral(" ")}) {
        dialogs.clear();
        CustomBuild run({source, folder, {"Kitab1", "Kitab2"}, {}}, dialogs);
        const BuildOutcome outcome = run.BuildCustomStore();
        EXPECT_EQ(outcome.status, BuildStatus::Failed) << folder.toStdString();
        ASSERT_EQ(dialogs.messages().size(), 1) << folder.toStdString();
        EXPECT_EQ(dialogs.messages().first().text, expected);
        EXPECT_TRUE(dialogs.messages().first().title.isEmpty());
    }
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("tidak"))).exists());
}

TEST_F(CustomBuildTest, AStoreNameTakenByAFolderIsNotReplacedAndTheBuildIsRemoved) {
    QDir().mkpath(destinationFile);
    dialogs.queueAnswer(platform::DialogResult::Ok);
    const BuildOutcome outcome = build({"Kitab1", "Kitab2"}, {});
    EXPECT_EQ(outcome.status, BuildStatus::Failed);
    EXPECT_EQ(outcome.text, texts::DestinationUnwritable());
    EXPECT_TRUE(QFileInfo(destinationFile).isDir());
    EXPECT_EQ(probe::Entries(destination), QStringList{"VERMARA2000.DAT"});
}

TEST_F(CustomBuildTest, ProgressCountsEveryVersionRowAndAStopDiscardsTheBuild) {
    std::vector<std::pair<int, int>> calls;
    BuildHooks hooks;
    hooks.UpdateProgress = [&](int copied, int total) { calls.emplace_back(copied, total); };
    QStringList captions;
    hooks.caption = [&](const QString& text) { captions << text; };
    ASSERT_EQ(build({"Kitab1", "Kitab2"}, {}, hooks).status, BuildStatus::Finished);
    const int rows = int(sourceCount("SELECT count(*) FROM UsysKitab") +
                         sourceCount("SELECT count(*) FROM UsysAlkitab"));
    ASSERT_EQ(int(calls.size()), rows);
    EXPECT_EQ(calls.front(), std::make_pair(1, rows));
    EXPECT_EQ(calls.back(), std::make_pair(rows, rows));
    EXPECT_EQ(captions, QStringList{"Meng-copy data dari database sumber..."});

    const QByteArray old = probe::Bytes(destinationFile);
    StopToken stop;
    hooks.stop = &stop;
    hooks.UpdateProgress = [&](int copied, int) {
        if (copied == rows - 1)
            stop.request();
    };
    dialogs.clear();
    dialogs.queueAnswer(platform::DialogResult::Ok);
    EXPECT_EQ(build({"Kitab1", "Kitab3"}, {}, hooks).status, BuildStatus::Stopped);
    EXPECT_EQ(dialogs.messages().size(), 1); // the overwrite question only
    EXPECT_EQ(probe::Bytes(destinationFile), old);
    EXPECT_EQ(probe::Entries(destination), QStringList{"VERMARA2000.DAT"});
}

TEST(ClosingTextTest, NamesTheDestinationTwice) {
    EXPECT_EQ(ClosingText(QStringLiteral("/home/budi/alkitab")),
              QStringLiteral("Database custom telah selesai dibuat.\r\n"
                             "Lokasi database ada di: /home/budi/alkitab\r\n\r\n"
                             "Untuk menggunakan database baru ini jalankan program Vermara, dari "
                             "menu Setting pilihlan Lokasi Data. Klik pada button (...) dan pilih "
                             "lokasi data yang baru (/home/budi/alkitab).\r\n"));
}
