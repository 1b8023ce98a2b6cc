#include "reader/StoreLocation.h"

#include "platform/ScriptedDialogs.h"
#include "platform/SettingsStore.h"
#include "reader/ReaderSettings.h"
#include "search/QueryKeyHash.h"
#include "store/Store.h"
#include "support/FixtureStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace reader;

namespace {

class StoreLocationTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString program = dir.filePath(QStringLiteral("program"));
    platform::SettingsStore settingsStore{dir.filePath(QStringLiteral("settings.ini"))};
    ReaderSettings settings{settingsStore, program};
    platform::ScriptedDialogs dialogs;

    QString storedLocation() const {
        return settingsStore.get(search::QueryKeyHash(program), QStringLiteral("Opsi"),
                                 QStringLiteral("location"));
    }
};

} // namespace

TEST_F(StoreLocationTest, FirstStartOpensTheStoreBesideTheProgramAndWritesLocation) {
    const QString path = fixture::WriteFixtureStore(program);
    const StoreLocation found = LocateStore(settings, dialogs, program, {});
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.dataPath, path);
    EXPECT_EQ(found.dataFolder, program + u'/');
    EXPECT_EQ(storedLocation(), path);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(StoreLocationTest, CancelledBrowserShowsTheMissingDataMessageAndKeepsLocation) {
    settingsStore.set(settings.installationKey(), QStringLiteral("Opsi"),
                      QStringLiteral("Location"), QStringLiteral("XYZ"));
    const StoreLocation found = LocateStore(settings, dialogs, program, {});
    EXPECT_FALSE(found.found);
    ASSERT_EQ(dialogs.requests(), QStringList{QStringLiteral("Pilih lokasi database Vermara")});
    ASSERT_EQ(dialogs.messages().size(), 1);
    const platform::RecordedMessage& message = dialogs.messages().front();
    EXPECT_EQ(message.text, QStringLiteral("Data Vermara tidak ditemukan \r\npada direktori : "
                                           "/VERMARA2000.DAT.\r\nJalankan kembali program dan "
                                           "pilih folder yang sesuai."));
    EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(message.title, QStringLiteral("Vermara"));
    EXPECT_EQ(storedLocation(), QStringLiteral("XYZ"));
}

TEST_F(StoreLocationTest, AFolderPickedInTheBrowserBecomesTheLocation) {
    const QString elsewhere = dir.filePath(QStringLiteral("data"));
    const QString path = fixture::WriteFixtureStore(elsewhere);
    bool splashHidden = false;
    dialogs.queueFolder(elsewhere);
    const StoreLocation found =
        LocateStore(settings, dialogs, program, {}, [&] { splashHidden = true; });
    EXPECT_TRUE(found.found);
    EXPECT_TRUE(splashHidden);
    EXPECT_EQ(found.dataPath, path);
    EXPECT_EQ(storedLocation(), path);
}

TEST_F(StoreLocationTest, CommandLinePathIsUsedWithoutTouchingLocation) {
    const QString elsewhere = dir.filePath(QStringLiteral("data"));
    const QString path = fixture::WriteFixtureStore(elsewhere);
    EXPECT_EQ(LocateStore(settings, dialogs, program, elsewhere).dataPath, path);
    EXPECT_TRUE(LocateStore(settings, dialogs, program, path).found);
    EXPECT_TRUE(storedLocation().isEmpty());

    bool splashHidden = false;
    const StoreLocation missing =
        LocateStore(settings, dialogs, program, dir.filePath(QStringLiteral("nothing")),
                    [&] { splashHidden = dialogs.messages().isEmpty(); });
    EXPECT_FALSE(missing.found);
    EXPECT_TRUE(splashHidden);
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(StoreLocationTest, AFileThatIsNoStoreIsExplainedByNameInsteadOfSilentlyIgnored) {
    QDir().mkpath(program);
    const QString path = program + QStringLiteral("/VERMARA2000.DAT");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("bukan database");
    file.close();
    // The splash is put away before the message, or it would hide it.
    qsizetype messagesBefore = -1;
    EXPECT_EQ(
        OpenStoreOrExplain(path, dialogs, [&] { messagesBefore = dialogs.messages().size(); }),
        nullptr);
    EXPECT_EQ(messagesBefore, 0);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().front().text.contains(path));
    EXPECT_EQ(dialogs.messages().front().title, QStringLiteral("Vermara"));
}

TEST_F(StoreLocationTest, SettingsLiveUnderTheInstallationKeyWithTheirDefaults) {
    EXPECT_EQ(settings.installationKey(), search::QueryKeyHash(program));
    EXPECT_EQ(settings.activeNr(), 1);
    EXPECT_EQ(settings.parallelNr(), 1);
    EXPECT_TRUE(settings.parallelHidden());
    EXPECT_TRUE(settings.lastPosition().oldTestament);
    EXPECT_EQ(settings.fontSize(), 10);
    const QString key = settings.installationKey();
    settingsStore.set(key, QStringLiteral("KITAB"), QStringLiteral("Aktif1"), QStringLiteral("3"));
    settingsStore.set(key, QStringLiteral("kitab"), QStringLiteral("perj"), QStringLiteral("2"));
    settingsStore.set(key, QStringLiteral("kitab"), QStringLiteral("padanan"), QStringLiteral("0"));
    EXPECT_EQ(settings.activeNr(), 3);
    EXPECT_FALSE(settings.lastPosition().oldTestament);
    EXPECT_FALSE(settings.parallelHidden());
    // A copy of the program elsewhere starts from the defaults.
    EXPECT_EQ(ReaderSettings(settingsStore, dir.filePath(QStringLiteral("copy"))).activeNr(), 1);
    settings.markInstalled();
    EXPECT_EQ(settingsStore.get(QStringLiteral("VR2000"), QStringLiteral("CDInstall"),
                                QStringLiteral("Installed")),
              QStringLiteral("yes"));
}
