#include "reader/SearchCommands.h"

#include "reader/AppContext.h"
#include "reader/CommandBox.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "reader/SearchBar.h"
#include "results/Form2.h"
#include "results/SearchRunner.h"
#include "search/SearchEngine.h"
#include "store/Store.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace reader {

SearchCommands::SearchCommands(MainWindow& window, AppContext& context)
    : QObject(&window), window_(window), store_(*context.store), dialogs_(context.dialogs),
      engine_(std::make_unique<search::SearchEngine>(store_, context.tempFolder)) {
    using results::ResultsPage;
    CommandBindings& commands = window.commands();
    commands.bind(ReaderCommand::SearchAll, [this] { CariSemua(); });
    commands.bind(ReaderCommand::ResultsSearch, [this] { showPage(ResultsPage::Cari); });
    commands.bind(ReaderCommand::ResultsClipBook, [this] { showPage(ResultsPage::ClipBook); });
    commands.bind(ReaderCommand::ResultsList, [this] { showPage(ResultsPage::Daftar); });
    QLineEdit* text = window.searchBar().text1();
    // Command text is the command box's, which "Check" runs.
    connect(text, &QLineEdit::returnPressed, this, [this, text] {
        if (!IsCommandText(text->text()))
            CariSemua();
    });
}

SearchCommands::~SearchCommands() = default;

results::Form2& SearchCommands::resultsWindow() {
    runner();
    return *results_;
}

results::SearchRunner& SearchCommands::runner() {
    if (runner_)
        return *runner_;
    results_ = std::make_unique<results::Form2>(dialogs_, window_.models().look);
    runner_ = std::make_unique<results::SearchRunner>(*engine_, *results_, dialogs_);
    connect(runner_.get(), &results::SearchRunner::searchStarted, this,
            [this] { enableSearchBar(false); });
    connect(runner_.get(), &results::SearchRunner::searchFinished, this,
            [this] { enableSearchBar(true); });
    connect(results_.get(), &results::Form2::referenceChosen, this,
            [this](const scripture::LocationKey& key) {
                if (window_.navigator().goToKey(key))
                    window_.bringForward();
            });
    return *runner_;
}

search::SearchRequest SearchCommands::request() const {
    const Navigator& nav = window_.navigator();
    SearchBar& bar = window_.searchBar();
    search::SearchRequest request;
    request.text = bar.text1()->text();
    request.scope = search::Scope(qMax(0, bar.combo2()->currentIndex()));
    request.column = nav.activeColumn();
    request.versionName = nav.activeName();
    // The results file opens with the caption the main window shows for this version.
    request.caption = window_.windowTitle();
    const QStringList books = nav.bookNames();
    if (nav.bookIndex() >= 0 && nav.bookIndex() < books.size())
        request.bookItem = books.at(nav.bookIndex());
    request.bookName = nav.bookName();
    request.oldTestament = nav.oldTestament();
    request.chapterIndex = qMax(0, nav.chapter() - 1);
    if (const auto row = nav.chapterRow())
        request.perjanjian = store_.chapters()[size_t(*row)].perjanjian;
    request.exact = bar.check1()->isChecked();
    request.wholeWords = bar.wholeWords()->isChecked();
    request.fold = bar.fold()->isChecked();
    request.optimal = optimal();
    return request;
}

bool SearchCommands::optimal() const {
    return window_.options().isOn(Option::OptimalSearch);
}

void SearchCommands::CariSemua() {
    results::SearchRunner& search = runner();
    if (!search.running())
        search.CariSemua(request());
}

void SearchCommands::CariDeutro(search::DeuteroRequest request) {
    request.optimal = optimal();
    results::SearchRunner& search = runner();
    if (!search.running())
        search.CariDeutro(request);
}

void SearchCommands::showPage(results::ResultsPage page) {
    resultsWindow().showMode(page);
}

void SearchCommands::enableSearchBar(bool enabled) {
    window_.searchBar().setEnabled(enabled);
}

} // namespace reader
