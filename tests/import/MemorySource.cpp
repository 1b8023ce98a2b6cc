#include "MemorySource.h"

void MemorySource::addModule(const QString& name, const QString& description,
                             const QString& category) {
    import::ModuleInfo info;
    info.name = name;
    info.description = description;
    info.category = category;
    info.licence = QStringLiteral("Public Domain");
    modules_[name] = info;
}

auto MemorySource::moduleInfo(const QString& name) -> import::ModuleInfo& {
    return modules_.at(name);
}

void MemorySource::setBook(const QString& osisBook, const std::vector<int>& verses) {
    books_[osisBook] = verses;
}

void MemorySource::setVerse(const QString& module, const QString& osisBook, int chapter, int verse,
                            const QString& markup) {
    verses_[{module, osisBook, chapter}][verse] = markup;
}

void MemorySource::addEntry(const QString& module, const QString& key, const QString& markup) {
    entries_[module].emplace_back(key, markup);
}

void MemorySource::setIntro(const QString& module, const QString& osisBook, const QString& markup) {
    intros_[{module, osisBook}] = markup;
}

int MemorySource::chapterCount(const QString& osisBook) const {
    const auto found = books_.find(osisBook);
    return found == books_.end() ? 0 : int(found->second.size());
}

int MemorySource::verseCount(const QString& osisBook, int chapter) const {
    const auto found = books_.find(osisBook);
    if (found == books_.end() || chapter < 1 || chapter > int(found->second.size()))
        return 0;
    return found->second[chapter - 1];
}

std::optional<import::ModuleInfo> MemorySource::info(const QString& module) const {
    const auto found = modules_.find(module);
    if (found == modules_.end())
        return std::nullopt;
    return found->second;
}

std::vector<import::VerseText> MemorySource::chapterEntries(const QString& module,
                                                            const QString& osisBook, int chapter,
                                                            bool withIntro) const {
    std::vector<import::VerseText> verses;
    const auto found = verses_.find({module, osisBook, chapter});
    if (found == verses_.end())
        return verses;
    for (const auto& [verse, text] : found->second) {
        if (verse > 0 || withIntro)
            verses.push_back({verse, 0, text});
    }
    return verses;
}

QString MemorySource::bookIntro(const QString& module, const QString& osisBook) const {
    const auto found = intros_.find({module, osisBook});
    return found == intros_.end() ? QString() : found->second;
}

std::vector<std::pair<QString, QString>>
MemorySource::dictionaryEntries(const QString& module) const {
    const auto found = entries_.find(module);
    return found == entries_.end() ? std::vector<std::pair<QString, QString>>{} : found->second;
}

// Notes of these tests mark their targets up; a note read from its text finds nothing.
QStringList MemorySource::osisReferences(const QString&, const QString&, const QString&) const {
    return {};
}
