#pragma once

#include "import/ModuleSource.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace import {

// A compressed module whose configuration names the 4-byte driver (zCom4, zText4) while its
// verse index has the 10-byte entries of the older driver cannot be read: the older driver is
// the one to use. Returns the driver to use, given the sizes of its verse index files.
QString CorrectedDriver(const QString& driver, const std::vector<qint64>& indexFileSizes);

// The SWORD modules installed on this machine, read through libsword. Modules whose
// configuration names the wrong driver are read through a corrected copy of it.
class SwordLibrary : public ModuleSource {
public:
    SwordLibrary(); // throws ImportError when no module can be found at all
    ~SwordLibrary() override;
    SwordLibrary(const SwordLibrary&) = delete;
    SwordLibrary& operator=(const SwordLibrary&) = delete;

    // The store's chapter list follows SWORD's KJV versification.
    int chapterCount(const QString& osisBook) const override;
    int verseCount(const QString& osisBook, int chapter) const override;

    std::optional<ModuleInfo> info(const QString& module) const override;
    std::vector<VerseText> chapterEntries(const QString& module, const QString& osisBook,
                                          int chapter, bool withIntro = false) const override;
    QString bookIntro(const QString& module, const QString& osisBook) const override;
    std::vector<std::pair<QString, QString>>
    dictionaryEntries(const QString& module) const override;
    QStringList osisReferences(const QString& module, const QString& text,
                               const QString& contextOsisRef) const override;

private:
    struct Managers;
    std::unique_ptr<Managers> managers_;
};

} // namespace import
