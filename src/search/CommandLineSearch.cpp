#include "search/CommandLineSearch.h"

#include "platform/AnsiCodePage.h"
#include "platform/Folders.h"
#include "platform/ProductName.h"
#include "platform/QtTranslation.h"
#include "scripture/BookCatalogue.h"
#include "search/SearchEngine.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "store/StoreError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstring>
#include <optional>

namespace search {
namespace {

const QString kSearch = QStringLiteral("search");
const QString kScope = QStringLiteral("scope");
const QString kBook = QStringLiteral("book");
const QString kChapter = QStringLiteral("chapter");
const QString kExact = QStringLiteral("exact");
const QString kVersion = QStringLiteral("version");
const QString kData = QStringLiteral("data");
const QString kKeep = QStringLiteral("keep");
const QString kWholeWords = QStringLiteral("whole-words");
const QString kFold = QStringLiteral("fold");

// A usage or data problem: the Indonesian text goes to standard error.
struct Refusal {
    QString message;
};

void AddOptions(QCommandLineParser& parser) {
    parser.addOptions(
        {{kSearch, QStringLiteral("Ekspresi pencarian."), QStringLiteral("EXPR")},
         {kScope, QStringLiteral("Lingkup 0 pasal, 1 kitab, 2 perjanjian, 3 Alkitab."),
          QStringLiteral("0-3"), QStringLiteral("3")},
         {kBook, QStringLiteral("Nama kitab."), QStringLiteral("NAME"), QStringLiteral("Kejadian")},
         {kChapter, QStringLiteral("Nomor pasal."), QStringLiteral("N"), QStringLiteral("1")},
         {kExact, QStringLiteral("Kata Tepat.")},
         {kVersion, QStringLiteral("Nomor versi."), QStringLiteral("NR"), QStringLiteral("1")},
         {kData, QStringLiteral("File atau folder data."), QStringLiteral("PATH")},
         {kKeep, QStringLiteral("Simpan file hasil pencarian di folder sementara.")},
         {kWholeWords, QStringLiteral("Kata Utuh.")},
         {kFold, QStringLiteral("Abaikan aksen dan bentuk apostrof.")}});
}

int Number(const QCommandLineParser& parser, const QString& option, int low, int high) {
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < low || value > high)
        throw Refusal{QStringLiteral("Nilai --%1 tidak sah: %2").arg(option, parser.value(option))};
    return value;
}

QString DataPath(const QCommandLineParser& parser, const QString& programFolder) {
    const QString given = parser.isSet(kData) ? parser.value(kData) : programFolder;
    return QFileInfo(given).isDir() ? platform::JoinPath(given, store::kDataFileName) : given;
}

const store::VersionRow& Version(const store::Store& store, int nr) {
    for (const store::VersionRow& row : store.versions()) {
        if (row.nr == nr && row.aktif == 0)
            throw Refusal{QStringLiteral("Versi %1 (%2) tidak aktif di data ini")
                              .arg(QString::number(nr), row.namaVersi)};
        if (row.nr == nr)
            return row;
    }
    throw Refusal{QStringLiteral("Versi %1 tidak ada di data").arg(nr)};
}

// The testament of the chapter the main window would show for that book and chapter.
QString Testament(const store::Store& store, const QString& book, int chapter, bool old) {
    if (const std::optional<int> row = store.findChapter(book, chapter))
        return store.chapters()[size_t(*row)].perjanjian;
    return old ? QStringLiteral("Lama") : QStringLiteral("Baru");
}

SearchRequest Request(const QCommandLineParser& parser, const store::Store& store) {
    const store::VersionRow& version = Version(store, Number(parser, kVersion, 0, 1 << 30));
    const QString book = parser.value(kBook);
    const bool old = scripture::GetBookIndexOT(book) != -1;
    if (!old && scripture::GetBookIndexNT(book) == -1)
        throw Refusal{QStringLiteral("Kitab tidak dikenal: ") + book};
    const int chapter = Number(parser, kChapter, 1, 150);
    const store::BookRow* row = store.findBook(book);
    SearchRequest request;
    request.text = parser.value(kSearch);
    request.scope = Scope(Number(parser, kScope, 0, 3));
    request.column = version.namaTabel;
    request.versionName = version.namaVersi;
    request.caption = platform::MainWindowCaption(version.hakCipta);
    request.bookItem =
        row && !row->name(version.namaTabel).isEmpty() ? row->name(version.namaTabel) : book;
    request.bookName = book;
    request.oldTestament = old;
    request.chapterIndex = chapter - 1;
    request.perjanjian = Testament(store, book, chapter, old);
    request.exact = parser.isSet(kExact);
    request.wholeWords = parser.isSet(kWholeWords);
    request.fold = parser.isSet(kFold);
    return request;
}

// The user's own temporary folder. A run that keeps nothing writes into a folder of its own
// there, which goes with the results file and its stamp when the run ends: the reader's file
// of the same search stays as it was.
QString ResultsFolder(bool keep, std::optional<QTemporaryDir>& scratch) {
    const QString folder = platform::PrivateTempFolder(platform::GetTempFolder());
    if (folder.isEmpty())
        throw Refusal{QStringLiteral("Folder sementara tidak dapat dibuat di ") +
                      platform::GetTempFolder()};
    if (keep)
        return folder;
    scratch.emplace(platform::JoinPath(folder, QStringLiteral("cari-XXXXXX")));
    if (!scratch->isValid())
        throw Refusal{QStringLiteral("Folder sementara tidak dapat dibuat di ") + folder};
    return scratch->path();
}

int Search(const QCommandLineParser& parser, QTextStream& out, const QString& programFolder) {
    std::unique_ptr<store::Store> store;
    try {
        store = store::Store::Open(DataPath(parser, programFolder));
    } catch (const store::StoreError& error) {
        throw Refusal{error.message()};
    }
    std::optional<QTemporaryDir> scratch;
    SearchEngine engine(*store, ResultsFolder(parser.isSet(kKeep), scratch));
    StopToken stop;
    const SearchOutcome outcome = engine.CariSemua(Request(parser, *store), stop);
    if (outcome.kind == SearchOutcome::Kind::Message || outcome.kind == SearchOutcome::Kind::Failed)
        throw Refusal{outcome.message};
    out << platform::ReadTextFile(outcome.file);
    return 0;
}

} // namespace

bool IsCommandLineSearch(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--search") == 0 || std::strncmp(argv[k], "--search=", 9) == 0)
            return true;
    }
    return false;
}

int RunCommandLineSearch(int argc, char** argv) {
    QCoreApplication core(argc, argv);
    platform::InstallIndonesianQtTranslation(core);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return CommandLineSearch(QCoreApplication::arguments(), out, err, platform::ProgramFolder());
}

int CommandLineSearch(const QStringList& args, QTextStream& out, QTextStream& err,
                      const QString& programFolder) {
    QCommandLineParser parser;
    AddOptions(parser);
    try {
        if (!parser.parse(args))
            throw Refusal{parser.errorText()};
        if (!parser.isSet(kSearch))
            throw Refusal{QStringLiteral("Ekspresi pencarian tidak diberikan (--search)")};
        return Search(parser, out, programFolder);
    } catch (const Refusal& refusal) {
        err << refusal.message << Qt::endl;
        return 2;
    }
}

} // namespace search
