#pragma once

#include "import/ChapterText.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace import {

// What a module's configuration says about it, as written there (RTF codes, entities).
struct ModuleInfo {
    QString name;
    QString description;
    QString category; // "Biblical Texts", "Commentaries", "Lexicons / Dictionaries", ...
    QString about;
    QString licence;
    QString copyright;
    QString textSource;
};

// Where the importer reads its modules: the installed SWORD library, or modules held in memory.
class ModuleSource {
public:
    virtual ~ModuleSource() = default;

    // Chapters of a book and verses of a chapter in the versification that sets the store's
    // chapter list; 0 for a book or chapter outside it.
    virtual int chapterCount(const QString& osisBook) const = 0;
    virtual int verseCount(const QString& osisBook, int chapter) const = 0;

    virtual std::optional<ModuleInfo> info(const QString& module) const = 0;

    // The raw entries of a chapter, verse 1 onwards (with intro: from verse 0). Verses that the
    // module links to the one before are folded into it (lastVerse).
    virtual std::vector<VerseText> chapterEntries(const QString& module, const QString& osisBook,
                                                  int chapter, bool withIntro = false) const = 0;
    // The raw introduction of a book (before its chapter 1), where modules name the book.
    virtual QString bookIntro(const QString& module, const QString& osisBook) const = 0;
    // Every entry of a dictionary module: key and raw text, in the module's order.
    virtual std::vector<std::pair<QString, QString>>
    dictionaryEntries(const QString& module) const = 0;
    // A reference list as a note reads it ("Isaiah 7:14; 9:6") as OSIS references, read in the
    // module's versification with contextOsisRef as the verse the list belongs to.
    virtual QStringList osisReferences(const QString& module, const QString& text,
                                       const QString& contextOsisRef) const = 0;
};

} // namespace import
