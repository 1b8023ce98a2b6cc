#pragma once

#include "reader/ReaderCommand.h"
#include "search/SearchKeys.h"

#include <QObject>
#include <memory>

namespace platform {
class Dialogs;
}
namespace results {
enum class ResultsPage;
class Form2;
class SearchRunner;
} // namespace results
namespace search {
class SearchEngine;
}
namespace store {
class Store;
}

namespace reader {

struct AppContext;
class MainWindow;

// "Cari Semua" of the main window and the results window's pages: the engine and the windows
// live here, the search reads the position from the navigator, and a verse chosen in the
// results moves the navigator, never a list.
class SearchCommands : public QObject {
    Q_OBJECT
public:
    SearchCommands(MainWindow& window, AppContext& context);
    ~SearchCommands() override;

    // The results window, made on first use so that start-up does not pay for it.
    results::Form2& resultsWindow();
    // The search bar and the reading position as the engine takes them.
    search::SearchRequest request() const;
    void CariSemua();
    // The deuterocanon reader's search, with "Pencarian Optimal" as the menu holds it.
    void CariDeutro(search::DeuteroRequest request);

private:
    results::SearchRunner& runner();
    bool optimal() const;
    void showPage(results::ResultsPage page);
    void enableSearchBar(bool enabled);

    MainWindow& window_;
    const store::Store& store_;
    platform::Dialogs& dialogs_;
    std::unique_ptr<search::SearchEngine> engine_;
    std::unique_ptr<results::Form2> results_;
    std::unique_ptr<results::SearchRunner> runner_;
};

} // namespace reader
