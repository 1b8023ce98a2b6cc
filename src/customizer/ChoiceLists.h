#pragma once

#include "store/Records.h"

#include <QStringList>
#include <vector>

namespace customizer {

// The wizard's four choice lists and their rules. The catalogue's first active version
// is kept: it starts chosen and can never be taken back.
class ChoiceLists {
public:
    // Active versions other than "-" in catalogue order, the first of them chosen;
    // active modules available, none chosen.
    static ChoiceLists FromCatalogue(const std::vector<store::VersionRow>& versions,
                                     const std::vector<store::ModuleRow>& modules);

    const QString& keptVersion() const { return kept_; }
    const QStringList& availableVersions() const { return availableVersions_; }
    const QStringList& chosenVersions() const { return chosenVersions_; }
    const QStringList& availableModules() const { return availableModules_; }
    const QStringList& chosenModules() const { return chosenModules_; }

    // Out-of-range indexes change nothing.
    void chooseVersion(int index);
    void chooseAllVersions();
    // False (and nothing moves) when index names the kept version.
    bool returnVersion(int index);
    void returnAllVersions();
    void chooseModule(int index);
    void chooseAllModules();
    void returnModule(int index);
    void returnAllModules();

    // The message that stops the version page, or empty when the choice may go on.
    QString versionsProblem() const;

private:
    QString kept_;
    QStringList availableVersions_;
    QStringList chosenVersions_;
    QStringList availableModules_;
    QStringList chosenModules_;
};

// The NamaTabel of each name: the first catalogue row (nr order) with that NamaVersi,
// compared without regard to case; names without a row give nothing.
QStringList ChosenColumns(const std::vector<store::VersionRow>& catalogue,
                          const QStringList& names);

} // namespace customizer
