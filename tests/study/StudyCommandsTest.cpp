#include "study/StudyCommands.h"

#include "../reader/ReaderHarness.h"
#include "reader/MainMenus.h"
#include "reader/SearchCommands.h"
#include "results/Form2.h"
#include "study/DeuteroWindow.h"
#include "study/ParablesWindow.h"
#include "study/StudyWindows.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The reader's window with its search and study commands, as the program puts them together.
struct StudyReader : ReaderHarness {
    StudyReader() {
        open();
        search = std::make_unique<reader::SearchCommands>(*window, *context.store, dialogs);
        windows = std::make_unique<study::StudyWindows>(study::StudyContext{
            *context.store, dialogs, context.dataFolder, context.programFolder, {}, nullptr});
        commands = std::make_unique<study::StudyCommands>(*window, *windows, *search);
    }
    std::unique_ptr<reader::SearchCommands> search;
    std::unique_ptr<study::StudyWindows> windows;
    std::unique_ptr<study::StudyCommands> commands;
};

} // namespace

TEST(StudyCommands, MenuItemsOpenTheirWindowsOnce) {
    StudyReader h;
    h.window->menus().action(reader::ReaderCommand::Parables)->trigger();
    study::ParablesWindow& parables = h.windows->parables();
    EXPECT_TRUE(parables.isVisible());
    parables.hide();
    h.window->menus().action(reader::ReaderCommand::Parables)->trigger();
    EXPECT_EQ(&h.windows->parables(), &parables);
    EXPECT_TRUE(parables.isVisible());
}

TEST(StudyCommands, TheDeuterocanonSearchShowsItsResultsInTheResultsWindow) {
    StudyReader h;
    h.window->menus().action(reader::ReaderCommand::Deutero1)->trigger();
    study::DeuteroWindow& deutero = h.windows->deutero();
    ASSERT_TRUE(deutero.isVisible());
    auto* text = deutero.findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(text, nullptr);
    QTest::keyClicks(text, QStringLiteral("Tobit"));
    QTest::mouseClick(deutero.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_TRUE(h.dialogs.messages().isEmpty());
    results::Form2& results = h.search->resultsWindow();
    EXPECT_TRUE(results.isVisible());
    EXPECT_TRUE(results.rt1()->toPlainText().contains(QStringLiteral("Deuterokanonika")))
        << results.rt1()->toPlainText().toStdString();
}
