#include "ReaderHarness.h"
#include "reader/CommandTable.h"
#include "reader/FrameViews.h"
#include "reader/Icons.h"
#include "reader/MainMenus.h"
#include "reader/ReadingFont.h"
#include "store/StoreWriter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>

using reader::ReaderCommand;

namespace {

bool SameImage(const QIcon& a, const QIcon& b) {
    return a.pixmap(32, 32).toImage() == b.pixmap(32, 32).toImage();
}

QToolButton* ToolButton(const ReaderHarness& reader, int k) {
    return reader.find<QToolButton>(QStringLiteral("ToolButton%1").arg(k));
}

} // namespace

TEST(Frame, MenusCarryTheirCaptions) {
    ReaderHarness reader;
    reader.open();
    EXPECT_EQ(reader.action(QStringLiteral("MenuDeutero3"))->text(),
              QStringLiteral("Deuterokanonika Bahasa Indonesia Sehari-hari"));
    EXPECT_EQ(reader.action(QStringLiteral("MenuPencarianHapus"))->text(),
              QStringLiteral("Hapus Hasil Pencarian saat keluar dari program"));
    EXPECT_EQ(reader.action(QStringLiteral("MenuAbout"))->text(),
              QStringLiteral("Tentang Vermara"));
    EXPECT_EQ(reader.action(QStringLiteral("menuPadananSeluruh"))->text(),
              QStringLiteral("Tampilkan Seluruh Pasal"));
    QStringList bar;
    for (QAction* menu : reader.window->menuBar()->actions())
        bar.append(menu->text());
    EXPECT_EQ(bar, (QStringList{"&Alkitab", "&Deuterokanonika", "A&rtikel", "&Lihat", "&Setting",
                                "&Tampilan", "&Info"}));
}

TEST(Frame, TheThirdDeuterocanonVersionIsOfferedOnlyWhenTheStoreHasIt) {
    ReaderHarness three;
    three.open();
    EXPECT_TRUE(three.action(QStringLiteral("MenuDeutero3"))->isVisible());
    EXPECT_TRUE(three.action(QStringLiteral("MenuDeutero2"))->isVisible());

    fixture::Options options;
    options.twoVersionDeutero = true;
    ReaderHarness two(options);
    two.open();
    EXPECT_FALSE(two.action(QStringLiteral("MenuDeutero3"))->isVisible());
    EXPECT_TRUE(two.action(QStringLiteral("MenuDeutero2"))->isVisible());
}

TEST(Frame, VersionMenuShowsItsActiveVersionsInTwoColumns) {
    fixture::Options options;
    options.catalogueWithGaps = true; // four active versions of five
    ReaderHarness reader(options);
    reader.open();
    auto* columns = reader.find<QWidget>(QStringLiteral("VersiKitabColumns"));
    auto* grid = qobject_cast<QGridLayout*>(columns->layout());
    ASSERT_NE(grid, nullptr);
    QStringList left, right;
    for (int i = 0; i < grid->count(); ++i) {
        int row = 0, column = 0, rows = 0, spans = 0;
        grid->getItemPosition(i, &row, &column, &rows, &spans);
        auto* entry = qobject_cast<QAbstractButton*>(grid->itemAt(i)->widget());
        ASSERT_NE(entry, nullptr);
        (column == 0 ? left : right).append(entry->text());
    }
    EXPECT_EQ(left, (QStringList{"Alkitab Terjemahan Baru", "-"}));
    EXPECT_EQ(right, (QStringList{"Alkitab Kabar Baik", "Perjanjian Baru Saja"}));
}

TEST(Frame, ToolButtonOneShowsAndHidesTheParallelPanel) {
    ReaderHarness reader;
    reader.open();
    QWidget* frame2 = reader.find<QWidget>(QStringLiteral("Frame2"));
    QTest::mouseClick(ToolButton(reader, 1), Qt::LeftButton);
    EXPECT_FALSE(frame2->isHidden());
    EXPECT_TRUE(reader.action(QStringLiteral("menuPadanan"))->isChecked());
    EXPECT_LT(frame2->height(), reader.rtf1()->height());
    reader.action(QStringLiteral("menuPadanan"))->trigger();
    EXPECT_TRUE(frame2->isHidden());
    EXPECT_FALSE(reader.action(QStringLiteral("menuPadanan"))->isChecked());
}

TEST(Frame, ASavedShownPanelIsShownAtStart) {
    ReaderHarness reader;
    reader.saveKitab("padanan", 0);
    reader.open();
    EXPECT_FALSE(reader.find<QWidget>(QStringLiteral("Frame2"))->isHidden());
    EXPECT_FALSE(reader.window->state().showNext);
}

TEST(Frame, SwitchedOffModulesHideMenusDisableButtonsAndGreyTheirImages) {
    fixture::Options options;
    options.allModulesOff = true;
    ReaderHarness reader(options);
    reader.open();
    QSignalSpy commands(reader.window, &reader::MainWindow::commandRequested);
    for (const char* name :
         {"MenuPerikop", "MenuPengantar", "MenuPerumpamaan", "MenuPeta", "MenuKamus", "MenuNubuat",
          "MenuCommentary", "MenuDeuterokanonika", "MenuKeterangan", "MenuTematik"})
        EXPECT_FALSE(reader.action(QString::fromUtf8(name))->isVisible()) << name;
    for (int k = 1; k <= 13; ++k)
        EXPECT_EQ(ToolButton(reader, k)->isEnabled(), k < 2 || k > 8) << k;
    for (int k = 0; k < 10; ++k) {
        auto* blue = reader.find<QToolButton>(QStringLiteral("blueBtn%1").arg(k));
        const bool available = k == 0 || k >= 8;
        EXPECT_TRUE(SameImage(blue->icon(), reader::SpecialButtonImage(k, available))) << k;
        EXPECT_EQ(blue->toolTip(), ToolButton(reader, k + 1)->toolTip());
    }
    // The maps button of the special tool bar does nothing.
    QTest::mouseClick(reader.find<QToolButton>(QStringLiteral("blueBtn5")), Qt::LeftButton);
    EXPECT_EQ(commands.count(), 0);
    QTest::mouseClick(reader.find<QToolButton>(QStringLiteral("blueBtn8")), Qt::LeftButton);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.front().front().value<ReaderCommand>(), ReaderCommand::Bookmark);
}

TEST(Frame, AModuleWithoutItsRowCountsAsSwitchedOff) {
    fixture::Options options;
    options.missingModuleRow = true;
    ReaderHarness reader(options);
    reader.open();
    EXPECT_FALSE(reader.action(QStringLiteral("MenuKamus"))->isVisible());
    EXPECT_FALSE(ToolButton(reader, 7)->isEnabled());
    EXPECT_TRUE(reader.action(QStringLiteral("MenuPeta"))->isVisible());
    EXPECT_TRUE(ToolButton(reader, 6)->isEnabled());
    QSignalSpy commands(reader.window, &reader::MainWindow::commandRequested);
    QTest::mouseClick(ToolButton(reader, 6), Qt::LeftButton);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.front().front().value<ReaderCommand>(), ReaderCommand::Maps);
}

TEST(Frame, ResultsButtonReopensThePageChosenLast) {
    ReaderHarness reader;
    reader.open();
    QSignalSpy commands(reader.window, &reader::MainWindow::commandRequested);
    QTest::mouseClick(ToolButton(reader, 10), Qt::LeftButton);
    reader.window->clickToolButton(12);
    QTest::mouseClick(ToolButton(reader, 10), Qt::LeftButton);
    ASSERT_EQ(commands.count(), 3);
    EXPECT_EQ(commands[0].front().value<ReaderCommand>(), ReaderCommand::ResultsSearch);
    EXPECT_EQ(commands[1].front().value<ReaderCommand>(), ReaderCommand::ResultsList);
    EXPECT_EQ(commands[2].front().value<ReaderCommand>(), ReaderCommand::ResultsList);
    EXPECT_EQ(ToolButton(reader, 10)->toolTip(), QStringLiteral(" Daftar Hasil Pencarian "));
}

TEST(Frame, StatusLineShowsTheToolTipOfTheButtonUnderTheMouse) {
    ReaderHarness reader;
    reader.open();
    auto* status = reader.find<QLabel>(QStringLiteral("labelStatus"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(ToolButton(reader, 7), &enter);
    EXPECT_EQ(status->text(), QStringLiteral(" Kamus Alkitab "));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(ToolButton(reader, 7), &leave);
    EXPECT_EQ(status->text(), QStringLiteral("Program Vermara  2.0.0 "));
}

TEST(Frame, TextOnlyTwiceGivesTheNormalViewWithEveryRegionChecked) {
    ReaderHarness reader;
    reader.open();
    reader.action(QStringLiteral("menuSettingStatus"))->trigger();
    EXPECT_TRUE(reader.find<QWidget>(QStringLiteral("picStatusBar"))->isHidden());
    QToolButton* toggle = reader.find<QToolButton>(QStringLiteral("Command6"));
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(reader.window->frameViews().textOnly());
    EXPECT_TRUE(reader.find<QWidget>(QStringLiteral("Picture1"))->isHidden());
    EXPECT_FALSE(reader.find<QWidget>(QStringLiteral("RestoreBar"))->isHidden());
    EXPECT_FALSE(reader.action(QStringLiteral("menuSettingToolbar"))->isChecked());
    QTest::keyClick(reader.window, Qt::Key_F11);
    EXPECT_FALSE(reader.window->frameViews().textOnly());
    for (const char* name :
         {"menuSettingToolbar", "menuSettingPencarian", "menuSettingKitab", "menuSettingStatus"})
        EXPECT_TRUE(reader.action(QString::fromUtf8(name))->isChecked()) << name;
    for (const char* name : {"Picture1", "blueBar", "picSearchBar", "picStatusBar", "Frame1"})
        EXPECT_FALSE(reader.find<QWidget>(QString::fromUtf8(name))->isHidden()) << name;
    EXPECT_TRUE(reader.find<QWidget>(QStringLiteral("RestoreBar"))->isHidden());
}

TEST(Frame, FontButtonsStopAtThreeAndListsFollowTheReadingFont) {
    ReaderHarness reader;
    reader.open();
    platform::ReadingLook& font = reader.window->models().look;
    font.setFont(QStringLiteral("Times New Roman"), 4, true);
    QTest::mouseClick(reader.find<QToolButton>(QStringLiteral("bFontDown")), Qt::LeftButton);
    EXPECT_EQ(reader.rtf1()->font().pointSizeF(), 3);
    EXPECT_EQ(reader.rtf2()->font().pointSizeF(), 3);
    QTest::mouseClick(reader.find<QToolButton>(QStringLiteral("bFontDown")), Qt::LeftButton);
    EXPECT_EQ(reader.rtf1()->font().pointSizeF(), 3);

    font.setFont(QStringLiteral("Times New Roman"), 13, false);
    QTest::mouseClick(reader.find<QToolButton>(QStringLiteral("bFontUp")), Qt::LeftButton);
    EXPECT_EQ(reader.rtf1()->font().pointSizeF(), 14);
    EXPECT_EQ(reader.list1()->font().pointSizeF(), 11);
    EXPECT_EQ(reader.list2()->font().pointSizeF(), 11);

    QTest::mouseClick(reader.find<QToolButton>(QStringLiteral("bFontReset")), Qt::LeftButton);
    EXPECT_EQ(reader.rtf1()->font().pointSizeF(), 10);
    EXPECT_FALSE(reader.rtf1()->font().bold());
    EXPECT_EQ(reader.rtf1()->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(reader.list1()->font().pointSizeF(), 10);
}

TEST(Frame, FontDialogPresetsTheReadingFontAndCancelChangesNothing) {
    ReaderHarness reader;
    reader.open();
    reader.dialogs.queueFont(std::nullopt);
    reader.action(QStringLiteral("MenuSettingFont"))->trigger();
    ASSERT_EQ(reader.dialogs.fontRequests().size(), 1);
    EXPECT_EQ(reader.dialogs.fontRequests().front().size, 10);
    EXPECT_EQ(reader.rtf1()->font().pointSizeF(), 10);
    reader.dialogs.queueFont(platform::FontChoice{QStringLiteral("DejaVu Sans"), 16, true, false});
    reader.action(QStringLiteral("MenuSettingFont"))->trigger();
    EXPECT_EQ(reader.rtf1()->font().pointSizeF(), 16);
    EXPECT_TRUE(reader.rtf1()->font().bold());
    EXPECT_EQ(reader.rtf2()->font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(reader.list1()->font().pointSizeF(), 11);
}

TEST(Frame, AStoreThatCannotBeOpenedIsNamedAndTheWindowOpensEmpty) {
    ReaderHarness reader;
    QFile::remove(reader.storePath);
    QFile file(reader.storePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    reader.open();
    ASSERT_EQ(reader.dialogs.messages().size(), 1);
    EXPECT_TRUE(reader.dialogs.messages().front().text.contains(reader.storePath));
    EXPECT_EQ(reader.list1()->count(), 0);
    EXPECT_TRUE(reader.rtf1()->toPlainText().isEmpty());
    reader.action(QStringLiteral("MenuPilihSemua"))->trigger();
    QTest::mouseClick(ToolButton(reader, 1), Qt::LeftButton);
    reader.clickAt(0);
}

TEST(Frame, ACatalogueWithoutAnActiveVersionLeavesTheViewsEmpty) {
    ReaderHarness reader;
    QFile::remove(reader.storePath);
    store::CreateDefaultDB(reader.storePath);
    {
        store::StoreWriter writer(reader.storePath);
        writer.insert(QStringLiteral("UsysVersi"), {{"nr", 1},
                                                    {"NamaVersi", QStringLiteral("Tertutup")},
                                                    {"NamaTabel", QStringLiteral("Kitab1")},
                                                    {"Aktif", 0},
                                                    {"HakCipta", QStringLiteral("(c)")},
                                                    {"Lama", 1},
                                                    {"Baru", 1}});
        writer.insert(QStringLiteral("UsysKitab"), {{"Urutan", 1},
                                                    {"Perjanjian", QStringLiteral("Lama")},
                                                    {"JumlahBuku", 50},
                                                    {"Referensi", QStringLiteral("-")},
                                                    {"Kitab1", QStringLiteral("Kejadian")}});
    }
    reader.open();
    // Nothing can be read: the user is told why instead of facing a blank window.
    ASSERT_EQ(reader.dialogs.messages().size(), 1);
    EXPECT_TRUE(reader.dialogs.messages().front().text.contains(
        QStringLiteral("tidak memiliki versi Alkitab yang dapat ditampilkan")));
    EXPECT_EQ(reader.list1()->count(), 0);
    EXPECT_TRUE(reader.rtf1()->toPlainText().isEmpty());
    EXPECT_FALSE(reader.action(QStringLiteral("VersiKitab1"))->isVisible());
    EXPECT_EQ(reader.window->windowTitle(), QStringLiteral("Vermara 2.0.0 "));
    QTest::mouseClick(reader.option(2), Qt::LeftButton);
    EXPECT_EQ(reader.list1()->count(), 0);
}

namespace {

// Closes the modal dialog a command opens, once it is up.
void RejectNextModal() {
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
}

} // namespace

TEST(Frame, EveryRowOfTheCommandTableIsAnItemInItsMenuAndRaisesItsCommand) {
    ReaderHarness reader;
    reader.open();
    QMap<reader::CommandMenu, QMenu*> menus;
    for (const reader::MenuRow& row : reader::MenuRows())
        menus.insert(row.menu, reader.find<QMenu>(row.name));
    QSignalSpy commands(reader.window, &reader::MainWindow::commandRequested);
    for (const reader::CommandRow& row : reader::CommandRows()) {
        QAction* item = reader.action(row.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item, reader.window->menus().action(row.command)) << row.name.toStdString();
        EXPECT_EQ(item->text(), row.caption);
        EXPECT_EQ(item->isCheckable(), row.checkable) << row.name.toStdString();
        EXPECT_TRUE(menus.value(row.menu)->actions().contains(item)) << row.name.toStdString();
        if (row.command == ReaderCommand::DataLocation)
            RejectNextModal();
        commands.clear();
        item->setEnabled(true); // "MenuTips" is disabled without a tips file
        item->trigger();
        ASSERT_EQ(commands.count(), 1) << row.name.toStdString();
        EXPECT_EQ(commands.front().front().value<ReaderCommand>(), row.command)
            << row.name.toStdString();
    }
    EXPECT_EQ(reader.window->menus().action(ReaderCommand::NormalView)->shortcut(),
              QKeySequence(Qt::Key_F11));
}

TEST(Frame, EveryToolButtonOfTheTableRaisesItsCommand) {
    ReaderHarness reader;
    reader.open();
    QSignalSpy commands(reader.window, &reader::MainWindow::commandRequested);
    for (const reader::ToolButtonRow& row : reader::ToolButtonRows()) {
        commands.clear();
        ToolButton(reader, row.button)->click(); // 11..13 sit in the hidden drop-down panel
        ASSERT_EQ(commands.count(), 1) << row.button;
        EXPECT_EQ(commands.front().front().value<ReaderCommand>(), row.command) << row.button;
    }
}

TEST(Frame, FontDialogStartsOnTheFontReallyDrawnAndOkWithoutAChangeKeepsIt) {
    ReaderHarness reader;
    reader.open();
    const QString missing = QStringLiteral("Huruf Yang Tidak Terpasang");
    reader.window->models().look.setFont(missing, 12, false);
    const QString drawn = QFontInfo(reader.rtf1()->font()).family();
    ASSERT_NE(drawn, missing);
    reader.dialogs.queueFont(platform::FontChoice{drawn, 12, false, false});
    reader.action(QStringLiteral("MenuSettingFont"))->trigger();
    ASSERT_EQ(reader.dialogs.fontRequests().size(), 1);
    EXPECT_EQ(reader.dialogs.fontRequests().front().name, drawn);
    EXPECT_EQ(reader.dialogs.fontRequests().front().size, 12);
    EXPECT_EQ(reader.rtf1()->font().family(), missing);
}
