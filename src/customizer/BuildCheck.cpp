#include "customizer/BuildCheck.h"

#include "customizer/ChoiceLists.h"
#include "customizer/CustomizerTexts.h"
#include "customizer/FolderCheck.h"
#include "customizer/SourceCatalogue.h"
#include "store/Store.h"

namespace customizer {
namespace {

BuildCheck Refused(const QString& problem, CheckedPage page, bool focusDestination = false) {
    BuildCheck check;
    check.problem = problem;
    check.page = page;
    check.focusDestination = focusDestination;
    return check;
}

} // namespace

BuildCheck CheckBeforeBuild(const QString& sourceFolder, const QString& destinationFolder,
                            const ChoiceLists& lists) {
    if (const FolderCheck folders = CheckFolders(sourceFolder, destinationFolder); !folders.ok())
        return Refused(folders.message, CheckedPage::Database, folders.focusDestination);
    const SourceCatalogue source = LoadSourceCatalogue(SourceStorePath(sourceFolder));
    if (!source.store)
        return Refused(source.problem, CheckedPage::Database);
    if (const QString problem = lists.versionsProblem(); !problem.isEmpty())
        return Refused(problem, CheckedPage::Versions);
    const QStringList offered = source.lists.chosenVersions() + source.lists.availableVersions();
    for (const QString& name : lists.chosenVersions()) {
        if (!offered.contains(name, Qt::CaseInsensitive))
            return Refused(texts::VersionNotInSource(name), CheckedPage::Versions);
    }
    BuildCheck check;
    check.plan = {SourceStorePath(sourceFolder), destinationFolder,
                  ChosenColumns(source.store->versions(), lists.chosenVersions()),
                  lists.chosenModules()};
    return check;
}

} // namespace customizer
