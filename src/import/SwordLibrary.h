#pragma once

#include "import/ChapterText.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace import {

// What a module's configuration says about it.
struct ModuleInfo {
    QString name;
    QString description;
    QString category; // "Biblical Texts", "Commentaries", "Lexicons / Dictionaries", ...
    QString about;
    QString licence;
    QString copyright;
    QString textSource;
};

// A compressed module whose configuration names the 4-byte driver (zCom4, zText4) while its
// verse index has the 10-byte entries of the older driver cannot be read: the older driver is
// the one to use. Returns the driver to use, given the sizes of its verse index files.
QString CorrectedDriver(const QString& driver, const std::vector<qint64>& indexFileSizes);

// The SWORD modules installed on this machine, read through libsword. Modules whose
// configuration names the wrong driver are read through a corrected copy of it.
class SwordLibrary {
public:
    SwordLibrary(); // throws ImportError when no module can be found at all
    ~SwordLibrary();
    SwordLibrary(const SwordLibrary&) = delete;
    SwordLibrary& operator=(const SwordLibrary&) = delete;

    // Chapters and verses of a book in SWORD's KJV versification: the chapter list of a store.
    static int KjvChapterCount(const QString& osisBook);
    static int KjvVerseCount(const QString& osisBook, int chapter);

    std::optional<ModuleInfo> info(const QString& module) const;

    // The raw entries of a chapter, verse 1 onwards (with intro: from verse 0). Verses that the
    // module links to the one before are folded into it (lastVerse).
    std::vector<VerseText> chapterEntries(const QString& module, const QString& osisBook,
                                          int chapter, bool withIntro = false) const;
    // The raw introduction of a book (before its chapter 1), where modules name the book.
    QString bookIntro(const QString& module, const QString& osisBook) const;
    // Every entry of a dictionary module: key and raw text, in the module's order.
    std::vector<std::pair<QString, QString>> dictionaryEntries(const QString& module) const;
    // A reference list as a note reads it ("Isaiah 7:14; 9:6") as OSIS references, read in the
    // module's versification with contextOsisRef as the verse the list belongs to.
    QStringList osisReferences(const QString& module, const QString& text,
                               const QString& contextOsisRef) const;

private:
    struct Managers;
    std::unique_ptr<Managers> managers_;
};

} // namespace import
