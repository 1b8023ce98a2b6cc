#include "customizer/ChoiceLists.h"

#include "customizer/CustomizerTexts.h"

namespace customizer {
namespace {

bool Move(QStringList& from, QStringList& to, int index) {
    if (index < 0 || index >= from.size())
        return false;
    to << from.takeAt(index);
    return true;
}

void MoveAll(QStringList& from, QStringList& to) {
    to << from;
    from.clear();
}

} // namespace

ChoiceLists ChoiceLists::FromCatalogue(const std::vector<store::VersionRow>& versions,
                                       const std::vector<store::ModuleRow>& modules) {
    ChoiceLists lists;
    for (const store::VersionRow& row : versions) {
        if (row.aktif == 1 && row.namaVersi != QLatin1String("-"))
            lists.availableVersions_ << row.namaVersi;
    }
    if (!lists.availableVersions_.isEmpty()) {
        lists.kept_ = lists.availableVersions_.takeFirst();
        lists.chosenVersions_ << lists.kept_;
    }
    for (const store::ModuleRow& row : modules) {
        if (row.aktif == 1)
            lists.availableModules_ << row.namaMenu;
    }
    return lists;
}

void ChoiceLists::chooseVersion(int index) {
    Move(availableVersions_, chosenVersions_, index);
}

void ChoiceLists::chooseAllVersions() {
    MoveAll(availableVersions_, chosenVersions_);
}

bool ChoiceLists::returnVersion(int index) {
    if (index >= 0 && index < chosenVersions_.size() && chosenVersions_.at(index) == kept_)
        return false;
    Move(chosenVersions_, availableVersions_, index);
    return true;
}

void ChoiceLists::returnAllVersions() {
    for (const QString& name : std::as_const(chosenVersions_)) {
        if (name != kept_)
            availableVersions_ << name;
    }
    chosenVersions_ = QStringList{kept_};
}

void ChoiceLists::chooseModule(int index) {
    Move(availableModules_, chosenModules_, index);
}

void ChoiceLists::chooseAllModules() {
    MoveAll(availableModules_, chosenModules_);
}

void ChoiceLists::returnModule(int index) {
    Move(chosenModules_, availableModules_, index);
}

void ChoiceLists::returnAllModules() {
    MoveAll(chosenModules_, availableModules_);
}

QString ChoiceLists::versionsProblem() const {
    if (kept_.isEmpty() || !chosenVersions_.contains(kept_))
        return texts::KeptVersion(kept_);
    if (chosenVersions_.size() < 2)
        return texts::TwoVersions();
    return {};
}

QStringList ChosenColumns(const std::vector<store::VersionRow>& catalogue,
                          const QStringList& names) {
    QStringList columns;
    for (const QString& name : names) {
        for (const store::VersionRow& row : catalogue) {
            if (row.namaVersi.compare(name, Qt::CaseInsensitive) == 0) {
                columns << row.namaTabel;
                break;
            }
        }
    }
    return columns;
}

} // namespace customizer
