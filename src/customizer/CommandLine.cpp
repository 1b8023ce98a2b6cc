#include "customizer/CommandLine.h"

#include "customizer/ChoiceLists.h"
#include "customizer/ConsoleDialogs.h"
#include "customizer/CustomBuild.h"
#include "customizer/CustomizerTexts.h"
#include "customizer/FolderCheck.h"
#include "customizer/SourceCatalogue.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace customizer {
namespace {

const QString kSource = QStringLiteral("source");
const QString kDest = QStringLiteral("dest");
const QString kVersions = QStringLiteral("versions");
const QString kModules = QStringLiteral("modules");
const QString kYes = QStringLiteral("yes");
const QString kHelp = QStringLiteral("help");

void AddOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {kSource, QStringLiteral("Direktori database sumber (VERMARA2000.DAT lengkap)."),
         QStringLiteral("DIREKTORI")},
        {kDest, QStringLiteral("Direktori database baru."), QStringLiteral("DIREKTORI")},
        {kVersions, QStringLiteral("Versi yang dipakai, dipisah \";\"."), QStringLiteral("NAMA")},
        {kModules, QStringLiteral("Modul yang dipakai, dipisah \";\"."), QStringLiteral("NAMA")},
        {kYes, QStringLiteral("Tindih VERMARA2000.DAT yang sudah ada di direktori tujuan.")},
        {kHelp, QStringLiteral("Tampilkan petunjuk ini.")},
    });
}

QStringList Names(const QString& list) {
    QStringList names;
    for (const QString& name : list.split(u';')) {
        if (!name.trimmed().isEmpty())
            names << name.trimmed();
    }
    return names;
}

int IndexOf(const QStringList& list, const QString& name) {
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// Moves each named version or module to the chosen side, as the move buttons would.
// Returns the first name that the source does not offer.
QString Choose(ChoiceLists& lists, const QStringList& versions, const QStringList& modules) {
    for (const QString& name : versions) {
        const int index = IndexOf(lists.availableVersions(), name);
        if (index >= 0)
            lists.chooseVersion(index);
        else if (IndexOf(lists.chosenVersions(), name) < 0)
            return texts::VersionNotInSource(name);
    }
    for (const QString& name : modules) {
        const int index = IndexOf(lists.availableModules(), name);
        if (index >= 0)
            lists.chooseModule(index);
        else if (IndexOf(lists.chosenModules(), name) < 0)
            return QStringLiteral("Modul \"%1\" tidak ada di database sumber.").arg(name);
    }
    return {};
}

BuildHooks ConsoleHooks(QTextStream& out) {
    BuildHooks hooks;
    hooks.caption = [&out](const QString& text) { out << text << Qt::endl; };
    hooks.UpdateProgress = [&out, step = 0](int copied, int total) mutable {
        const int tenth = total > 0 ? copied * 10 / total : 10;
        if (tenth <= step)
            return;
        step = tenth;
        out << QStringLiteral("%1 dari %2 baris (%3%)").arg(copied).arg(total).arg(tenth * 10)
            << Qt::endl;
    };
    return hooks;
}

int Build(const QCommandLineParser& parser, QTextStream& out, QTextStream& err) {
    const QString source = parser.value(kSource);
    const QString dest = parser.value(kDest);
    if (const FolderCheck check = CheckFolders(source, dest); !check.ok()) {
        err << check.message << Qt::endl;
        return 1;
    }
    SourceCatalogue catalogue = LoadSourceCatalogue(SourceStorePath(source));
    QString problem = catalogue.problem;
    if (problem.isEmpty())
        problem =
            Choose(catalogue.lists, Names(parser.value(kVersions)), Names(parser.value(kModules)));
    if (problem.isEmpty())
        problem = catalogue.lists.versionsProblem();
    if (!problem.isEmpty()) {
        err << WithLineFeeds(problem) << Qt::endl;
        return 1;
    }
    const BuildPlan plan{
        SourceStorePath(source), dest,
        ChosenColumns(catalogue.store->versions(), catalogue.lists.chosenVersions()),
        catalogue.lists.chosenModules()};
    ConsoleDialogs dialogs(err, parser.isSet(kYes));
    CustomBuild build(plan, dialogs, ConsoleHooks(out));
    out << texts::Building() << Qt::endl;
    const BuildOutcome outcome = build.BuildCustomStore();
    if (outcome.status != BuildStatus::Finished)
        return 1;
    out << WithLineFeeds(outcome.text) << Qt::flush;
    return 0;
}

} // namespace

bool IsCommandLineBuild(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        for (const QString& name : {kSource, kDest, kVersions, kModules, kYes, kHelp}) {
            if (argument == QStringLiteral("--") + name ||
                argument.startsWith(QStringLiteral("--") + name + u'='))
                return true;
        }
    }
    return false;
}

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments)) {
        err << parser.errorText() << Qt::endl;
        return 2;
    }
    if (parser.isSet(kHelp)) {
        out << parser.helpText() << Qt::flush;
        return 0;
    }
    if (!parser.isSet(kSource) || !parser.isSet(kDest) || !parser.isSet(kVersions)) {
        err << QStringLiteral("--source, --dest dan --versions harus diisi.") << Qt::endl
            << parser.helpText() << Qt::flush;
        return 2;
    }
    return Build(parser, out, err);
}

} // namespace customizer
