#include "search/SearchEngine.h"

#include "platform/AnsiCodePage.h"
#include "search/LineMatch.h"
#include "search/ParseQuery.h"
#include "store/Store.h"

#include <QElapsedTimer>

namespace search {
namespace {

// Often enough for the stop button and the progress window, rare enough that a search is
// bound by the text and not by repaints.
constexpr qint64 kYieldMilliseconds = 20;

SearchOutcome Outcome(SearchOutcome::Kind kind, const QString& message, const QString& file = {}) {
    SearchOutcome outcome;
    outcome.kind = kind;
    outcome.message = message;
    outcome.file = file;
    return outcome;
}

SearchOutcome Message(const QString& text) {
    return Outcome(SearchOutcome::Kind::Message, text);
}

bool SameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The candidate stage compares without regard to case, whatever "Kata Tepat" says: the
// chapters are the same ones a case-blind LIKE on each alternative of word list 1 finds.
QStringList CandidateWords(const QString& wordList1, bool fold) {
    QStringList words = UndoubleApostrophes(wordList1).split(u'&');
    for (QString& word : words)
        word = fold ? FoldAccents(FoldCase(word)) : FoldCase(word);
    return words;
}

bool ContainsAny(const QString& folded, const QStringList& words) {
    for (const QString& word : words) {
        if (ContainsText(folded, word))
            return true;
    }
    return false;
}

bool InScope(const store::ChapterRow& row, const SearchRequest& request) {
    switch (request.scope) {
    case Scope::Chapter:
        return SameText(row.buku, request.bookName) && row.bab == request.chapterIndex + 1;
    case Scope::Book:
        return SameText(row.buku, request.bookName);
    case Scope::Testament:
        return SameText(row.perjanjian, request.perjanjian);
    case Scope::WholeBible:
        break;
    }
    return true;
}

QString DeuteroText(const store::DeuteroRow& row, int version) {
    return version == 1 ? row.kitab1 : version == 2 ? row.kitab2 : row.kitab3;
}

QString DeuteroBook(const store::DeuteroRow& row, int version) {
    return version == 1 ? row.buku1 : version == 2 ? row.buku2 : row.buku3;
}

// Calls take(line, folded) for each line of the text (as split at every CR LF, empty ones
// kept) and the same stretch of its lower case, which has the same length.
template <typename Take> void ForEachLine(QStringView text, QStringView folded, Take take) {
    qsizetype start = 0;
    for (qsizetype k = 0; k + 1 < text.size(); ++k) {
        if (text[k] == u'\r' && text[k + 1] == u'\n') {
            take(text.sliced(start, k - start), folded.sliced(start, k - start));
            start = ++k + 1;
        }
    }
    take(text.sliced(start), folded.sliced(start));
}

QString SummaryLines(const QStringList& lines) {
    return lines.join(u'\n');
}

} // namespace

SearchEngine::SearchEngine(const store::Store& store, QString tempFolder)
    : store_(store), tempFolder_(std::move(tempFolder)), stamp_(store.path()), texts_(store) {}

SearchOutcome SearchEngine::CariSemua(const SearchRequest& request, StopToken& stop,
                                      const ProgressFn& progress) {
    const Job job{request.text,
                  Expression(request.text),
                  HeaderLines(request),
                  ResultFileName(tempFolder_, SearchKey(request)),
                  request.exact,
                  request.optimal,
                  {request.wholeWords, request.fold}};
    SearchOutcome outcome = run(
        job, [&](const QStringList& words) { return chapterCandidates(request, words); }, stop,
        progress);
    const QString scope = ScopeDescription(request);
    outcome.entry.title = request.text + QStringLiteral(" (") + request.versionName + scope + u')';
    outcome.entry.file = outcome.file;
    outcome.entry.summary = SummaryLines(
        {request.versionName, QStringLiteral("-- Sintaks pencarian : ") + request.text, scope,
         QStringLiteral("-- Ditemukan : ") + QString::number(outcome.count) +
             QStringLiteral(" ayat"),
         QStringLiteral("-- Waktu pencarian : ") + outcome.elapsed});
    return outcome;
}

SearchOutcome SearchEngine::CariDeutro(const DeuteroRequest& request, StopToken& stop,
                                       const ProgressFn& progress) {
    // The expression is used as received: with no statement text built from it, an
    // apostrophe is simply searched for.
    const Job job{request.text,
                  request.text,
                  DeuteroHeaderLines(request),
                  ResultFileName(tempFolder_, DeuteroKey(request)),
                  request.exact,
                  request.optimal,
                  {}};
    SearchOutcome outcome = run(
        job, [&](const QStringList& words) { return deuteroCandidates(request, words); }, stop,
        progress);
    outcome.entry.title = request.text + QStringLiteral(" (") + request.versionLabel + u')';
    outcome.entry.file = outcome.file;
    outcome.entry.summary =
        SummaryLines({QStringLiteral("-- Sintaks pencarian : ") + request.text,
                      QStringLiteral("-- Pencarian di seluruh Kitab Deuterokanonika "),
                      QStringLiteral("-- Ditemukan : ") + QString::number(outcome.count) +
                          QStringLiteral(" ayat"),
                      QStringLiteral("-- Waktu pencarian : ") + outcome.elapsed});
    return outcome;
}

std::vector<SearchEngine::Candidate> SearchEngine::chapterCandidates(const SearchRequest& request,
                                                                     const QStringList& words) {
    const std::vector<ChapterTexts::Text>& texts = texts_.column(request.column);
    const std::vector<QString>* plain =
        request.fold ? &texts_.withoutAccents(request.column) : nullptr;
    const std::vector<store::ChapterRow>& rows = store_.chapters();
    std::vector<Candidate> found;
    for (size_t index = 0; index < rows.size() && index < texts.size(); ++index) {
        const store::ChapterRow& row = rows[index];
        const ChapterTexts::Text& text = texts[index];
        const QString& folded = plain ? (*plain)[index] : text.folded;
        if (!text.text.isNull() && InScope(row, request) && ContainsAny(folded, words))
            found.push_back({row.buku + u' ' + QString::number(row.bab), text.text, folded});
    }
    return found;
}

std::vector<SearchEngine::Candidate> SearchEngine::deuteroCandidates(const DeuteroRequest& request,
                                                                     const QStringList& words) {
    std::vector<Candidate> found;
    for (const store::DeuteroRow& row : store_.deuterocanon()) {
        const QString text = DeuteroText(row, request.version);
        if (text.isNull())
            continue;
        QString folded = FoldCase(text);
        if (ContainsAny(folded, words))
            found.push_back({DeuteroBook(row, request.version) + u' ' + QString::number(row.bab),
                             text, std::move(folded)});
    }
    return found;
}

SearchOutcome SearchEngine::run(const Job& job, const CandidateFn& findCandidates, StopToken& stop,
                                const ProgressFn& progress) {
    if (job.text.size() < 3)
        return Message(QStringLiteral("Kata yang dicari terlalu pendek"));
    if (tempFolder_.isEmpty())
        return Outcome(SearchOutcome::Kind::Failed,
                       QStringLiteral("Tidak ada folder yang aman untuk file hasil pencarian"));
    if (job.optimal && IsReusableResultsFile(job.file, job.header) && stamp_.matches(job.file))
        return Outcome(SearchOutcome::Kind::Reused, {}, job.file);
    ParseQuery query;
    query.Query(job.expression);
    if (query.WordList1().isEmpty())
        return Message(QStringLiteral("Lihat panduan untuk penggunaan syntax pencarian"));
    const std::vector<Candidate> candidates =
        findCandidates(CandidateWords(query.WordList1(), job.options.fold));
    if (candidates.empty())
        return Message(QStringLiteral("Kata tidak ditemukan"));

    const LineFilter filter(query, job.exact, job.options);
    // Only a request made while this search runs may stop it.
    stop.clear();
    QElapsedTimer clock;
    clock.start();
    qint64 lastYield = 0;
    ResultRecords records;
    const auto report = [&] {
        if (progress)
            progress(records.count(), ElapsedText(clock.elapsed()));
        lastYield = clock.elapsed();
    };
    report();
    bool stopped = false;
    for (const Candidate& candidate : candidates) {
        if (clock.elapsed() - lastYield >= kYieldMilliseconds)
            report();
        if (stop.take()) {
            stopped = true;
            break;
        }
        ForEachLine(candidate.text, candidate.folded, [&](QStringView line, QStringView folded) {
            if (filter.accepts(line, folded))
                records.add(candidate.reference, line);
        });
    }
    report();

    SearchOutcome outcome;
    outcome.file = job.file;
    outcome.count = records.count();
    outcome.elapsed = ElapsedText(clock.elapsed());
    const QString text = ComposeResultsFile(job.header, records, outcome.elapsed, stopped);
    if (!platform::WriteScratchFile(job.file, text)) {
        outcome.kind = SearchOutcome::Kind::Failed;
        outcome.message = QStringLiteral("File hasil pencarian tidak dapat ditulis: ") + job.file;
        return outcome;
    }
    // Without its stamp the file is only not reused; the search itself is done.
    stamp_.write(job.file, text);
    listTempFiles_.append(job.file);
    outcome.kind = stopped ? SearchOutcome::Kind::Stopped : SearchOutcome::Kind::Finished;
    return outcome;
}

} // namespace search
