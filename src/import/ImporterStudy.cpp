#include "import/ChapterText.h"
#include "import/Deuterocanon.h"
#include "import/ImportError.h"
#include "import/Importer.h"
#include "import/Markup.h"
#include "import/ModuleTexts.h"
#include "import/TopicEntry.h"
#include "scripture/ReferenceText.h"

#include <functional>

namespace import {

namespace {

// Verses that a topical dictionary lists together under a sub-topic of at most this many
// references are taken as cross references of each other; longer lists are too broad.
constexpr int kNarrowTopic = 5;
// A reference longer than this many verses is a passage, not a parallel verse.
constexpr int kLongestLinkedPassage = 3;

bool IsShort(const scripture::LocationKey& key) {
    return key.lastVerse == 0 || key.lastVerse - key.firstVerse < kLongestLinkedPassage;
}

// Verses of one chapter filed under one topic are mostly a passage read on, not a parallel.
bool Linkable(const scripture::LocationKey& from, const scripture::LocationKey& to) {
    const bool sameChapter = from.book == to.book && from.chapter == to.chapter;
    return !sameChapter && IsShort(from) && IsShort(to);
}

QStringList GospelReferences(const store::ParableRow& row) {
    QStringList references;
    for (const QString& reference : {row.matius, row.markus, row.lukas, row.yohanes}) {
        if (!reference.isEmpty())
            references << reference;
    }
    return references;
}

// Each pair of short verses filed together under a narrow sub-topic, both ways round.
std::vector<std::pair<scripture::LocationKey, scripture::LocationKey>>
TopicLinks(const TopicEntry& entry) {
    std::vector<std::pair<scripture::LocationKey, scripture::LocationKey>> links;
    for (const auto& group : entry.groups) {
        if (group.size() < 2 || group.size() > size_t(kNarrowTopic))
            continue;
        for (const scripture::LocationKey& from : group) {
            for (const scripture::LocationKey& to : group) {
                if (Linkable(from, to))
                    links.emplace_back(from, to);
            }
        }
    }
    return links;
}

} // namespace

void Importer::readDeuterocanon() {
    if (options_.deutero.isEmpty())
        return;
    say(QStringLiteral("Membaca deuterokanonika dari %1 ...").arg(options_.deutero));
    for (const DeuteroBook& book : DeuteroBooks()) {
        for (const DeuteroChapter& chapter : book.chapters) {
            for (const auto& [osisBook, sourceChapter] : chapter.sources) {
                std::vector<VerseText> verses =
                    library_->chapterEntries(options_.deutero, osisBook, sourceChapter);
                for (VerseText& verse : verses)
                    verse.text = PlainVerseText(verse.text);
                const QString text = ChapterText(chapter.chapter, verses);
                if (text.isEmpty())
                    continue;
                store::DeuteroRow row;
                row.urutan = qint16(book.urutan);
                row.buku1 = book.buku1;
                row.buku2 = book.buku2;
                row.buku3 = book.buku3;
                row.bab = qint16(chapter.chapter);
                row.kitab1 = text;
                deutero_.push_back(row);
                break;
            }
        }
    }
}

void Importer::readTopics() {
    const VerseCount counts = std::bind_front(&Importer::versesIn, this);
    // The sample store takes its dictionary and its topics from one module: it is read once.
    QString parsedModule;
    std::vector<TopicEntry> parsed;
    const auto entriesOf = [&](const QString& module) -> const std::vector<TopicEntry>& {
        if (module != parsedModule) {
            parsed.clear();
            for (const auto& [key, markup] : library_->dictionaryEntries(module))
                parsed.push_back(ParseTopicEntry(key, markup, counts));
            parsedModule = module;
        }
        return parsed;
    };
    if (!options_.dictionary.isEmpty()) {
        say(QStringLiteral("Membaca kamus dari %1 ...").arg(options_.dictionary));
        for (const TopicEntry& entry : entriesOf(options_.dictionary)) {
            if (!entry.headword.isEmpty())
                dictionary_.push_back({Fit(entry.headword, 50), entry.explanation});
        }
    }
    if (options_.topics.isEmpty())
        return;
    say(QStringLiteral("Membaca topik dari %1 ...").arg(options_.topics));
    for (const TopicEntry& entry : entriesOf(options_.topics)) {
        for (const scripture::LocationKey& reference : entry.references) {
            const QString ayat = scripture::FormatLocationKey(reference);
            if (ayat.size() <= 50)
                thematic_.push_back({qint32(thematic_.size() + 1), Fit(entry.headword, 255), ayat});
        }
        const auto links = TopicLinks(entry);
        topicLinks_.insert(topicLinks_.end(), links.begin(), links.end());
    }
}

// Every parable and prophecy reference must show verse text in the store; a reference into a
// book left out of this store cannot be checked and is passed over.
void Importer::checkStudyReferences() const {
    const scripture::ChapterTextSource source = [this](const QString& book, int chapter) {
        return firstVersionText(book, chapter);
    };
    QStringList failures;
    const auto check = [&](const QString& what, const QString& reference) {
        const std::optional<scripture::LocationKey> key = scripture::ParseLocationKey(reference);
        const bool imported =
            key && std::any_of(books_.begin(), books_.end(),
                               [&](const Book& book) { return book.name == key->book; });
        if (!key || (imported && !scripture::ReferenceLines(reference, source)))
            failures << QStringLiteral("%1: %2").arg(what, reference);
    };
    for (const store::ParableRow& row : parables_) {
        for (const QString& reference : GospelReferences(row))
            check(row.perumpamaan, reference);
    }
    for (const store::ProphecyRow& row : prophecies_) {
        check(row.nubuat, row.lama);
        check(row.nubuat, row.baru);
    }
    if (!failures.isEmpty()) {
        throw ImportError(QStringLiteral("Referensi tanpa teks ayat di %1:\n%2")
                              .arg(versions_.front().source.module, failures.join(u'\n')));
    }
}

void Importer::addParallels() {
    const auto link = [&](const QString& from, const QString& to) {
        const auto a = scripture::ParseLocationKey(from);
        const auto b = scripture::ParseLocationKey(to);
        if (a && b)
            crossReferences_.add(*a, *b, ReferenceSource::Parallel);
    };
    for (const store::ParableRow& row : parables_) {
        const QStringList references = GospelReferences(row);
        for (const QString& from : references) {
            for (const QString& to : references) {
                if (from != to)
                    link(from, to);
            }
        }
    }
    for (const store::ProphecyRow& row : prophecies_) {
        link(row.lama, row.baru);
        link(row.baru, row.lama);
    }
}

QString Importer::referenceNotice() const {
    return QStringLiteral(
               "Referensi silang dihimpun dari catatan silang modul %1, dari paralel daftar "
               "perumpamaan dan nubuat, dan dari ayat-ayat yang oleh %2 dihimpun bersama di bawah "
               "satu subtopik sempit (paling banyak %3 rujukan, masing-masing paling panjang %4 "
               "ayat). Setiap ayat memuat paling banyak %5 referensi, dan paling banyak %6 di "
               "antaranya berasal dari subtopik tersebut; setiap pasal memuat paling banyak %7 "
               "ayat berreferensi.")
        .arg(versions_.front().source.module,
             options_.topics.isEmpty() ? QStringLiteral("kamus topik") : options_.topics)
        .arg(kNarrowTopic)
        .arg(kLongestLinkedPassage)
        .arg(crossReferences_.maxPerVerse())
        .arg(crossReferences_.maxTopicPerVerse())
        .arg(CrossReferenceIndex::kMaxEntriesPerChapter);
}

} // namespace import
