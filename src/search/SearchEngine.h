#pragma once

#include "search/ChapterTexts.h"
#include "search/LineMatch.h"
#include "search/ResultsFile.h"
#include "search/ResultsStamp.h"
#include "search/SearchKeys.h"
#include "search/StopToken.h"

#include <QStringList>
#include <functional>

namespace store {
class Store;
}

namespace search {

// Called about every 20 ms of searching with the verses found so far and the elapsed time
// (hh:mm:ss); the window processes pending events here, so a stop request can arrive.
using ProgressFn = std::function<void(int count, const QString& elapsed)>;

struct SearchOutcome {
    enum class Kind {
        Message,  // refused or nothing found: message says why, no file
        Reused,   // "Pencarian Optimal" found this search's finished file
        Finished, // file written; entry is its results-list entry
        Stopped,  // file written with the stop marks
        Failed    // the file could not be written; message names it
    };
    Kind kind = Kind::Message;
    QString message;
    QString file;
    int count = 0;
    QString elapsed;
    ResultListEntry entry;
};

// "Cari Semua" over the canonical books and the deuterocanon search. Results files go to the
// folder the caller gives (the reader gives one of the user's own) and are written whole
// before anything sees them; "Pencarian Optimal" reuses only those stamped for this store as
// it was when the engine was made. An empty folder name is no folder: searches then fail.
class SearchEngine {
public:
    SearchEngine(const store::Store& store, QString tempFolder);

    SearchOutcome CariSemua(const SearchRequest& request, StopToken& stop,
                            const ProgressFn& progress = {});
    SearchOutcome CariDeutro(const DeuteroRequest& request, StopToken& stop,
                             const ProgressFn& progress = {});

    // Reads a version column's texts now (at idle after start-up or a version change), so the
    // first search of that version needs no store access.
    void prepare(const QString& column) { texts_.column(column); }

    // Every results file completed since the engine was made, stopped ones included.
    const QStringList& ListTempFiles() const { return listTempFiles_; }
    const QString& tempFolder() const { return tempFolder_; }

private:
    struct Candidate {
        QString reference;
        QString text;   // shares the cached text, no copy
        QString folded; // FoldCase of text (and FoldAccents with the fold option), likewise
    };
    struct Job {
        QString text;       // as typed
        QString expression; // as parsed
        QStringList header;
        QString file;
        bool exact = false;
        bool optimal = false;
        MatchOptions options;
    };
    using CandidateFn = std::function<std::vector<Candidate>(const QStringList& folded)>;

    SearchOutcome run(const Job& job, const CandidateFn& candidates, StopToken& stop,
                      const ProgressFn& progress);
    std::vector<Candidate> chapterCandidates(const SearchRequest& request,
                                             const QStringList& folded);
    std::vector<Candidate> deuteroCandidates(const DeuteroRequest& request,
                                             const QStringList& folded);

    const store::Store& store_;
    QString tempFolder_;
    ResultsStamp stamp_;
    ChapterTexts texts_;
    QStringList listTempFiles_;
};

} // namespace search
