#pragma once

#include "import/ModuleSource.h"

#include <map>
#include <tuple>

// Modules held in memory for the importer's tests: verses, dictionary entries and the reading
// of note texts are whatever the test puts in.
class MemorySource : public import::ModuleSource {
public:
    static inline const QString kBible = QStringLiteral("Biblical Texts");
    static inline const QString kDictionary = QStringLiteral("Lexicons / Dictionaries");
    static inline const QString kCommentary = QStringLiteral("Commentaries");

    void addModule(const QString& name, const QString& description, const QString& category);
    // What the configuration of a module added before says, to change.
    auto moduleInfo(const QString& name) -> import::ModuleInfo&;
    // The verses of each chapter of a book in the versification that lists the store's chapters.
    void setBook(const QString& osisBook, const std::vector<int>& verses);
    void setVerse(const QString& module, const QString& osisBook, int chapter, int verse,
                  const QString& markup);
    void addEntry(const QString& module, const QString& key, const QString& markup);
    void setIntro(const QString& module, const QString& osisBook, const QString& markup);

    int chapterCount(const QString& osisBook) const override;
    int verseCount(const QString& osisBook, int chapter) const override;
    std::optional<import::ModuleInfo> info(const QString& module) const override;
    std::vector<import::VerseText> chapterEntries(const QString& module, const QString& osisBook,
                                                  int chapter,
                                                  bool withIntro = false) const override;
    QString bookIntro(const QString& module, const QString& osisBook) const override;
    std::vector<std::pair<QString, QString>>
    dictionaryEntries(const QString& module) const override;
    QStringList osisReferences(const QString& module, const QString& text,
                               const QString& contextOsisRef) const override;

private:
    using ChapterId = std::tuple<QString, QString, int>;
    std::map<QString, import::ModuleInfo> modules_;
    std::map<QString, std::vector<int>> books_;
    std::map<ChapterId, std::map<int, QString>> verses_;
    std::map<QString, std::vector<std::pair<QString, QString>>> entries_;
    std::map<std::pair<QString, QString>, QString> intros_;
};
