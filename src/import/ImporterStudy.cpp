#include "import/ChapterText.h"
#include "import/Deuterocanon.h"
#include "import/Importer.h"
#include "import/Markup.h"
#include "import/ModuleTexts.h"
#include "import/TopicEntry.h"

#include <functional>
#include <map>

namespace import {

namespace {

// Verses that a topical dictionary lists together under a sub-topic of at most this many
// references are taken as cross references of each other; longer lists are too broad.
constexpr int kNarrowTopic = 5;
// A reference longer than this many verses is a passage, not a parallel verse.
constexpr int kLongestLinkedPassage = 3;
// Size of the Entri field of UsysKamus.
constexpr int kHeadwordSize = 50;

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
        const size_t before = deutero_.size();
        for (const DeuteroChapter& chapter : book.chapters) {
            for (const auto& [osisBook, sourceChapter] : chapter.sources) {
                std::vector<VerseText> verses =
                    source_.chapterEntries(options_.deutero, osisBook, sourceChapter);
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
        if (deutero_.size() == before) {
            say(QStringLiteral("Peringatan: modul %1 tidak memuat kitab %2; kitab itu tidak ada "
                               "di database.")
                    .arg(options_.deutero, book.buku1));
        }
    }
}

void Importer::readTopics() {
    // The sample store takes its dictionary and its topics from one module: it is read once.
    QString parsedModule;
    std::vector<TopicEntry> parsed;
    const auto entriesOf = [&](const QString& module,
                               LeftOut& left) -> const std::vector<TopicEntry>& {
        if (module != parsedModule) {
            const ReferenceFit fit = [&](const scripture::LocationKey& key) {
                return left.fit(bounds_, key);
            };
            parsed.clear();
            for (const auto& [key, markup] : source_.dictionaryEntries(module))
                parsed.push_back(ParseTopicEntry(key, markup, fit));
            parsedModule = module;
        }
        return parsed;
    };
    if (options_.dictionary == options_.topics)
        dictionaryLeft_.setTable(QStringLiteral("UsysKamus dan UsysTematik"));
    if (!options_.dictionary.isEmpty()) {
        say(QStringLiteral("Membaca kamus dari %1 ...").arg(options_.dictionary));
        for (const TopicEntry& entry : entriesOf(options_.dictionary, dictionaryLeft_)) {
            if (!entry.headword.isEmpty())
                dictionary_.push_back({Fit(entry.headword, kHeadwordSize), entry.explanation});
        }
        mergeHeadwords();
    }
    if (options_.topics.isEmpty())
        return;
    say(QStringLiteral("Membaca topik dari %1 ...").arg(options_.topics));
    for (const TopicEntry& entry : entriesOf(options_.topics, topicsLeft_)) {
        for (const scripture::LocationKey& reference : entry.references) {
            const QString ayat = scripture::FormatLocationKey(reference);
            if (ayat.size() <= 50)
                thematic_.push_back({qint32(thematic_.size() + 1), Fit(entry.headword, 255), ayat});
        }
        const auto links = TopicLinks(entry);
        topicLinks_.insert(topicLinks_.end(), links.begin(), links.end());
    }
}

// The dictionary window finds an entry by its headword without regard to case, so entries of
// one headword ("Sin" the desert and "Sin" the topic) become one, their explanations in turn.
void Importer::mergeHeadwords() {
    std::vector<store::DictionaryRow> merged;
    std::map<QString, size_t> index;
    for (const store::DictionaryRow& row : dictionary_) {
        const auto [found, added] = index.emplace(row.entri.toLower(), merged.size());
        if (added)
            merged.push_back(row);
        else
            merged[found->second].penjelasan += QStringLiteral("\r\n\r\n") + row.penjelasan;
    }
    dictionary_ = std::move(merged);
}

// Parallels reach into every gospel; in a store without some of them those are left out.
void Importer::addParallels() {
    const auto link = [&](const QString& from, const QString& to) {
        const auto a = scripture::ParseLocationKey(from);
        const auto b = scripture::ParseLocationKey(to);
        if (a && b && bounds_.hasBook(a->book) && referencesLeft_.fit(bounds_, *b))
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
