#include "reader/SearchCommands.h"

#include "ReaderHarness.h"
#include "reader/SearchBar.h"
#include "results/Form2.h"

#include <QCheckBox>
#include <QLineEdit>

using reader::SearchCommands;

namespace {

struct SearchHarness : ReaderHarness {
    SearchHarness() {
        open();
        search = app->search();
    }
    QLineEdit* text1() const { return find<QLineEdit>(QStringLiteral("Text1")); }
    QComboBox* combo2() const { return find<QComboBox>(QStringLiteral("Combo2")); }
    void typeAndEnter(const QString& text) {
        text1()->clear();
        QTest::keyClicks(text1(), text);
        QTest::keyClick(text1(), Qt::Key_Return);
    }
    SearchCommands* search;
};

} // namespace

TEST(SearchCommands, EnterSearchesTheWholeBibleAndShowsTheResults) {
    SearchHarness h;
    h.combo2()->setCurrentIndex(3);
    h.typeAndEnter(QStringLiteral("berbahagialah"));
    EXPECT_TRUE(h.dialogs.messages().isEmpty());
    results::Form2& results = h.search->resultsWindow();
    EXPECT_TRUE(results.isVisible());
    EXPECT_EQ(results.mode(), results::ResultsPage::Cari);
    const QString shown = results.rt1()->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral("Pencarian di seluruh Alkitab")))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("5:3 \"Berbahagialah"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("5:6 Berbahagialah"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("5:44"))) << shown.toStdString();
    EXPECT_TRUE(h.window->searchBar().isEnabled());
}

TEST(SearchCommands, CommandTextAndShortTextsDoNotSearch) {
    SearchHarness h;
    // Command text is run by the find button ("Check"), never searched.
    h.typeAndEnter(QStringLiteral("\\\\ data "));
    EXPECT_FALSE(h.search->resultsWindow().isVisible());
    ASSERT_EQ(h.dialogs.messages().size(), 1);
    EXPECT_TRUE(h.dialogs.messages()[0].text.startsWith(QStringLiteral("Data yang sedang")));
    h.typeAndEnter(QStringLiteral("ab"));
    ASSERT_EQ(h.dialogs.messages().size(), 2);
    EXPECT_EQ(h.dialogs.messages()[1].text, QStringLiteral("Kata yang dicari terlalu pendek"));
    EXPECT_FALSE(h.search->resultsWindow().isVisible());
}

TEST(SearchCommands, TheRequestFollowsTheNavigatorAndTheSearchBar) {
    SearchHarness h;
    h.showNewTestament(0, 2);
    h.combo2()->setCurrentIndex(0);
    h.find<QCheckBox>(QStringLiteral("Check1"))->setChecked(true);
    QTest::keyClicks(h.text1(), QStringLiteral("kasih"));
    const search::SearchRequest request = h.search->request();
    EXPECT_EQ(request.text, QStringLiteral("kasih"));
    EXPECT_EQ(request.scope, search::Scope::Chapter);
    EXPECT_EQ(request.bookName, h.window->navigator().bookName());
    EXPECT_EQ(request.chapterIndex, 1);
    EXPECT_FALSE(request.oldTestament);
    EXPECT_TRUE(request.exact);
    EXPECT_EQ(request.column, h.window->navigator().activeColumn());
    EXPECT_TRUE(request.caption.startsWith(QStringLiteral("Vermara 2.0.0 - ")));
}

// Each scope the user picks by its text in the box is the scope searched.
TEST(SearchCommands, EachScopeItemOfTheBoxSearchesItsScope) {
    SearchHarness h;
    const std::vector<std::pair<QString, search::Scope>> items{
        {QStringLiteral("Cari di Pasal aktif"), search::Scope::Chapter},
        {QStringLiteral("Cari di Kitab aktif"), search::Scope::Book},
        {QStringLiteral("Cari di Perjanjian aktif"), search::Scope::Testament},
        {QStringLiteral("Pencarian di Seluruh Alkitab"), search::Scope::WholeBible}};
    ASSERT_EQ(h.combo2()->count(), int(items.size()));
    for (const auto& [text, scope] : items) {
        const int index = h.combo2()->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        h.combo2()->setCurrentIndex(index);
        EXPECT_EQ(h.search->request().scope, scope) << text.toStdString();
    }
}

TEST(SearchCommands, AVerseChosenInTheResultsMovesTheNavigator) {
    SearchHarness h;
    emit h.search->resultsWindow().referenceChosen({QStringLiteral("Matius"), 5, 44});
    EXPECT_EQ(h.window->navigator().bookName(), QStringLiteral("Matius"));
    EXPECT_EQ(h.window->navigator().chapter(), 5);
}
