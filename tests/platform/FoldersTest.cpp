#include "platform/Folders.h"

#include "platform/SettingsStore.h"
#include "platform/SystemNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Mode bits of a folder, links not followed; -1 when there is nothing.
int ModeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                    : -1;
}

TEST(PrivateTempFolder, IsMadeForTheUserAloneAndFoundAgainByTheNextRun) {
    QTemporaryDir temp;
    const QString expected = temp.filePath(QStringLiteral("vermara-%1").arg(::geteuid()));
    EXPECT_EQ(PrivateTempFolder(temp.path()), expected);
    EXPECT_EQ(ModeOf(expected), 0700);
    ASSERT_TRUE(QFile(JoinPath(expected, "~vr1.tmp")).open(QIODevice::WriteOnly));
    EXPECT_EQ(PrivateTempFolder(temp.path() + "/"), expected);
    EXPECT_TRUE(QFile::exists(JoinPath(expected, "~vr1.tmp")));
    // Without a temporary folder there is no folder to give, not a path elsewhere.
    EXPECT_EQ(PrivateTempFolder(temp.filePath("missing")), QString());
}

// Whoever made the name first could read or replace the results files in it.
TEST(PrivateTempFolder, RefusesANameThatIsNotAFolderOfTheUsersAlone) {
    QTemporaryDir target; // a folder of the user's own, mode 0700
    const auto openFolder = [](const QString& path) {
        return QDir().mkpath(path) && ::chmod(QFile::encodeName(path).constData(), 0777) == 0;
    };
    const auto link = [&](const QString& path) { return QFile::link(target.path(), path); };
    const auto file = [](const QString& path) { return QFile(path).open(QIODevice::WriteOnly); };
    const auto folder = [](const QString& path) {
        return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0;
    };
    struct Case {
        const char* what;
        std::function<bool(const QString&)> make;
        uint owner;
    };
    const Case cases[] = {{"open to others", openFolder, ::geteuid()},
                          {"a link to a folder of the user's", link, ::geteuid()},
                          {"a file", file, ::geteuid()},
                          {"another user's", folder, ::geteuid() + 1}};
    for (const Case& c : cases) {
        QTemporaryDir temp;
        const QString taken = temp.filePath(QStringLiteral("vermara-%1").arg(c.owner));
        ASSERT_TRUE(c.make(taken)) << c.what;
        const int takenMode = ModeOf(taken);
        const QString fresh = PrivateTempFolder(temp.path(), c.owner);
        EXPECT_TRUE(fresh.startsWith(taken + "-")) << c.what << ": " << fresh.toStdString();
        EXPECT_EQ(ModeOf(fresh), 0700) << c.what;
        EXPECT_EQ(ModeOf(taken), takenMode) << c.what;
    }
}

TEST(SystemNames, NameTheUserAndTheComputer) {
    EXPECT_FALSE(UserLoginName().isEmpty());
    EXPECT_FALSE(ComputerName().isEmpty());
    EXPECT_FALSE(ComputerName().contains(QChar(0)));
}

} // namespace
