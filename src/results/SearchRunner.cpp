#include "results/SearchRunner.h"

#include "platform/Dialogs.h"
#include "platform/ProductName.h"
#include "results/Form2.h"
#include "results/Form3.h"
#include "search/SearchedWords.h"

#include <QApplication>
#include <QTime>

namespace results {
namespace {

using Kind = search::SearchOutcome::Kind;

// The hourglass for as long as the search runs, whichever way it ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

SearchRunner::SearchRunner(search::SearchEngine& engine, Form2& results, platform::Dialogs& dialogs)
    : engine_(engine), results_(results), dialogs_(dialogs), progress_(new Form3(stop_)) {}

SearchRunner::~SearchRunner() {
    delete progress_;
}

search::SearchOutcome SearchRunner::CariSemua(const search::SearchRequest& request) {
    return run(
        [&](search::StopToken& stop, const search::ProgressFn& progress) {
            return engine_.CariSemua(request, stop, progress);
        },
        request.optimal, search::SearchedWords(search::Expression(request.text)), request.exact);
}

search::SearchOutcome SearchRunner::CariDeutro(const search::DeuteroRequest& request) {
    return run(
        [&](search::StopToken& stop, const search::ProgressFn& progress) {
            return engine_.CariDeutro(request, stop, progress);
        },
        request.optimal, search::SearchedWords(request.text), request.exact);
}

search::SearchOutcome SearchRunner::run(const EngineCall& call, bool optimal,
                                        const QStringList& words, bool exact) {
    search::SearchOutcome outcome;
    if (running_)
        return outcome;
    running_ = true;
    stop_.clear();
    emit searchStarted();
    {
        WaitCursor hourglass;
        bool shown = false;
        const auto progress = [&](int count, const QString& elapsed) {
            if (!shown) {
                progress_->start(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
                shown = true;
            }
            if (count > 0)
                progress_->setStatus(QString::number(count));
            progress_->setElapsed(elapsed);
            QApplication::processEvents();
        };
        try {
            outcome = call(stop_, progress);
        } catch (const std::exception& error) {
            outcome.kind = Kind::Failed;
            outcome.message = QString::fromUtf8(error.what());
        }
        progress_->hide();
    }
    show(outcome, optimal, words, exact);
    running_ = false;
    emit searchFinished();
    return outcome;
}

void SearchRunner::show(const search::SearchOutcome& outcome, bool optimal,
                        const QStringList& words, bool exact) {
    if (outcome.kind == Kind::Message || outcome.kind == Kind::Failed) {
        tell(outcome.message);
        return;
    }
    results_.loadResults(outcome.file);
    if (outcome.kind == Kind::Finished && optimal)
        results_.AddResultListEntry(outcome.entry);
    results_.showMode(ResultsPage::Cari);
    results_.highlightFound(words, exact);
}

void SearchRunner::tell(const QString& message) {
    dialogs_.message(message, platform::MessageButtons::Ok, platform::MessageIcon::Information,
                     platform::kProductName);
}

} // namespace results
