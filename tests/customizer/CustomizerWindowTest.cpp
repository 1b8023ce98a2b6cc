#include "customizer/CustomizerWindow.h"

#include "customizer/CustomBuild.h"
#include "customizer/StoreProbe.h"
#include "platform/ScriptedDialogs.h"
#include "platform/SettingsStore.h"
#include "support/AccessibleTree.h"
#include "support/FixtureStore.h"
#include "support/ProgramTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using customizer::CustomizerWindow;

namespace {

class CustomizerWindowTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString source = dir.filePath(QStringLiteral("sumber"));
    QString destination = dir.filePath(QStringLiteral("tujuan"));
    QString destinationFile = destination + QStringLiteral("/VERMARA2000.DAT");
    platform::SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<CustomizerWindow> window;

    void SetUp() override {
        fixture::WriteFixtureStore(source);
        QDir().mkpath(destination);
        settings.set(QStringLiteral("VR2000"), QStringLiteral("CDInstall"), QStringLiteral("Loc"),
                     source);
        open();
    }
    void open() {
        window = std::make_unique<CustomizerWindow>(dialogs, settings,
                                                    dir.filePath(QStringLiteral("program")));
        window->show();
    }
    template <typename T> T* find(const char* name) const {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void clickTab(int tab) {
        auto* bar = tabs()->findChild<QTabBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }
    QTabWidget* tabs() const { return find<QTabWidget>("ss"); }
    QStringList items(const char* name) const {
        QStringList texts;
        const QListWidget* widget = find<QListWidget>(name);
        for (int i = 0; i < widget->count(); ++i)
            texts << widget->item(i)->text();
        return texts;
    }
    QList<bool> enabledTabs() const {
        QList<bool> enabled;
        for (int i = 0; i < tabs()->count(); ++i)
            enabled << tabs()->isTabEnabled(i);
        return enabled;
    }
    QString lastMessage() const {
        return dialogs.messages().isEmpty() ? QString() : dialogs.messages().last().text;
    }
    void select(const char* list, int row) { find<QListWidget>(list)->setCurrentRow(row); }
    void toVersionsPage() {
        find<QLineEdit>("Text2")->setText(destination);
        click("Command3");
    }
    void toConfirmPage() {
        toVersionsPage();
        click("Command5");
        click("Command13");
        click("Command14");
    }
};

} // namespace

TEST_F(CustomizerWindowTest, OpensOnTheFirstPageWithTheInstalledSourceFolder) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vermara Database Customizer"));
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(enabledTabs(), (QList<bool>{true, false, false, false, false}));
    EXPECT_EQ(find<QLineEdit>("Text1")->text(), source);
    EXPECT_FALSE(find<QProgressBar>("ProgressBar")->isVisible());
    EXPECT_FALSE(find<QListWidget>("List5")->isVisible());

    settings.remove(QStringLiteral("VR2000"), QStringLiteral("CDInstall"), QStringLiteral("Loc"));
    open();
    EXPECT_EQ(find<QLineEdit>("Text1")->text(), dir.filePath(QStringLiteral("program")));
}

TEST_F(CustomizerWindowTest, TheFirstPageStaysUntilTheFoldersAndTheStoreAreUsable) {
    find<QLineEdit>("Text2")->setText(source + QStringLiteral("/"));
    click("Command3");
    EXPECT_EQ(lastMessage(), QStringLiteral("Folder sumber dan tujuan tidak boleh sama."));
    EXPECT_TRUE(dialogs.messages().last().title.isEmpty());
    find<QLineEdit>("Text2")->clear();
    click("Command3");
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Folder database sumber dan tujuan yang akan dibentuk harus diisi."));
    find<QLineEdit>("Text1")->setText(destination);
    find<QLineEdit>("Text2")->setText(source);
    click("Command3");
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Database VERMARA2000.DAT tidak ditemukan di path ") + destination);

    probe::Exec(source + QStringLiteral("/VERMARA2000.DAT"), QStringLiteral("DROP TABLE UsysMenu"));
    find<QLineEdit>("Text1")->setText(source);
    find<QLineEdit>("Text2")->setText(destination);
    click("Command3");
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Database sumber tidak dapat dibuka.")));
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("UsysMenu")));
    EXPECT_EQ(dialogs.messages().size(), 4);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(enabledTabs(), (QList<bool>{true, false, false, false, false}));
}

TEST_F(CustomizerWindowTest, TheVersionPageKeepsTheFirstVersionAndNeedsTwo) {
    toVersionsPage();
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(find<QLabel>("Label7")->text(), source);
    EXPECT_EQ(find<QLabel>("Label14")->toolTip(), destination);
    EXPECT_EQ(items("List1"), (QStringList{"Alkitab Kabar Baik", "Perjanjian Baru Saja"}));
    EXPECT_EQ(items("List2"), QStringList{"Alkitab Terjemahan Baru"});

    click("Command13");
    EXPECT_EQ(lastMessage(), QStringLiteral("Anda harus memilih minimal 2 versi Alkitab"));
    select("List2", 0);
    click("Command6");
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Maaf, Alkitab Terjemahan Baru harus selalu digunakan."));
    EXPECT_EQ(items("List2"), QStringList{"Alkitab Terjemahan Baru"});

    select("List1", 1);
    click("Command4");
    EXPECT_EQ(items("List2"), (QStringList{"Alkitab Terjemahan Baru", "Perjanjian Baru Saja"}));
    EXPECT_EQ(find<QListWidget>("List1")->currentRow(), 0);
    click("Command5");
    EXPECT_TRUE(items("List1").isEmpty());
    click("Command7");
    EXPECT_EQ(items("List2"), QStringList{"Alkitab Terjemahan Baru"});
    EXPECT_EQ(items("List1"), (QStringList{"Perjanjian Baru Saja", "Alkitab Kabar Baik"}));

    click("Command12");
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(enabledTabs(), (QList<bool>{true, false, false, false, false}));
}

TEST_F(CustomizerWindowTest, ModulesMoveBothWaysAndNoneMayBeChosen) {
    toVersionsPage();
    click("Command5");
    click("Command13");
    EXPECT_EQ(tabs()->currentIndex(), 2);
    EXPECT_EQ(items("List4").size(), 10);
    const QString last = items("List4").last();
    select("List4", 9);
    click("Command11");
    EXPECT_EQ(items("List3"), QStringList{last});
    EXPECT_EQ(find<QListWidget>("List4")->currentRow(), 0);
    click("Command8");
    EXPECT_EQ(items("List3").size(), 10);
    select("List3", 0);
    click("Command10");
    EXPECT_EQ(items("List4"), QStringList{last});
    click("Command9");
    EXPECT_TRUE(items("List3").isEmpty());
    click("Command16");
    EXPECT_EQ(enabledTabs(), (QList<bool>{true, true, false, false, false}));
    click("Command13");
    click("Command14");
    EXPECT_EQ(tabs()->currentIndex(), 3);
    click("Command17");
    EXPECT_EQ(tabs()->currentIndex(), 2);
    EXPECT_FALSE(tabs()->isTabEnabled(3));
}

TEST_F(CustomizerWindowTest, ABuildEndsOnTheLastPageWithTheClosingText) {
    toConfirmPage();
    click("Command15");
    EXPECT_EQ(tabs()->currentIndex(), 4);
    EXPECT_EQ(enabledTabs(), (QList<bool>{false, false, false, false, true}));
    QString closing = customizer::ClosingText(destination);
    closing.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(find<QLabel>("Label12")->text(), closing);
    EXPECT_EQ(items("List5"), (QStringList{"Kitab1", "Kitab2", "Kitab3"}));
    EXPECT_EQ(probe::Number(destinationFile, "SELECT count(*) FROM UsysVersi WHERE Aktif=1"), 3);
    click("Command18");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CustomizerWindowTest, ARefusedOrFailedBuildLeavesTheConfirmPageUsable) {
    customizer::CustomBuild first(
        {source + QStringLiteral("/VERMARA2000.DAT"), destination, {"Kitab1", "Kitab2"}, {}},
        dialogs);
    ASSERT_EQ(first.BuildCustomStore().status, customizer::BuildStatus::Finished);
    const QByteArray old = probe::Bytes(destinationFile);
    toConfirmPage();
    dialogs.queueAnswer(platform::DialogResult::Cancel);
    click("Command15");
    EXPECT_EQ(lastMessage(),
              QStringLiteral("VERMARA2000.DAT ada di direktori ini, tindih file ini?"));
    EXPECT_EQ(tabs()->currentIndex(), 3);
    EXPECT_TRUE(find<QPushButton>("Command15")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("Command17")->isEnabled());
    EXPECT_TRUE(find<QLabel>("lblProgress")->text().isEmpty());
    EXPECT_EQ(probe::Bytes(destinationFile), old);

    // The store's name taken by a folder: the replacement fails after the whole build.
    QFile::remove(destinationFile);
    QDir().mkpath(destinationFile);
    dialogs.queueAnswer(platform::DialogResult::Ok);
    click("Command15");
    EXPECT_EQ(lastMessage(), QStringLiteral("Drive/direktori tujuan tidak dapat ditulis.\r\n"
                                            "Kembali ke langkah pertama dan pilih direktori "
                                            "tujuan lain. "));
    EXPECT_EQ(tabs()->currentIndex(), 3);
    EXPECT_TRUE(find<QPushButton>("Command15")->isEnabled());
    EXPECT_EQ(probe::Entries(destination), QStringList{"VERMARA2000.DAT"});
}

TEST_F(CustomizerWindowTest, ClosingTheWindowDuringABuildStopsItAndKeepsNoStore) {
    toConfirmPage();
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    click("Command15");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(probe::Entries(destination), QStringList());
}

TEST_F(CustomizerWindowTest, BrowseButtonsFillTheirBoxesUnlessCancelled) {
    dialogs.queueFolder(QStringLiteral("/media/cdrom"));
    click("Command1");
    EXPECT_EQ(find<QLineEdit>("Text1")->text(), QStringLiteral("/media/cdrom"));
    click("Command2");
    EXPECT_TRUE(find<QLineEdit>("Text2")->text().isEmpty());
    EXPECT_EQ(dialogs.requests(),
              (QStringList{"Pilih lokasi database Vermara", "Pilih lokasi database Vermara"}));
}

TEST_F(CustomizerWindowTest, PagesAreReachedOnlyInOrderSoTheSourceCannotBecomeTheDestination) {
    const QByteArray full = probe::Bytes(source + QStringLiteral("/VERMARA2000.DAT"));
    toConfirmPage();
    clickTab(1);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(enabledTabs(), (QList<bool>{true, true, false, false, false}));
    clickTab(0);
    EXPECT_EQ(enabledTabs(), (QList<bool>{true, false, false, false, false}));
    find<QLineEdit>("Text2")->setText(source);
    clickTab(3);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    click("Command3");
    EXPECT_EQ(lastMessage(), QStringLiteral("Folder sumber dan tujuan tidak boleh sama."));
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(probe::Bytes(source + QStringLiteral("/VERMARA2000.DAT")), full);
}

TEST_F(CustomizerWindowTest, StartingTheBuildRunsEveryPageCheckAgainOnWhatItWillUse) {
    const QString sourceFile = source + QStringLiteral("/VERMARA2000.DAT");
    const auto sourceTree = probe::Tree(source);
    toConfirmPage();
    // Changed behind the first page's back: the build must not reach the source.
    find<QLineEdit>("Text2")->setText(source + QStringLiteral("/"));
    click("Command15");
    EXPECT_EQ(lastMessage(), QStringLiteral("Folder sumber dan tujuan tidak boleh sama."));
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(enabledTabs(), (QList<bool>{true, false, false, false, false}));
    EXPECT_EQ(probe::Tree(source), sourceTree);

    // The source lost a chosen version after the version page.
    toConfirmPage();
    probe::Exec(sourceFile, QStringLiteral("UPDATE UsysVersi SET Aktif = 0 WHERE nr = 3"));
    click("Command15");
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Versi \"Perjanjian Baru Saja\" tidak ada di database sumber."));
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(enabledTabs(), (QList<bool>{true, true, false, false, false}));

    // The source lost its chapters after the first page.
    probe::Exec(sourceFile, QStringLiteral("DELETE FROM UsysAlkitab"));
    click("Command13");
    click("Command14");
    click("Command15");
    EXPECT_EQ(lastMessage(), "Database sumber " + sourceFile +
                                 " tidak lengkap atau rusak:\r\n- tabel UsysAlkitab kosong");
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(probe::Entries(destination), QStringList());
}

// Every module chosen from a source that lacks the thematic table: each message the user
// reads is Indonesian, whatever the storage engine said.
TEST_F(CustomizerWindowTest, ASourceWithoutTheThematicTableGivesOnlyIndonesianMessages) {
    const QString file = fixture::WriteFixtureStore(source, {.withTematik = false});
    toVersionsPage();
    click("Command5");
    click("Command13");
    click("Command8");
    EXPECT_TRUE(items("List3").contains(QStringLiteral("Tematik")));
    click("Command14");
    click("Command15");
    ASSERT_FALSE(dialogs.messages().isEmpty());
    EXPECT_EQ(lastMessage(), "Database sumber " + file +
                                 " tidak lengkap atau rusak:\r\n- tabel UsysTematik tidak ada\r\n"
                                 "Folder tujuan tidak diubah.");
    for (const platform::RecordedMessage& message : dialogs.messages()) {
        EXPECT_EQ(programs::EnglishWords(message.text + message.title, {file}, {"folder"}),
                  QStringList())
            << message.text.toStdString();
    }
    EXPECT_EQ(probe::Entries(destination), QStringList());
}

// Each page is looked at as the user reaches it, so its controls are shown.
TEST_F(CustomizerWindowTest, EveryPageNamesEachControlForAScreenReader) {
    QStringList unnamed = accessible::Unnamed(window.get());
    toVersionsPage();
    unnamed += accessible::Unnamed(window.get());
    click("Command5");
    unnamed += accessible::Unnamed(window.get());
    click("Command13");
    unnamed += accessible::Unnamed(window.get());
    click("Command14");
    unnamed += accessible::Unnamed(window.get());
    EXPECT_EQ(tabs()->currentIndex(), 3);
    unnamed.removeDuplicates();
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u'\n').toStdString();
}
