#include "reader/DataLocationDialog.h"

#include "platform/ScriptedDialogs.h"
#include "platform/SettingsStore.h"
#include "reader/ReaderSettings.h"
#include "support/FixtureStore.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using reader::DataLocationDialog;

namespace {

class DataLocationDialogTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString program = dir.filePath(QStringLiteral("program"));
    platform::SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    platform::ScriptedDialogs dialogs;
    DataLocationDialog dialog{dialogs, settings, program, QStringLiteral("/lama/")};

    QString location() const {
        return settings.get(reader::ReaderSettings::InstallationKey(program),
                            QStringLiteral("Opsi"), QStringLiteral("Location"));
    }
    QColor textColour() const { return dialog.txtLocation()->palette().color(QPalette::Text); }
    void click(const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromUtf8(button)),
                          Qt::LeftButton);
    }
};

} // namespace

TEST_F(DataLocationDialogTest, ShowsTheDataFolderOfTheRunningProgram) {
    dialog.show();
    EXPECT_EQ(dialog.txtLocation()->text(), QStringLiteral("/lama/"));
    EXPECT_EQ(dialog.txtLocation()->toolTip(), QStringLiteral("/lama/"));
    click("cmdCancel");
    EXPECT_TRUE(location().isEmpty());
}

TEST_F(DataLocationDialogTest, AFolderWithTheStoreIsShownInBlackAndSavedOnOk) {
    const QString folder = dir.filePath(QStringLiteral("baru"));
    fixture::WriteFixtureStore(folder);
    dialog.show();
    dialogs.queueFolder(folder);
    click("cmdBrowse");
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(dialog.txtLocation()->text(), folder);
    EXPECT_EQ(textColour(), QColor(Qt::black));
    click("cmdOK");
    EXPECT_EQ(location(), folder + QStringLiteral("/VERMARA2000.DAT"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(DataLocationDialogTest, AFolderWithoutTheStoreWarnsAndIsShownInRed) {
    const QString folder = dir.filePath(QStringLiteral("kosong"));
    QDir().mkpath(folder);
    dialog.show();
    dialogs.queueFolder(folder);
    dialogs.queueAnswer(platform::DialogResult::Ok);
    click("cmdBrowse");
    ASSERT_EQ(dialogs.messages().size(), 1);
    const platform::RecordedMessage& warning = dialogs.messages().front();
    EXPECT_EQ(warning.text, QStringLiteral("File Vermara2000.DAT tidak ditemukan di lokasi yang "
                                           "anda pilih. \r\nTetap gunakan lokasi baru ini?"));
    EXPECT_EQ(warning.buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(warning.icon, platform::MessageIcon::Warning);
    EXPECT_EQ(warning.title, QStringLiteral("Lokasi Data"));
    EXPECT_EQ(textColour(), QColor(255, 0, 0));
    EXPECT_EQ(dialog.txtLocation()->text(), folder);
    click("cmdOK");
    EXPECT_EQ(location(), folder + QStringLiteral("/VERMARA2000.DAT"));
}

TEST_F(DataLocationDialogTest, DecliningTheWarningKeepsTheOldChoice) {
    const QString folder = dir.filePath(QStringLiteral("kosong"));
    QDir().mkpath(folder);
    dialog.show();
    dialogs.queueFolder(folder);
    dialogs.queueAnswer(platform::DialogResult::Cancel);
    click("cmdBrowse");
    EXPECT_EQ(dialog.txtLocation()->text(), QStringLiteral("/lama/"));
    click("cmdOK");
    EXPECT_TRUE(location().isEmpty());
}

TEST_F(DataLocationDialogTest, ACancelledBrowserChangesNothing) {
    dialog.show();
    click("cmdBrowse");
    EXPECT_EQ(dialogs.requests(), QStringList{QStringLiteral("Pilih lokasi database Vermara")});
    EXPECT_TRUE(dialogs.messages().isEmpty());
    click("cmdOK");
    EXPECT_TRUE(location().isEmpty());
}
