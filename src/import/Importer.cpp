#include "import/Importer.h"

#include "import/ChapterText.h"
#include "import/DataFiles.h"
#include "import/ImportError.h"
#include "import/Markup.h"
#include "import/ModuleTexts.h"
#include "import/OsisReferences.h"
#include "scripture/BookCatalogue.h"
#include "store/Schema.h"

#include <QDir>
#include <QTemporaryFile>
#include <algorithm>
#include <functional>
#include <optional>

namespace import {

namespace {

// The bounds of the Referensi lists: every verse keeps at most this many references, and at
// most kTopicPerVerse of them come from shared topics.
constexpr int kReferencesPerVerse = 10;
constexpr int kTopicPerVerse = 4;

const QString kBibleCategory = QStringLiteral("Biblical Texts");
const QString kCommentaryCategory = QStringLiteral("Commentaries");
const QString kDictionaryCategory = QStringLiteral("Lexicons / Dictionaries");

QString OsisVerse(const QString& osisBook, int chapter, int verse) {
    return QStringLiteral("%1.%2.%3").arg(osisBook).arg(chapter).arg(verse);
}

} // namespace

ImportOptions SampleOptions(const QString& dataFolder, const QString& outFolder) {
    ImportOptions options;
    options.bibles = {{QStringLiteral("engWEB2015eb"), {}},
                      {QStringLiteral("engKJV2006eb"), {}},
                      {QStringLiteral("spaRV1909eb"), {}}};
    options.deutero = QStringLiteral("engWEB2015eb");
    options.dictionary = QStringLiteral("Nave");
    options.topics = QStringLiteral("Nave");
    options.commentary = QStringLiteral("MHCC");
    options.dataFolder = dataFolder;
    options.outFolder = outFolder;
    return options;
}

Importer::Importer(const ModuleSource& source, ImportOptions options, Progress progress)
    : options_(std::move(options)), progress_(std::move(progress)), source_(source),
      crossReferences_(kReferencesPerVerse, kTopicPerVerse) {}

Importer::~Importer() = default;

void Importer::say(const QString& line) const {
    if (progress_)
        progress_(line);
}

// The data files are read once the chapters are known, since their references must fit them.
ImportSummary Importer::run() {
    checkOptions();
    readBibles();
    readData();
    readDeuterocanon();
    readTopics();
    addNotes();
    addParallels();
    for (const auto& [from, to] : topicLinks_)
        crossReferences_.add(from, to, ReferenceSource::Topic);
    fitPericopes();
    buildBookFacts();
    reportLeftOut();
    writeAll();
    return summary_;
}

void Importer::checkOptions() {
    if (options_.bibles.empty())
        throw ImportError(QStringLiteral("Tidak ada modul Alkitab yang dipilih."));
    if (options_.bibles.size() > size_t(store::kVersionColumns)) {
        throw ImportError(
            QStringLiteral("Database memuat paling banyak %1 versi.").arg(store::kVersionColumns));
    }
    checkModules();
    for (const QString& book : options_.books) {
        if (scripture::CanonicalPosition(book) == 0)
            throw ImportError(QStringLiteral("Kitab \"%1\" tidak dikenal.").arg(book));
    }
    QDir out(options_.outFolder);
    QTemporaryFile probe(out.filePath(QStringLiteral("vermara-import-XXXXXX")));
    if (!out.mkpath(QStringLiteral(".")) || !probe.open())
        throw ImportError(QStringLiteral("Folder tujuan %1 penuh atau tidak dapat ditulis.")
                              .arg(QDir::toNativeSeparators(out.absolutePath())));
    recoverOutFolder();
}

ModuleInfo Importer::requireModule(const QString& module, const QString& category) const {
    const std::optional<ModuleInfo> info = source_.info(module);
    if (!info)
        throw ImportError(QStringLiteral("Modul SWORD \"%1\" tidak ditemukan.").arg(module));
    if (info->category != category) {
        throw ImportError(
            QStringLiteral("Modul SWORD \"%1\" bukan modul jenis \"%2\" (jenisnya \"%3\").")
                .arg(module, category, info->category));
    }
    return *info;
}

// Every module must exist and be of its kind; each one used gets a paragraph in the rights.
void Importer::checkModules() {
    QStringList modules;
    for (const BibleSource& bible : options_.bibles) {
        const ModuleInfo info = requireModule(bible.module, kBibleCategory);
        versions_.push_back({bible, info, false, false});
        if (versions_.back().source.name.isEmpty())
            versions_.back().source.name = VersionName(info.description);
        if (!modules.contains(bible.module)) {
            modules << bible.module;
            rightsParagraphs_ << RightsParagraph(info);
        }
    }
    const std::vector<std::pair<QString, QString>> others = {
        {options_.deutero, kBibleCategory},
        {options_.commentary, kCommentaryCategory},
        {options_.dictionary, kDictionaryCategory},
        {options_.topics, kDictionaryCategory}};
    for (const auto& [module, category] : others) {
        if (module.isEmpty())
            continue;
        const ModuleInfo info = requireModule(module, category);
        if (module == options_.deutero)
            deuteroTitle_ = QStringLiteral("Deuterokanonika ") + VersionName(info.description);
        if (!modules.contains(module)) {
            modules << module;
            rightsParagraphs_ << RightsParagraph(info);
        }
    }
}

void Importer::readData() {
    const QDir data(options_.dataFolder);
    say(QStringLiteral("Membaca berkas data dari %1 ...").arg(data.absolutePath()));
    // A reference into a book this store leaves out cannot be checked and is passed over.
    const ReferenceCheck check = [this](const scripture::LocationKey& key) {
        return bounds_.hasBook(key.book) ? bounds_.fault(key) : QString();
    };
    parables_ = ReadParables(data.filePath(QStringLiteral("parables.tsv")), check);
    prophecies_ = ReadProphecies(data.filePath(QStringLiteral("prophecies.tsv")), check);
    for (const QString& name : {QStringLiteral("info_about.txt"), QStringLiteral("info_rules.txt"),
                                QStringLiteral("info_rights.txt"),
                                QStringLiteral("info_edition.txt"), QStringLiteral("VR_tips.dat")})
        dataTexts_[name] = ReadDataText(data.filePath(name));
}

void Importer::readBibles() {
    QStringList modules;
    for (const Version& version : versions_)
        modules << version.source.module;
    say(QStringLiteral("Membaca Alkitab: %1 ...").arg(modules.join(QStringLiteral(", "))));
    for (int position = 1; position <= scripture::CanonicalOsisBooks().size(); ++position) {
        if (!options_.books.isEmpty() &&
            !options_.books.contains(scripture::CanonicalName(position)))
            continue;
        books_.push_back(readBook(position));
        for (const Chapter& chapter : books_.back().chapters)
            bounds_.addChapter(books_.back().name, chapter.number, chapter.verses);
        if (!options_.commentary.isEmpty())
            readCommentary(books_.back());
        say(QStringLiteral("  %1 (%2 pasal)")
                .arg(books_.back().name)
                .arg(books_.back().chapters.size()));
    }
}

Importer::Book Importer::readBook(int position) {
    Book book;
    book.position = position;
    book.osis = scripture::CanonicalOsisBooks().at(position - 1);
    book.name = scripture::CanonicalName(position);
    const bool oldTestament = scripture::IsOldTestament(position);
    for (size_t v = 0; v < versions_.size(); ++v) {
        const QString moduleName =
            ModuleBookName(source_.bookIntro(versions_[v].source.module, book.osis));
        book.names << (v == 0 || moduleName.isEmpty() ? book.name : moduleName);
    }
    const int chapters = source_.chapterCount(book.osis);
    for (int number = 1; number <= chapters; ++number) {
        Chapter chapter;
        chapter.number = number;
        for (size_t v = 0; v < versions_.size(); ++v) {
            std::vector<VerseText> verses =
                source_.chapterEntries(versions_[v].source.module, book.osis, number);
            for (VerseText& verse : verses) {
                if (v == 0)
                    readNotes(book, number, verse.text, verse.verse);
                verse.text = PlainVerseText(verse.text);
            }
            chapter.texts << ChapterText(number, verses);
            chapter.verses = std::max(chapter.verses, LastVerseWithText(verses));
            if (!chapter.texts.back().isEmpty())
                (oldTestament ? versions_[v].oldTestament : versions_[v].newTestament) = true;
        }
        book.chapters.push_back(chapter);
    }
    return book;
}

// Notes are resolved once every chapter is known: their targets reach into later books.
void Importer::readNotes(const Book& book, int chapter, const QString& markup, int verse) {
    if (!markup.contains(QStringLiteral("crossReference")))
        return;
    const QString module = versions_.front().source.module;
    Note note{{book.name, chapter, verse, 0}, {}};
    for (const NoteReference& reference : CrossReferenceNotes(markup)) {
        note.targets << (reference.osisRef.isEmpty()
                             ? source_.osisReferences(module, reference.text,
                                                      OsisVerse(book.osis, chapter, verse))
                             : QStringList{reference.osisRef});
    }
    notes_.push_back(note);
}

void Importer::addNotes() {
    const VerseCount counts = [this](int position, int chapter) {
        return bounds_.verses(scripture::CanonicalName(position), chapter);
    };
    for (const Note& note : notes_) {
        for (const QString& target : note.targets) {
            const std::optional<scripture::LocationKey> key = LocationOfOsisRef(target, counts);
            const std::optional<scripture::LocationKey> fitted =
                key ? referencesLeft_.fit(bounds_, *key) : std::nullopt;
            if (fitted)
                crossReferences_.add(note.from, *fitted, ReferenceSource::Note);
        }
    }
}

void Importer::readCommentary(Book& book) {
    for (Chapter& chapter : book.chapters) {
        QString markup;
        for (const VerseText& entry :
             source_.chapterEntries(options_.commentary, book.osis, chapter.number, true))
            markup += entry.text + u'\n';
        chapter.commentary = ReadableText(markup);
        chapter.outline = ChapterOutline(markup, chapter.verses);
    }
}

// Outline sections whose verses the chapter does not have are cut or left out.
void Importer::fitPericopes() {
    for (Book& book : books_) {
        for (Chapter& chapter : book.chapters) {
            std::vector<OutlineEntry> kept;
            for (OutlineEntry entry : chapter.outline) {
                const std::optional<scripture::LocationKey> fitted = pericopesLeft_.fit(
                    bounds_, {book.name, chapter.number, entry.firstVerse, entry.lastVerse});
                if (!fitted)
                    continue;
                entry.firstVerse = fitted->firstVerse;
                entry.lastVerse = fitted->lastVerse;
                kept.push_back(entry);
            }
            chapter.outline = kept;
        }
    }
}

void Importer::reportLeftOut() {
    for (const LeftOut* table :
         {&referencesLeft_, &pericopesLeft_, &dictionaryLeft_, &topicsLeft_}) {
        if (const QString line = table->summary(); !line.isEmpty()) {
            summary_.leftOut << line;
            say(line);
        }
    }
}

void Importer::buildBookFacts() {
    for (const Book& book : books_) {
        BookFacts facts;
        facts.name = book.name;
        facts.position = book.position;
        facts.oldTestament = scripture::IsOldTestament(book.position);
        facts.chapters = int(book.chapters.size());
        for (const Chapter& chapter : book.chapters) {
            facts.verses += chapter.verses;
            for (const OutlineEntry& entry : chapter.outline) {
                facts.headings << entry.heading;
                facts.headingChapters << chapter.number;
            }
        }
        facts_.push_back(facts);
    }
}

} // namespace import
