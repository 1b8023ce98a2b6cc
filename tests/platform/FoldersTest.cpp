#include "platform/Folders.h"

#include "platform/SettingsStore.h"
#include "platform/SystemNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(JoinPath, AddsOneSlashUnlessTheFolderEndsWithOne) {
    EXPECT_EQ(JoinPath("/opt/vermara", "VERMARA2000.DAT"), "/opt/vermara/VERMARA2000.DAT");
    EXPECT_EQ(JoinPath("/opt/vermara/", "VERMARA2000.DAT"), "/opt/vermara/VERMARA2000.DAT");
    EXPECT_EQ(JoinPath("", "VERMARA2000.DAT"), "/VERMARA2000.DAT");
}

// Points an environment variable elsewhere for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), old_(qgetenv(name)), hadValue_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv() {
        if (hadValue_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool hadValue_;
};

TEST(Folders, FollowTheUsersTemporaryConfigAndDataFolders) {
    QTemporaryDir home;
    const ScopedEnv tmp("TMPDIR", home.filePath("tmp"));
    const ScopedEnv config("XDG_CONFIG_HOME", home.filePath("config"));
    const ScopedEnv data("XDG_DATA_HOME", home.filePath("data"));

    EXPECT_EQ(GetTempFolder(), "/tmp");
    QDir().mkpath(home.filePath("tmp"));
    EXPECT_EQ(GetTempFolder(), home.filePath("tmp"));
    EXPECT_EQ(SettingsStore::DefaultFilePath(), home.filePath("config/Vermara/vermara.ini"));
    const QString dataFolder = UserDataFolder();
    EXPECT_TRUE(dataFolder.startsWith(home.filePath("data/"))) << dataFolder.toStdString();
    EXPECT_TRUE(QFileInfo(dataFolder).isDir());
    EXPECT_TRUE(QFileInfo(ProgramFolder()).isDir());
}

TEST(Folders, DeleteFileIfExistsRemovesFilesAndToleratesAbsentOnes) {
    QTemporaryDir dir;
    const QString path = JoinPath(dir.path(), "~vr123.tmp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(DeleteFileIfExists(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(DeleteFileIfExists(path));
    // A folder is not a file and stays.
    EXPECT_FALSE(DeleteFileIfExists(dir.path()));
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

TEST(SystemNames, NameTheUserAndTheComputer) {
    EXPECT_FALSE(UserLoginName().isEmpty());
    EXPECT_FALSE(ComputerName().isEmpty());
    EXPECT_FALSE(ComputerName().contains(QChar(0)));
}

} // namespace
