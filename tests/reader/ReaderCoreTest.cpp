#include "platform/FontRules.h"
#include "platform/ProductName.h"
#include "reader/CommandTable.h"
#include "reader/ReaderTexts.h"
#include "reader/VersionTable.h"

#include <QSet>
#include <gtest/gtest.h>
#include <set>

using namespace reader;
using platform::ListFontSize;
using platform::SmallerFontSize;

TEST(ReaderTexts, TitleHasTwoBlanksAndTheToolTipIsFramedByBlanks) {
    EXPECT_EQ(ChapterTitle(QStringLiteral("Matius"), 5), QStringLiteral("Matius  5"));
    EXPECT_EQ(ChapterToolTip(QStringLiteral("Matius"), 5), QStringLiteral(" Matius  5 "));
    EXPECT_EQ(NumberItem(12), QStringLiteral(" 12"));
    EXPECT_EQ(NumberItem(-1), QStringLiteral("-1"));
}

TEST(ReaderTexts, WindowAndStatusCarryTheVersionText) {
    EXPECT_EQ(platform::VersionText(), QStringLiteral(" 2.0.0 "));
    EXPECT_EQ(platform::MainWindowCaption(QStringLiteral("(c) LAI 1974")),
              QStringLiteral("Vermara 2.0.0 - (c) LAI 1974"));
    EXPECT_EQ(IdleStatusText(), QStringLiteral("Program Vermara  2.0.0 "));
    EXPECT_EQ(ParallelToolTip(QStringLiteral("Alkitab Kabar Baik")),
              QStringLiteral(" Alkitab Kabar Baik "));
}

TEST(ReaderTexts, SecondMenuColumnStartsAfterTheLargerHalf) {
    EXPECT_EQ(SecondColumnStart(0), 0);
    EXPECT_EQ(SecondColumnStart(3), 2);
    EXPECT_EQ(SecondColumnStart(4), 2);
    EXPECT_EQ(SecondColumnStart(7), 4);
}

TEST(ReaderTexts, TwipsBecomePixelsAtTheScreenResolution) {
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(765, 96), 51);
    EXPECT_EQ(TwipsToPixels(2295, 192), 306);
    EXPECT_EQ(TwipsToPixels(40, 96), 3);
}

TEST(FontRules, ListsStayAtElevenPointsBesideALargeReadingFont) {
    EXPECT_EQ(ListFontSize(14), 11);
    EXPECT_EQ(ListFontSize(12.5), 11);
    EXPECT_EQ(ListFontSize(12), 12);
    EXPECT_EQ(ListFontSize(8), 8);
}

TEST(FontRules, FontDownStopsAtThree) {
    EXPECT_EQ(SmallerFontSize(10), 9);
    EXPECT_EQ(SmallerFontSize(4), 3);
    EXPECT_FALSE(SmallerFontSize(3).has_value());
    EXPECT_FALSE(SmallerFontSize(3.5).has_value());
}

namespace {

store::VersionRow Row(qint32 nr, const char* name, const char* column, qint32 aktif, qint16 lama) {
    store::VersionRow row;
    row.nr = nr;
    row.namaVersi = QString::fromUtf8(name);
    row.namaTabel = QString::fromUtf8(column);
    row.aktif = aktif;
    row.lama = lama;
    row.baru = 1;
    row.hakCipta = QStringLiteral("(c) ") + row.namaVersi;
    return row;
}

} // namespace

TEST(VersionTable, EntriesFollowCatalogueOrderAndInactiveRowsKeepTheirNumber) {
    const VersionTable table({Row(1, "Versi Lama", "Kitab1", 0, 1), Row(4, "TB", "Kitab2", 1, 1),
                              Row(7, "PB", "Kitab3", 1, 0)});
    ASSERT_EQ(table.count(), 3);
    EXPECT_FALSE(table.at(1).active);
    EXPECT_EQ(table.at(2).column, QStringLiteral("Kitab2"));
    EXPECT_EQ(table.at(3).notice, QStringLiteral("(c) PB"));
    EXPECT_EQ(table.entryOfNr(7), 3);
    EXPECT_EQ(table.entryOfNr(2), 0);
    EXPECT_EQ(table.nrOfEntry(2), 4);
    EXPECT_EQ(table.nrOfEntry(9), 0);
}

TEST(VersionTable, OnlyLeavingTheShownOldTestamentAsks) {
    const VersionTable table({Row(1, "TB", "Kitab1", 1, 1), Row(2, "PB", "Kitab2", 1, 0)});
    EXPECT_TRUE(table.needsTestamentQuestion(2, true));
    EXPECT_FALSE(table.needsTestamentQuestion(2, false));
    EXPECT_FALSE(table.needsTestamentQuestion(1, true));
    EXPECT_FALSE(table.hasOldTestament(2));
    EXPECT_FALSE(table.hasOldTestament(5));
}

TEST(ModuleMarks, SwitchedOffModulesMarkTheirToolButtonsOnly) {
    std::array<bool, store::kModuleCount> on;
    on.fill(true);
    on[3] = false; // Peta: tool button 6
    on[6] = false; // Commentary: no button
    const auto marks = ModuleMarks(on);
    for (int k = 0; k < kMarkedButtons; ++k)
        EXPECT_EQ(marks[std::size_t(k)], k == 5 ? kUnavailableMark : QString()) << k;
    on.fill(false);
    const auto allOff = ModuleMarks(on);
    for (int button = 2; button <= 8; ++button)
        EXPECT_EQ(allOff[std::size_t(button - 1)], QStringLiteral("_NON_AKTIF"));
    EXPECT_TRUE(allOff[0].isEmpty());
    EXPECT_TRUE(allOff[8].isEmpty());
    EXPECT_TRUE(allOff[9].isEmpty());
}

// A command hangs on one module wherever it is offered: the switch that hides its menu item
// (or the item's whole menu) is the one that marks its tool button.
TEST(CommandTable, AToolButtonAndTheMenuItemOfItsCommandHangOnTheSameModule) {
    for (const ToolButtonRow& button : ToolButtonRows()) {
        SCOPED_TRACE(button.button);
        const CommandRow* item = FindCommandRow(button.command);
        ASSERT_NE(item, nullptr);
        QString module = item->module;
        for (const MenuRow& menu : MenuRows()) {
            if (menu.menu == item->menu && module.isEmpty())
                module = menu.module;
        }
        EXPECT_EQ(button.module, module);
    }
}

TEST(CommandTable, NamesAreUniqueAndEveryModuleSwitchHidesAnItem) {
    QSet<QString> names;
    QSet<QString> modules;
    std::set<ReaderCommand> commands;
    for (const CommandRow& row : CommandRows()) {
        EXPECT_FALSE(names.contains(row.name)) << row.name.toStdString();
        EXPECT_EQ(commands.count(row.command), 0u) << row.name.toStdString();
        EXPECT_FALSE(row.caption.isEmpty()) << row.name.toStdString();
        names.insert(row.name);
        commands.insert(row.command);
        modules.insert(row.module);
    }
    for (const MenuRow& row : MenuRows())
        modules.insert(row.module);
    modules.remove(QString());
    // A misspelt module would hide its item in every store.
    for (const QString& module : modules)
        EXPECT_TRUE(store::ModuleNames().contains(module)) << module.toStdString();
    EXPECT_EQ(modules.size(), store::kModuleCount);
    for (const ToolButtonRow& row : ToolButtonRows()) {
        EXPECT_TRUE(row.module.isEmpty() || modules.contains(row.module)) << row.button;
        EXPECT_NE(row.button, kResultsButton);
    }
    EXPECT_EQ(FindToolButtonRow(kResultsButton), nullptr);
    EXPECT_EQ(FindToolButtonRow(13)->command, ReaderCommand::ResultsSearch);
    EXPECT_EQ(FindCommandRow(ReaderCommand::NormalView)->shortcut, QStringLiteral("F11"));
}
