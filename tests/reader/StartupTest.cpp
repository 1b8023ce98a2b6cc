#include "reader/Startup.h"

#include "ReaderHarness.h"
#include "bookmarks/BookmarkFile.h"
#include "platform/AnsiCodePage.h"
#include "platform/Folders.h"
#include "reader/AboutWindow.h"
#include "reader/BookmarkCommands.h"
#include "reader/InfoWindow.h"
#include "reader/SearchBar.h"
#include "reader/ShellCommands.h"
#include "reader/SplashWindow.h"
#include "reader/StoreLocation.h"
#include "reader/TipsWindow.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace {

QAction* Item(const ReaderHarness& h, const char* name) {
    return h.action(QString::fromUtf8(name));
}

void Click(QWidget* window, const char* button) {
    auto* found = window->findChild<QPushButton*>(QString::fromUtf8(button));
    ASSERT_NE(found, nullptr) << button;
    QTest::mouseClick(found, Qt::LeftButton);
}

QString Label(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromUtf8(name));
    return label ? label->text() : QStringLiteral("<no label>");
}

// Closes the window as the user does and opens a new one on the same settings and store.
void Restart(ReaderHarness& h) {
    h.window->close();
    h.restart();
}

// The splash window while it is on screen.
QWidget* Splash() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("frmSplash") && window->isVisible())
            return window;
    }
    return nullptr;
}

const platform::ReadingLook& Look(const ReaderHarness& h) {
    return h.window->models().look;
}

void WriteTips(ReaderHarness& h, const QString& text) {
    QDir().mkpath(h.context().programFolder);
    ASSERT_TRUE(
        platform::WriteTextFile(h.context().programFolder + QStringLiteral("/VR_tips.dat"), text));
}

} // namespace

TEST(Startup, AFirstStartShowsTheFirstOldTestamentBookOnTheDefaults) {
    ReaderHarness h;
    h.open();
    EXPECT_EQ(Splash(), nullptr);
    EXPECT_TRUE(h.option(1)->isChecked());
    EXPECT_EQ(h.list1()->currentRow(), 0);
    EXPECT_EQ(h.list2()->currentRow(), 0);
    EXPECT_TRUE(h.find<QWidget>(QStringLiteral("Frame2"))->isHidden());
    EXPECT_EQ(Look(h).fontName(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(Look(h).fontSize(), 10);
    EXPECT_EQ(h.window->shell().tipsWindow(), nullptr);
    EXPECT_EQ(h.window->shell().infoWindow(), nullptr);
    EXPECT_FALSE(Item(h, "menuSettingSimpan")->isChecked());
    EXPECT_TRUE(Item(h, "menuSettingStatus")->isChecked());
    EXPECT_TRUE(Item(h, "MenuPencarianOptimal")->isChecked());
    EXPECT_EQ(h.settingsStore().get(QStringLiteral("VR2000"), QStringLiteral("CDInstall"),
                                    QStringLiteral("Installed")),
              QStringLiteral("yes"));
    // Closing without "Selalu simpan setting program" leaves nothing behind but the marker.
    h.window->close();
    EXPECT_EQ(h.setting(QStringLiteral("kitab"), QStringLiteral("buku")), QString());
}

TEST(Startup, TheSplashIsCentredOnTopUntilTheFirstChapterIsShown) {
    ReaderHarness h;
    h.setSetting(QStringLiteral("Opsi"), QStringLiteral("Location"), h.storePath);
    ASSERT_TRUE(h.app->start({}));
    QWidget* splash = Splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Label(splash, "lblVersion"), QStringLiteral("Version 2.0.0"));
    EXPECT_LE((splash->geometry().center() - QGuiApplication::primaryScreen()->geometry().center())
                  .manhattanLength(),
              2);
    ASSERT_NE(h.context().store, nullptr);
    EXPECT_EQ(h.context().dataPath, h.storePath);
    h.window = &h.app->window();
    QSignalSpy shown(h.window, &reader::MainWindow::firstChapterShown);
    h.window->show();
    ASSERT_TRUE(shown.wait(5000));
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(h.list1()->currentRow(), 0);
    EXPECT_TRUE(h.dialogs.messages().isEmpty());
}

TEST(Startup, ARestartComesBackToThePositionVersionsFontAndPanels) {
    ReaderHarness h;
    h.open();
    Item(h, "menuSettingSimpan")->trigger();
    h.showNewTestament(1, 1);
    h.window->ChangeVersion(3);
    h.window->chooseParallelVersion(2);
    h.window->models().look.setFont(QStringLiteral("DejaVu Sans"), 14, false);
    QTest::mouseClick(h.window->findChild<QToolButton*>(QStringLiteral("ToolButton1")),
                      Qt::LeftButton);
    Item(h, "menuSettingStatus")->trigger();
    Item(h, "MenuPencarianOptimal")->trigger();
    const int active = h.window->navigator().activeEntry();
    const int parallel = h.window->navigator().parallelEntry();
    const QString book = h.window->navigator().bookName();
    const int chapter = h.window->navigator().chapter();
    ASSERT_FALSE(h.window->navigator().oldTestament());

    Restart(h);
    const reader::Navigator& nav = h.window->navigator();
    EXPECT_FALSE(nav.oldTestament());
    EXPECT_EQ(nav.bookName(), book);
    EXPECT_EQ(nav.chapter(), chapter);
    EXPECT_EQ(nav.activeEntry(), active);
    EXPECT_EQ(nav.parallelEntry(), parallel);
    EXPECT_EQ(Look(h).fontName(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(Look(h).fontSize(), 14);
    EXPECT_FALSE(h.find<QWidget>(QStringLiteral("Frame2"))->isHidden());
    EXPECT_TRUE(h.find<QWidget>(QStringLiteral("picStatusBar"))->isHidden());
    EXPECT_FALSE(Item(h, "menuSettingStatus")->isChecked());
    EXPECT_FALSE(Item(h, "MenuPencarianOptimal")->isChecked());
    EXPECT_TRUE(Item(h, "menuSettingSimpan")->isChecked());

    // Unchecked, the next close deletes every key but the data location.
    h.setSetting(QStringLiteral("Opsi"), QStringLiteral("Location"), h.storePath);
    Item(h, "menuSettingSimpan")->trigger();
    Restart(h);
    EXPECT_EQ(h.setting(QStringLiteral("kitab"), QStringLiteral("aktif1")), QString());
    EXPECT_EQ(h.setting(QStringLiteral("font"), QStringLiteral("name")), QString());
    EXPECT_EQ(h.setting(QStringLiteral("Opsi"), QStringLiteral("saveset")), QString());
    EXPECT_EQ(h.setting(QStringLiteral("Opsi"), QStringLiteral("Location")), h.storePath);
    EXPECT_TRUE(h.window->navigator().oldTestament());
    EXPECT_EQ(Look(h).fontSize(), 10);
    EXPECT_TRUE(h.find<QWidget>(QStringLiteral("Frame2"))->isHidden());
}

TEST(Startup, DamagedSettingsStartOnTheDefaultsOfThoseKeys) {
    ReaderHarness h;
    h.setSetting(QStringLiteral("kitab"), QStringLiteral("aktif1"), QStringLiteral("42"));
    h.setSetting(QStringLiteral("kitab"), QStringLiteral("buku"), QStringLiteral("999"));
    h.setSetting(QStringLiteral("kitab"), QStringLiteral("pasal"), QStringLiteral("-5"));
    h.setSetting(QStringLiteral("kitab"), QStringLiteral("perj"), QStringLiteral("lama"));
    h.setSetting(QStringLiteral("font"), QStringLiteral("size"), QStringLiteral("sepuluh"));
    h.setSetting(QStringLiteral("Opsi"), QStringLiteral("tbar"), QStringLiteral("99999999999999"));
    h.open();
    EXPECT_EQ(h.window->navigator().activeEntry(), 1);
    EXPECT_TRUE(h.option(1)->isChecked());
    EXPECT_EQ(h.list1()->currentRow(), 0);
    EXPECT_EQ(h.list2()->currentRow(), 0);
    EXPECT_EQ(Look(h).fontSize(), 10);
    EXPECT_TRUE(Item(h, "menuSettingToolbar")->isChecked());
    EXPECT_FALSE(h.find<QWidget>(QStringLiteral("Picture1"))->isHidden());
}

TEST(Startup, SavedSwitchesShapeTheFrame) {
    ReaderHarness h;
    for (const char* key : {"tbar", "pbar", "klist", "bbar", "Optimal", "splitIntro"})
        h.setSetting(QStringLiteral("Opsi"), QString::fromUtf8(key), QStringLiteral("0"));
    h.setSetting(QStringLiteral("Opsi"), QStringLiteral("flush"), QStringLiteral("1"));
    h.open();
    EXPECT_TRUE(h.find<QWidget>(QStringLiteral("Picture1"))->isHidden());
    EXPECT_TRUE(h.find<QWidget>(QStringLiteral("picSearchBar"))->isHidden());
    EXPECT_TRUE(h.find<QWidget>(QStringLiteral("blueBar"))->isHidden());
    EXPECT_LT(h.find<QWidget>(QStringLiteral("Frame1"))->width(), 5);
    EXPECT_FALSE(Item(h, "menuSettingKitab")->isChecked());
    EXPECT_FALSE(Item(h, "MenuSettingTerpisah")->isChecked());
    EXPECT_FALSE(h.window->options().isOn(reader::Option::SeparateIntro));
    EXPECT_TRUE(Item(h, "MenuPencarianHapus")->isChecked());
    // F11 gives the normal view back.
    QTest::keyClick(h.window, Qt::Key_F11);
    EXPECT_FALSE(h.find<QWidget>(QStringLiteral("picSearchBar"))->isHidden());
}

TEST(Startup, ResultsFilesAreDeletedAtTheEndOnlyWhenAsked) {
    ReaderHarness h;
    h.open();
    const QString results = platform::JoinPath(h.context().tempFolder, QStringLiteral("~vr7.tmp"));
    ASSERT_TRUE(platform::WriteTextFile(results, QStringLiteral("x")));
    h.window->close();
    EXPECT_TRUE(QFile::exists(results));
    h.setSetting(QStringLiteral("Opsi"), QStringLiteral("flush"), QStringLiteral("1"));
    h.restart();
    h.window->close();
    EXPECT_FALSE(QFile::exists(results));
}

TEST(Startup, SettingsThatCannotBeSavedAtTheEndAreReportedOnceNamingTheFile) {
    for (const char* saveset : {"1", "0"}) {
        ReaderHarness h;
        h.setSetting(QStringLiteral("Opsi"), QStringLiteral("saveset"), QString::fromUtf8(saveset));
        h.open();
        // A folder where the settings file belongs: neither writing nor deleting a key works.
        const QString file = h.settingsStore().filePath();
        ASSERT_TRUE(QFile::remove(file));
        ASSERT_TRUE(QDir().mkpath(file));
        h.dialogs.clear();
        h.window->close();
        ASSERT_EQ(h.dialogs.messages().size(), 1) << saveset;
        const platform::RecordedMessage& message = h.dialogs.messages()[0];
        EXPECT_EQ(message.text, QStringLiteral("Setting program tidak dapat disimpan di ") + file);
        EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(message.icon, platform::MessageIcon::Warning);
        EXPECT_EQ(message.title, QStringLiteral("Vermara"));
    }
}

TEST(Startup, TheCitationRulesAndTheTipsOpenAtStartWhenAsked) {
    ReaderHarness h;
    WriteTips(h, QStringLiteral("satu\r\ndua\r\n"));
    h.setSetting(QStringLiteral("Opsi"), QStringLiteral("Tip"), QStringLiteral("1"));
    h.setSetting(QStringLiteral("Opsi"), QStringLiteral("Etika"), QStringLiteral("1"));
    h.open();
    reader::InfoWindow* info = h.window->shell().infoWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_TRUE(info->isModal());
    EXPECT_EQ(Label(info, "Label1"), QStringLiteral("Etika Pengutipan Alkitab"));
    ASSERT_NE(h.window->shell().tipsWindow(), nullptr);
    EXPECT_TRUE(h.window->shell().tipsWindow()->isVisible());
    EXPECT_TRUE(Item(h, "MenuShowTip")->isChecked());
}

TEST(Startup, AStoreCutShortIsCalledDamagedWithWhatToDoNotElevenMissingTables) {
    for (const int size : {0, 1, 4096}) {
        ReaderHarness h;
        QFile store(h.storePath);
        ASSERT_TRUE(store.open(QIODevice::ReadWrite));
        ASSERT_TRUE(store.resize(size));
        store.close();
        EXPECT_TRUE(h.app->start(h.storePath));
        EXPECT_EQ(h.context().store, nullptr);
        ASSERT_EQ(h.dialogs.messages().size(), 1) << size;
        const QString text = h.dialogs.messages().front().text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("Berkas ") + h.storePath +
                                    QStringLiteral(" rusak atau bukan database Vermara")))
            << size << ": " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("\r\nSalin kembali VERMARA2000.DAT")));
        EXPECT_FALSE(text.contains(QStringLiteral("tabel"), Qt::CaseInsensitive));
        EXPECT_EQ(QFileInfo(h.storePath).size(), size); // the reader never writes the store
    }
}

TEST(Startup, ACatalogueOfNullsOrWithoutRowsIsExplainedInsteadOfABlankWindow) {
    for (const char* sql : {"UPDATE UsysVersi SET nr = NULL, NamaVersi = NULL, NamaTabel = NULL, "
                            "Aktif = NULL, Lama = NULL, Baru = NULL",
                            "DELETE FROM UsysVersi"}) {
        ReaderHarness h;
        store::Database(h.storePath, store::Database::Mode::ReadWrite, store::kStorePassword)
            .exec(QString::fromUtf8(sql));
        EXPECT_TRUE(h.app->start(h.storePath));
        ASSERT_EQ(h.dialogs.messages().size(), 1) << sql;
        EXPECT_EQ(h.dialogs.messages().front().text,
                  QStringLiteral("Database ") + h.storePath +
                      QStringLiteral(" tidak memiliki versi Alkitab yang dapat ditampilkan: daftar "
                                     "versi (tabel UsysVersi) kosong atau isinya rusak.\r\nSalin "
                                     "kembali VERMARA2000.DAT dari media instalasi atau buat lagi "
                                     "dengan versipack, lalu jalankan kembali program."));
        EXPECT_EQ(h.dialogs.messages().front().title, QStringLiteral("Vermara"));
        // The window still opens.
        h.app->window().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&h.app->window()));
    }
}

TEST(TipsWindow, PreviousFromTheFirstTipShowsTheLastAndTutupWritesTip) {
    ReaderHarness h;
    WriteTips(h, QStringLiteral("satu\r\n\r\ndua\r\ntiga\r\n"));
    h.open();
    ASSERT_TRUE(Item(h, "MenuTips")->isEnabled());
    h.window->shell().setRandom([] { return 0.0; });
    Item(h, "MenuTips")->trigger();
    reader::TipsWindow* tips = h.window->shell().tipsWindow();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(Label(tips, "Label1"), QStringLiteral("Tip Penggunaan Program"));
    EXPECT_EQ(Label(tips, "Label2"), QStringLiteral("satu"));
    Click(tips, "Command3");
    EXPECT_EQ(Label(tips, "Label2"), QStringLiteral("tiga"));
    Click(tips, "Command1");
    EXPECT_EQ(Label(tips, "Label2"), QStringLiteral("satu"));
    Click(tips, "Command1");
    EXPECT_EQ(Label(tips, "Label2"), QStringLiteral("dua"));
    auto* check = tips->findChild<QCheckBox*>(QStringLiteral("Check1"));
    EXPECT_EQ(check->text(), QStringLiteral("Selalu tampilan tip di awal program"));
    EXPECT_FALSE(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton);
    Click(tips, "Command2");
    EXPECT_FALSE(tips->isVisible());
    EXPECT_EQ(h.setting(QStringLiteral("Opsi"), QStringLiteral("Tip")), QStringLiteral("1"));
    EXPECT_TRUE(Item(h, "MenuShowTip")->isChecked());
    Item(h, "MenuTips")->trigger();
    EXPECT_TRUE(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton);
    Click(tips, "Command2");
    EXPECT_EQ(h.setting(QStringLiteral("Opsi"), QStringLiteral("Tip")), QStringLiteral("0"));
    EXPECT_FALSE(Item(h, "MenuShowTip")->isChecked());
}

TEST(TipsWindow, WithoutATipsFileTheCommandIsDisabled) {
    ReaderHarness h;
    h.open();
    EXPECT_FALSE(Item(h, "MenuTips")->isEnabled());
}

TEST(InfoWindow, AMissingRightsNoticeShowsItsTitleOverAnEmptyText) {
    ReaderHarness h({.withoutInfo4And100 = true});
    h.open();
    Item(h, "menuHakCipta")->trigger();
    reader::InfoWindow* info = h.window->shell().infoWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(Label(info, "Label1"), QStringLiteral("Hak Cipta"));
    EXPECT_EQ(info->findChild<QTextEdit*>(QStringLiteral("RichTextBox1"))->toPlainText(),
              QString());
    Click(info, "Command1");
    Item(h, "menuEtika")->trigger();
    EXPECT_EQ(Label(info, "Label1"), QStringLiteral("Etika Pengutipan Alkitab"));
    EXPECT_EQ(info->findChild<QTextEdit*>(QStringLiteral("RichTextBox1"))->toPlainText(),
              QStringLiteral("Etika pengutipan: sebutkan versi dan ayat."));
}

TEST(InfoWindow, TheBoxWritesOneOrZeroAndOnlyOneChecksIt) {
    ReaderHarness h;
    h.open();
    for (const char* stored : {"-1", "yes", "2", ""}) {
        h.setSetting(QStringLiteral("Opsi"), QStringLiteral("Etika"), QString::fromUtf8(stored));
        Item(h, "menuEtika")->trigger();
        auto* check =
            h.window->shell().infoWindow()->findChild<QCheckBox*>(QStringLiteral("Check1"));
        EXPECT_FALSE(check->isChecked()) << stored;
        Click(h.window->shell().infoWindow(), "Command1");
    }
    Item(h, "menuEtika")->trigger();
    reader::InfoWindow* info = h.window->shell().infoWindow();
    auto* check = info->findChild<QCheckBox*>(QStringLiteral("Check1"));
    EXPECT_EQ(check->text(),
              QStringLiteral("Selalu tampilkan jendela Etika Pengutipan di awal program"));
    QTest::mouseClick(check, Qt::LeftButton);
    Click(info, "Command1");
    EXPECT_EQ(h.setting(QStringLiteral("Opsi"), QStringLiteral("Etika")), QStringLiteral("1"));
    Item(h, "menuHakCipta")->trigger();
    EXPECT_TRUE(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton);
    Click(info, "Command1");
    EXPECT_EQ(h.setting(QStringLiteral("Opsi"), QStringLiteral("Etika")), QStringLiteral("0"));
}

TEST(AboutWindow, ShowsTheVersionTheStoreTextAndVersiDb) {
    ReaderHarness h({.withoutInfo99 = true});
    h.open();
    Item(h, "MenuAbout")->trigger();
    reader::AboutWindow* about = h.window->shell().aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Tentang Vermara"));
    EXPECT_EQ(Label(about, "lblVersion"), QStringLiteral("Vermara 2.0.0"));
    EXPECT_EQ(about->findChild<QTextEdit*>(QStringLiteral("Text1"))->toPlainText(),
              QStringLiteral("Tentang database contoh."));
    Click(about, "Command2");
    ASSERT_EQ(h.dialogs.messages().size(), 1);
    EXPECT_EQ(h.dialogs.messages()[0].text, QStringLiteral("Database VR v.1.0"));
    EXPECT_EQ(h.dialogs.messages()[0].title, QStringLiteral("Vermara"));
    EXPECT_EQ(h.dialogs.messages()[0].buttons, platform::MessageButtons::Ok);
    Click(about, "Command1");
    EXPECT_FALSE(about->isVisible());
}

TEST(Help, TheGuideOfTheDataFolderOpensAndAMissingGuideIsExplained) {
    ReaderHarness h;
    h.open();
    QList<QUrl> opened;
    h.window->shell().setUrlOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    Item(h, "MenuHelp")->trigger();
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(h.dialogs.messages().size(), 1);
    EXPECT_TRUE(h.dialogs.messages()[0].text.startsWith(
        QStringLiteral("Panduan program (vr200.html) tidak ditemukan")));
    QDir().mkpath(h.context().programFolder);
    platform::WriteTextFile(h.context().programFolder + QStringLiteral("/vr200.html"),
                            QStringLiteral("<p>"));
    platform::WriteTextFile(h.context().dataFolder + QStringLiteral("vr200.html"),
                            QStringLiteral("<p>"));
    Item(h, "MenuHelp")->trigger();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0],
              QUrl::fromLocalFile(h.context().dataFolder + QStringLiteral("vr200.html")));
    h.window->shell().setUrlOpener([](const QUrl&) { return false; });
    Item(h, "MenuHelp")->trigger();
    ASSERT_EQ(h.dialogs.messages().size(), 2);
    EXPECT_TRUE(h.dialogs.messages()[1].text.contains(QStringLiteral("tidak dapat dibuka")));
}

TEST(CommandBox, TheFindBoxRunsCommandsAndTwoBackslashesAloneAreLookedFor) {
    ReaderHarness h;
    h.open();
    QLineEdit* text1 = h.window->searchBar().text1();
    const auto enter = [text1](const QString& text) {
        text1->clear();
        QTest::keyClicks(text1, text);
        QTest::keyClick(text1, Qt::Key_Return);
    };
    enter(QStringLiteral("\\\\  vrdbcusthist "));
    ASSERT_EQ(h.dialogs.messages().size(), 1);
    EXPECT_EQ(h.dialogs.messages()[0].text,
              QStringLiteral("\r\n01/12/2026 - Customized by uji/mesin"));
    EXPECT_EQ(h.dialogs.messages()[0].title, QStringLiteral("Vermara"));
    enter(QStringLiteral("\\\\"));
    ASSERT_EQ(h.dialogs.messages().size(), 2);
    EXPECT_EQ(h.dialogs.messages()[1].text, QStringLiteral("Kata tidak ditemukan."));
}

TEST(CommandBox, AdviceShowsItsVerseWithoutABookOrChapterChosen) {
    ReaderHarness h;
    h.open();
    h.window->shell().setRandom([] { return 0.0; });
    EXPECT_TRUE(h.window->runCommand(QStringLiteral("\\\\advice")));
    EXPECT_EQ(h.title(), QStringLiteral("Kutipan dari Kitab Matius#5:44-45"));
    EXPECT_EQ(h.find<QLabel>(QStringLiteral("Label1"))->toolTip(),
              QStringLiteral("Matius#5:44-45"));
    EXPECT_EQ(h.list1()->currentRow(), -1);
    EXPECT_EQ(h.list2()->currentRow(), -1);
    EXPECT_TRUE(h.rtf1()->toPlainText().startsWith(QStringLiteral("5:44 ")));
    EXPECT_TRUE(h.rtf1()->toPlainText().contains(QStringLiteral("\n5:45 ")));
}

TEST(CommandBox, ResetLocationMakesTheNextStartAskForTheFolder) {
    ReaderHarness h;
    h.setSetting(QStringLiteral("Opsi"), QStringLiteral("Location"), h.storePath);
    h.open();
    EXPECT_TRUE(h.window->runCommand(QStringLiteral("\\\\RESETLOCATION")));
    EXPECT_TRUE(h.dialogs.messages().isEmpty());
    EXPECT_EQ(h.setting(QStringLiteral("Opsi"), QStringLiteral("Location")), QStringLiteral("XYZ"));
    h.dialogs.queueFolder(QFileInfo(h.storePath).path());
    const reader::StoreLocation next =
        reader::LocateStore(h.context().settings, h.dialogs, h.context().programFolder, {});
    EXPECT_EQ(h.dialogs.requests().size(), 1);
    EXPECT_TRUE(next.found);
    EXPECT_EQ(h.setting(QStringLiteral("Opsi"), QStringLiteral("Location")), h.storePath);
}

TEST(CommandBoxDeathTest, QuitEndsAtOnceWithoutABookmarkFileOrASetting) {
    ReaderHarness h;
    h.open();
    reader::BookmarkCommands& bookmarks = *h.app->bookmarks();
    const QString bookmarkFile =
        platform::JoinPath(h.context().userDataFolder, bookmarks::kBookmarkFileName);
    QFile::remove(bookmarkFile);
    const QByteArray before = [&] {
        QFile file(h.settingsStore().filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    EXPECT_EXIT(
        {
            Item(h, "menuSettingSimpan")->trigger();
            bookmarks.bookmarkWindow();
            h.window->runCommand(QStringLiteral("\\\\quit"));
        },
        testing::ExitedWithCode(0), "");
    EXPECT_FALSE(QFile::exists(bookmarkFile));
    QFile file(h.settingsStore().filePath());
    EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), before);
}
