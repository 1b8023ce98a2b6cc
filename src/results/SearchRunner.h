#pragma once

#include "search/SearchEngine.h"

#include <QObject>

namespace platform {
class Dialogs;
}

namespace results {

class Form2;
class Form3;

// "Cari Semua" with its windows: messages through the dialogs, the hourglass, the progress
// window while the engine runs, then the results window on page "Hasil Pencarian".
class SearchRunner : public QObject {
    Q_OBJECT
public:
    SearchRunner(search::SearchEngine& engine, Form2& results, platform::Dialogs& dialogs);
    ~SearchRunner() override;

    search::SearchOutcome CariSemua(const search::SearchRequest& request);
    search::SearchOutcome CariDeutro(const search::DeuteroRequest& request);

    bool running() const { return running_; }
    Form3& progressWindow() const { return *progress_; }

signals:
    // The search bar is disabled between these two, the only guard against a second search.
    void searchStarted();
    void searchFinished();

private:
    using EngineCall =
        std::function<search::SearchOutcome(search::StopToken&, const search::ProgressFn&)>;
    // words: what the results window marks once it shows the results.
    search::SearchOutcome run(const EngineCall& call, bool optimal, const QStringList& words,
                              bool exact);
    void show(const search::SearchOutcome& outcome, bool optimal, const QStringList& words,
              bool exact);
    void tell(const QString& message);

    search::SearchEngine& engine_;
    Form2& results_;
    platform::Dialogs& dialogs_;
    search::StopToken stop_;
    Form3* progress_;
    bool running_ = false;
};

} // namespace results
