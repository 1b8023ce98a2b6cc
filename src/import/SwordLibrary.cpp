#include "import/SwordLibrary.h"

#include "import/ImportError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <listkey.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>
#include <versificationmgr.h>

namespace import {

namespace {

QString FromSword(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

QString Entry(const sword::SWModule& module, const char* key) {
    return FromSword(module.getConfigEntry(key));
}

std::vector<qint64> IndexFileSizes(const QString& dataPath) {
    std::vector<qint64> sizes;
    for (const char* name : {"ot.bzv", "nt.bzv"}) {
        const QFileInfo file(QDir(dataPath).filePath(QString::fromLatin1(name)));
        if (file.exists())
            sizes.push_back(file.size());
    }
    return sizes;
}

std::unique_ptr<sword::VerseKey> VerseKeyOf(const sword::SWModule& module) {
    std::unique_ptr<sword::SWKey> key(module.createKey());
    auto* verseKey = dynamic_cast<sword::VerseKey*>(key.get());
    if (!verseKey)
        return nullptr;
    key.release();
    verseKey->setIntros(true);
    return std::unique_ptr<sword::VerseKey>(verseKey);
}

const sword::VersificationMgr::Book* BookIn(const char* versification, const QString& osisBook) {
    const sword::VersificationMgr::System* system =
        sword::VersificationMgr::getSystemVersificationMgr()->getVersificationSystem(versification);
    if (!system)
        return nullptr;
    // The number counts from 1 while getBook counts from 0.
    const int number = system->getBookNumberByOSISName(osisBook.toUtf8().constData());
    return number <= 0 ? nullptr : system->getBook(number - 1);
}

const sword::VersificationMgr::Book* BookOf(const sword::VerseKey& key, const QString& osisBook) {
    return BookIn(key.getVersificationSystem(), osisBook);
}

} // namespace

QString CorrectedDriver(const QString& driver, const std::vector<qint64>& indexFileSizes) {
    const bool fourByte = driver.compare(QStringLiteral("zCom4"), Qt::CaseInsensitive) == 0 ||
                          driver.compare(QStringLiteral("zText4"), Qt::CaseInsensitive) == 0;
    if (!fourByte || indexFileSizes.empty())
        return driver;
    for (const qint64 size : indexFileSizes) {
        if (size % 12 == 0 || size % 10 != 0)
            return driver;
    }
    return driver.chopped(1);
}

struct SwordLibrary::Managers {
    std::unique_ptr<sword::SWMgr> system;
    QTemporaryDir correctedFolder;
    std::unique_ptr<sword::SWMgr> corrected;

    sword::SWModule* find(const QString& name) const {
        const QByteArray utf8 = name.toUtf8();
        if (corrected) {
            if (sword::SWModule* module = corrected->getModule(utf8.constData()))
                return module;
        }
        return system->getModule(utf8.constData());
    }

    sword::SWModule& require(const QString& name) const {
        sword::SWModule* module = find(name);
        if (!module)
            throw ImportError(QStringLiteral("Modul SWORD \"%1\" tidak ditemukan.").arg(name));
        return *module;
    }

    // Writes a copy of the module's configuration with the driver that fits its files; its data
    // folder is reached through a link, since SWORD reads DataPath relative to the library.
    void writeCorrected(const sword::SWModule& module, const QString& driver) {
        const QString name = FromSword(module.getName());
        QString dataPath = Entry(module, "AbsoluteDataPath");
        const qsizetype slash = dataPath.lastIndexOf(u'/', dataPath.endsWith(u'/') ? -2 : -1);
        const QString folder = dataPath.left(slash);
        const QString rest = dataPath.mid(slash + 1);
        QDir root(correctedFolder.path());
        root.mkpath(QStringLiteral("mods.d"));
        root.mkpath(QStringLiteral("data"));
        QFile conf(root.filePath(QStringLiteral("mods.d/%1.conf").arg(name.toLower())));
        if (!QFile::link(folder, root.filePath(QStringLiteral("data/") + name)) ||
            !conf.open(QIODevice::WriteOnly | QIODevice::Text))
            throw ImportError(QStringLiteral("Folder sementara %1 tidak dapat ditulis.")
                                  .arg(correctedFolder.path()));
        QTextStream out(&conf);
        out << '[' << name << "]\n";
        out << "ModDrv=" << driver << '\n';
        out << "DataPath=./data/" << name << '/' << rest << '\n';
        static const QStringList replaced = {QStringLiteral("ModDrv"), QStringLiteral("DataPath"),
                                             QStringLiteral("AbsoluteDataPath"),
                                             QStringLiteral("PrefixPath")};
        for (const auto& [key, value] : module.getConfig()) {
            const QString k = FromSword(key.c_str());
            if (!replaced.contains(k))
                out << k << '=' << FromSword(value.c_str()).replace(u'\n', u' ') << '\n';
        }
    }
};

SwordLibrary::SwordLibrary() : managers_(std::make_unique<Managers>()) {
    managers_->system = std::make_unique<sword::SWMgr>();
    bool anyCorrected = false;
    for (const auto& [name, module] : managers_->system->getModules()) {
        const QString driver = Entry(*module, "ModDrv");
        const QString fitting =
            CorrectedDriver(driver, IndexFileSizes(Entry(*module, "AbsoluteDataPath")));
        if (fitting != driver) {
            managers_->writeCorrected(*module, fitting);
            anyCorrected = true;
        }
    }
    if (anyCorrected) {
        managers_->corrected = std::make_unique<sword::SWMgr>(
            managers_->correctedFolder.path().toUtf8().constData(), true, nullptr, false, false);
    }
    if (managers_->system->getModules().empty())
        throw ImportError(QStringLiteral("Tidak ada modul SWORD yang terpasang."));
}

SwordLibrary::~SwordLibrary() = default;

int SwordLibrary::chapterCount(const QString& osisBook) const {
    const sword::VersificationMgr::Book* book = BookIn("KJV", osisBook);
    return book ? book->getChapterMax() : 0;
}

int SwordLibrary::verseCount(const QString& osisBook, int chapter) const {
    const sword::VersificationMgr::Book* book = BookIn("KJV", osisBook);
    return book && chapter >= 1 && chapter <= book->getChapterMax() ? book->getVerseMax(chapter)
                                                                    : 0;
}

std::optional<ModuleInfo> SwordLibrary::info(const QString& moduleName) const {
    const sword::SWModule* module = managers_->find(moduleName);
    if (!module)
        return std::nullopt;
    ModuleInfo info;
    info.name = FromSword(module->getName());
    info.description = FromSword(module->getDescription());
    info.category = FromSword(module->getType());
    info.about = Entry(*module, "About");
    info.licence = Entry(*module, "DistributionLicense");
    info.copyright = Entry(*module, "ShortCopyright");
    if (info.copyright.isEmpty())
        info.copyright = Entry(*module, "Copyright");
    info.textSource = Entry(*module, "TextSource");
    return info;
}

std::vector<VerseText> SwordLibrary::chapterEntries(const QString& moduleName,
                                                    const QString& osisBook, int chapter,
                                                    bool withIntro) const {
    sword::SWModule& module = managers_->require(moduleName);
    const std::unique_ptr<sword::VerseKey> key = VerseKeyOf(module);
    const sword::VersificationMgr::Book* book = key ? BookOf(*key, osisBook) : nullptr;
    if (!book || chapter < 1 || chapter > book->getChapterMax())
        return {};
    key->setBookName(osisBook.toUtf8().constData());
    key->setChapter(chapter);
    std::vector<VerseText> verses;
    sword::VerseKey previous(*key);
    for (int verse = withIntro ? 0 : 1; verse <= book->getVerseMax(chapter); ++verse) {
        key->setVerse(verse);
        module.setKey(*key);
        const QString raw = FromSword(module.getRawEntry());
        if (!verses.empty() && verse > 1 && module.isLinked(&previous, key.get())) {
            verses.back().lastVerse = verse;
        } else {
            verses.push_back({verse, 0, raw});
        }
        previous = *key;
    }
    return verses;
}

QString SwordLibrary::bookIntro(const QString& moduleName, const QString& osisBook) const {
    sword::SWModule& module = managers_->require(moduleName);
    const std::unique_ptr<sword::VerseKey> key = VerseKeyOf(module);
    if (!key || !BookOf(*key, osisBook))
        return {};
    key->setBookName(osisBook.toUtf8().constData());
    key->setChapter(0);
    key->setVerse(0);
    module.setKey(*key);
    return FromSword(module.getRawEntry());
}

std::vector<std::pair<QString, QString>>
SwordLibrary::dictionaryEntries(const QString& moduleName) const {
    sword::SWModule& module = managers_->require(moduleName);
    std::vector<std::pair<QString, QString>> entries;
    module.setPosition(sword::TOP);
    module.popError();
    for (; !module.popError(); module.increment()) {
        entries.emplace_back(FromSword(module.getKeyText()), FromSword(module.getRawEntry()));
    }
    return entries;
}

QStringList SwordLibrary::osisReferences(const QString& moduleName, const QString& text,
                                         const QString& contextOsisRef) const {
    const std::unique_ptr<sword::VerseKey> key = VerseKeyOf(managers_->require(moduleName));
    if (!key)
        return {};
    key->setIntros(false);
    const QByteArray context = contextOsisRef.toUtf8();
    sword::ListKey list =
        key->parseVerseList(text.toUtf8().constData(), context.constData(), false);
    QStringList references;
    for (int i = 0; i < list.getCount(); ++i) {
        if (const auto* verse = dynamic_cast<const sword::VerseKey*>(list.getElement(i)))
            references << FromSword(verse->getOSISRefRangeText());
    }
    return references;
}

} // namespace import
