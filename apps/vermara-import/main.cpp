#include "import/ImportError.h"
#include "import/Importer.h"
#include "import/MarkupAudit.h"
#include "import/PictureMaker.h"
#include "import/StoreAudit.h"
#include "import/SwordLibrary.h"
#include "platform/Folders.h"
#include "platform/QtTranslation.h"
#include "store/Store.h"
#include "store/StoreError.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <optional>

namespace {

using import::BibleSource;
using import::Importer;
using import::ImportOptions;

QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}

QTextStream& Err() {
    static QTextStream err(stderr);
    return err;
}

// "engWEB2015eb=World English Bible": the module and the name the store shows for it.
BibleSource BibleSourceOf(const QString& argument) {
    const qsizetype equals = argument.indexOf(u'=');
    if (equals < 0)
        return {argument.trimmed(), {}};
    return {argument.left(equals).trimmed(), argument.mid(equals + 1).trimmed()};
}

// Installed, the data files lie in data/ beside the program; built, in the source tree.
QString DefaultDataFolder() {
    const QString installed = platform::JoinPath(platform::ProgramFolder(), QStringLiteral("data"));
    return QFileInfo(installed).isDir() ? installed : QStringLiteral(VERMARA_DATA_DIR);
}

ImportOptions OptionsOf(const QCommandLineParser& parser) {
    const QString data = parser.isSet(QStringLiteral("data")) ? parser.value(QStringLiteral("data"))
                                                              : DefaultDataFolder();
    const QString out = parser.value(QStringLiteral("out"));
    const QStringList moduleOptions = {QStringLiteral("bible"), QStringLiteral("deutero"),
                                       QStringLiteral("dictionary"), QStringLiteral("topics"),
                                       QStringLiteral("commentary")};
    if (std::none_of(moduleOptions.begin(), moduleOptions.end(),
                     [&](const QString& name) { return parser.isSet(name); }))
        return import::SampleOptions(data, out);
    ImportOptions options;
    for (const QString& bible : parser.values(QStringLiteral("bible")))
        options.bibles.push_back(BibleSourceOf(bible));
    options.deutero = parser.value(QStringLiteral("deutero"));
    options.dictionary = parser.value(QStringLiteral("dictionary"));
    options.topics = parser.value(QStringLiteral("topics"));
    options.commentary = parser.value(QStringLiteral("commentary"));
    options.dataFolder = data;
    options.outFolder = out;
    return options;
}

void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Membangun VERMARA2000.DAT dari modul SWORD dan berkas data. Tanpa opsi "
                       "modul: database sampel (WEB, KJV, RV1909, Nave, MHCC)."));
    parser.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")},
         QStringLiteral("Menampilkan petunjuk pemakaian ini.")},
        {QStringLiteral("out"), QStringLiteral("Direktori tujuan database."),
         QStringLiteral("DIREKTORI")},
        {QStringLiteral("bible"),
         QStringLiteral("Modul Alkitab, boleh berulang (Kitab1, Kitab2, ...)."),
         QStringLiteral("MODUL[=NAMA]")},
        {QStringLiteral("deutero"), QStringLiteral("Modul deuterokanonika."),
         QStringLiteral("MODUL")},
        {QStringLiteral("dictionary"), QStringLiteral("Modul kamus."), QStringLiteral("MODUL")},
        {QStringLiteral("topics"), QStringLiteral("Modul topik ayat."), QStringLiteral("MODUL")},
        {QStringLiteral("commentary"), QStringLiteral("Modul tafsiran (perikop dan komentar)."),
         QStringLiteral("MODUL")},
        {QStringLiteral("data"), QStringLiteral("Direktori berkas data."),
         QStringLiteral("DIREKTORI")},
        {QStringLiteral("check"),
         QStringLiteral("Memeriksa rujukan, entri kamus dan sisa markup database yang sudah "
                        "ada."),
         QStringLiteral("BERKAS")},
    });
}

void PrintSummary(const import::ImportSummary& summary, qint64 milliseconds) {
    Out() << "Selesai: " << QDir::toNativeSeparators(summary.storePath) << '\n';
    for (const auto& [table, rows] : summary.rows)
        Out() << "  " << table << ": " << rows << " baris\n";
    Out() << "  Kitab dengan referensi silang: " << summary.booksWithReferences << '\n';
    Out() << "  Kitab dengan perikop: " << summary.booksWithPericopes << '\n';
    Out() << QStringLiteral("Ukuran: %1 MB, waktu: %2 detik")
                 .arg(double(summary.bytes) / (1024.0 * 1024.0), 0, 'f', 1)
                 .arg(double(milliseconds) / 1000.0, 0, 'f', 1)
          << '\n';
    Out().flush();
}

// Prints what the check finds in the store at path; the exit code tells whether it is sound.
int CheckStore(const QString& path) {
    try {
        const QStringList findings =
            import::AuditStore(*store::Store::Open(path)) + import::AuditMarkup(path);
        for (const QString& finding : findings)
            Out() << finding << '\n';
        Out() << QStringLiteral("Pemeriksaan %1: %2 temuan")
                     .arg(QDir::toNativeSeparators(path))
                     .arg(findings.size())
              << '\n';
        Out().flush();
        return findings.isEmpty() ? 0 : 1;
    } catch (const store::StoreError& error) {
        Err() << "vermara-import: " << error.message() << '\n';
        return 1;
    }
}

// What the command line asks for: a check of a store, or an import.
struct Request {
    QString check;
    ImportOptions options;
};

// The options are read before the window system is reached, so --help, a wrong option and
// --check need no display; the texts of Qt's own parser are Indonesian too.
std::optional<Request> ParseArguments(int& argc, char** argv, int& exitCode) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vermara-import"));
    platform::InstallIndonesianQtTranslation(app);
    QCommandLineParser parser;
    AddOptions(parser);
    parser.process(app);
    exitCode = 0;
    if (parser.isSet(QStringLiteral("help"))) {
        Out() << parser.helpText();
        Out().flush();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("check")))
        return Request{parser.value(QStringLiteral("check")), {}};
    if (parser.value(QStringLiteral("out")).isEmpty()) {
        Err() << "vermara-import: --out DIREKTORI harus diberikan.\n";
        Err().flush();
        exitCode = 2;
        return std::nullopt;
    }
    return Request{{}, OptionsOf(parser)};
}

int Import(ImportOptions options) {
    options.drawPictures = import::DrawPictures;
    QElapsedTimer timer;
    timer.start();
    try {
        const import::SwordLibrary library;
        Importer importer(library, options, [](const QString& line) {
            Out() << line << '\n';
            Out().flush();
        });
        const import::ImportSummary summary = importer.run();
        PrintSummary(summary, timer.elapsed());
    } catch (const import::ImportError& error) {
        Err() << "vermara-import: " << error.message() << '\n';
        return 1;
    } catch (const store::StoreError& error) {
        Err() << "vermara-import: " << error.message() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    int exitCode = 0;
    const std::optional<Request> request = ParseArguments(argc, argv, exitCode);
    if (!request)
        return exitCode;
    if (!request->check.isEmpty())
        return CheckStore(request->check);
    // The charts are drawn without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vermara-import"));
    return Import(request->options);
}
