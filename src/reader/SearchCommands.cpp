#include "reader/SearchCommands.h"

#include "platform/Folders.h"
#include "reader/CommandBox.h"
#include "reader/MainMenus.h"
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

SearchCommands::SearchCommands(MainWindow& window, const store::Store& store,
                               platform::Dialogs& dialogs)
    : QObject(&window), window_(window), store_(store), dialogs_(dialogs),
      engine_(std::make_unique<search::SearchEngine>(store, platform::GetTempFolder())) {
    connect(&window, &MainWindow::commandRequested, this, &SearchCommands::answer);
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
    results_ = std::make_unique<results::Form2>(dialogs_);
    runner_ = std::make_unique<results::SearchRunner>(*engine_, *results_, dialogs_);
    connect(runner_.get(), &results::SearchRunner::searchStarted, this,
            [this] { enableSearchBar(false); });
    connect(runner_.get(), &results::SearchRunner::searchFinished, this,
            [this] { enableSearchBar(true); });
    connect(results_.get(), &results::Form2::referenceChosen, &window_.navigator(),
            &Navigator::goToKey);
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
    request.optimal = optimal();
    return request;
}

bool SearchCommands::optimal() const {
    return window_.menus().action(ReaderCommand::OptimalSearch)->isChecked();
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

void SearchCommands::answer(ReaderCommand command) {
    switch (command) {
    case ReaderCommand::SearchAll:
        CariSemua();
        break;
    case ReaderCommand::ResultsSearch:
        resultsWindow().showMode(QStringLiteral("cari"));
        break;
    case ReaderCommand::ResultsClipBook:
        resultsWindow().showMode(QStringLiteral("clipbook"));
        break;
    case ReaderCommand::ResultsList:
        resultsWindow().showMode(QStringLiteral("daftar"));
        break;
    default:
        break;
    }
}

void SearchCommands::enableSearchBar(bool enabled) {
    window_.searchBar().setEnabled(enabled);
}

} // namespace reader
