#include "import/BookIntroWriter.h"

#include "scripture/BookCatalogue.h"
#include "scripture/BookGroups.h"

#include <algorithm>

namespace import {

namespace {

const QString Crlf = QStringLiteral("\r\n");

const scripture::BookGroup& GroupOf(int position) {
    return scripture::BookGroups[scripture::GroupIndex(position)];
}

QString Ordinal(int n) {
    static const QStringList words{"pertama", "kedua",   "ketiga",    "keempat",    "kelima",
                                   "keenam",  "ketujuh", "kedelapan", "kesembilan", "kesepuluh"};
    return n >= 1 && n <= words.size() ? words.at(n - 1) : QStringLiteral("ke-%1").arg(n);
}

// "kedua dari 5" but "terakhir dari 5".
QString OrdinalOf(int index, int count) {
    return index == count && count > 1 ? QStringLiteral("terakhir") : Ordinal(index);
}

QString JoinAnd(const QStringList& items) {
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" dan ") +
           items.last();
}

int TestamentBooks(bool oldTestament) {
    return oldTestament ? scripture::kOldTestamentBooks
                        : scripture::kCanonBooks - scripture::kOldTestamentBooks;
}

// The books the store holds that are compared with this one, and how to name that set: the
// whole testament or canon when it is complete, otherwise the count actually present.
struct Scope {
    std::vector<const BookFacts*> books;
    QString name;
};

Scope TestamentScope(const BookFacts& book, const std::vector<BookFacts>& all) {
    Scope scope;
    for (const BookFacts& other : all) {
        if (other.oldTestament == book.oldTestament)
            scope.books.push_back(&other);
    }
    scope.name = int(scope.books.size()) == TestamentBooks(book.oldTestament)
                     ? QStringLiteral("kitab-kitab %1").arg(TestamentName(book.oldTestament))
                     : QStringLiteral("%1 kitab %2 dalam database ini")
                           .arg(scope.books.size())
                           .arg(TestamentName(book.oldTestament));
    return scope;
}

Scope BibleScope(const std::vector<BookFacts>& all) {
    Scope scope;
    for (const BookFacts& other : all)
        scope.books.push_back(&other);
    scope.name = int(all.size()) == scripture::kCanonBooks
                     ? QStringLiteral("seluruh Alkitab")
                     : QStringLiteral("%1 kitab dalam database ini").arg(all.size());
    return scope;
}

Scope GroupScope(const BookFacts& book, const std::vector<BookFacts>& all) {
    const scripture::BookGroup& group = GroupOf(book.position);
    Scope scope;
    for (const BookFacts& other : all) {
        if (group.holds(other.position))
            scope.books.push_back(&other);
    }
    const QString name = QLatin1String(group.name);
    scope.name =
        int(scope.books.size()) == group.size()
            ? QStringLiteral("%1 kitab %2").arg(scope.books.size()).arg(name)
            : QStringLiteral("%1 kitab %2 dalam database ini").arg(scope.books.size()).arg(name);
    return scope;
}

// "terpanjang kedua" or "terpendek" by verse count, counted from the nearer end.
QString LengthRank(const BookFacts& book, const Scope& scope) {
    int longer = 0;
    int shorter = 0;
    for (const BookFacts* other : scope.books) {
        longer += other->verses > book.verses ? 1 : 0;
        shorter += other->verses < book.verses ? 1 : 0;
    }
    if (longer <= shorter)
        return longer == 0 ? QStringLiteral("terpanjang")
                           : QStringLiteral("terpanjang %1").arg(Ordinal(longer + 1));
    return shorter == 0 ? QStringLiteral("terpendek")
                        : QStringLiteral("terpendek %1").arg(Ordinal(shorter + 1));
}

int Total(const Scope& scope, int BookFacts::*field) {
    int total = 0;
    for (const BookFacts* other : scope.books)
        total += other->*field;
    return total;
}

QString PlaceInTestament(const BookFacts& book) {
    const int index =
        book.oldTestament ? book.position : book.position - scripture::kOldTestamentBooks;
    const int count = TestamentBooks(book.oldTestament);
    return QStringLiteral("kitab %1 dari %2 kitab %3")
        .arg(OrdinalOf(index, count))
        .arg(count)
        .arg(TestamentName(book.oldTestament));
}

QString PlaceInGroup(const BookFacts& book) {
    const scripture::BookGroup& group = GroupOf(book.position);
    const QString name = QLatin1String(group.name);
    if (group.size() == 1)
        return QStringLiteral("satu-satunya kitab dalam kelompok %1").arg(name);
    return QStringLiteral("kitab %1 dari %2 kitab dalam kelompok %3")
        .arg(OrdinalOf(book.position - group.first + 1, group.size()))
        .arg(group.size())
        .arg(name);
}

QString Neighbours(const BookFacts& book) {
    const QString before = scripture::CanonicalName(book.position - 1);
    const QString after = scripture::CanonicalName(book.position + 1);
    if (before.isEmpty())
        return QStringLiteral("%1 adalah kitab pertama Alkitab; sesudahnya menyusul %2.")
            .arg(book.name, after);
    if (after.isEmpty())
        return QStringLiteral("%1 adalah kitab terakhir Alkitab, sesudah %2.")
            .arg(book.name, before);
    return QStringLiteral("Dalam urutan kanon, %1 terletak sesudah %2 dan sebelum %3.")
        .arg(book.name, before, after);
}

QString Share(const BookFacts& book, const std::vector<BookFacts>& all) {
    const Scope bible = BibleScope(all);
    const int total = Total(bible, &BookFacts::verses);
    if (total == 0)
        return {};
    return QStringLiteral("%1% dari ayat-ayat %2")
        .arg(Decimal(100.0 * book.verses / total, book.verses * 1000 < total ? 2 : 1))
        .arg(bible.name);
}

QString WriteIntro(const BookFacts& book, const std::vector<BookFacts>& all) {
    QStringList sentences;
    sentences << QStringLiteral("%1 adalah %2 dan kitab %3 dalam urutan Alkitab.")
                     .arg(book.name, PlaceInTestament(book), Ordinal(book.position));
    sentences << QStringLiteral("Dalam pembagian kitab-kitab, %1 adalah %2.")
                     .arg(book.name, PlaceInGroup(book));
    const QString chapters = book.chapters == 1
                                 ? QStringLiteral("satu pasal")
                                 : QStringLiteral("%1 pasal").arg(Number(book.chapters));
    QString size = QStringLiteral("%1 terdiri atas %2 dengan %3 ayat")
                       .arg(book.name, chapters, Number(book.verses));
    if (const QString share = Share(book, all); !share.isEmpty())
        size += QStringLiteral(", atau %1").arg(share);
    sentences << size + u'.';
    const Scope testament = TestamentScope(book, all);
    sentences << QStringLiteral("Menurut jumlah ayat, kitab ini adalah kitab %1 di antara %2.")
                     .arg(LengthRank(book, testament), testament.name);
    sentences << Neighbours(book);
    if (!book.headings.isEmpty())
        sentences
            << QStringLiteral("Isinya terbagi dalam %1 perikop.").arg(Number(book.headings.size()));
    return sentences.join(u' ');
}

QString WritePengantar(const BookFacts& book, const std::vector<BookFacts>& all) {
    QStringList lines;
    lines << QStringLiteral("Kitab: %1").arg(book.name);
    lines << QStringLiteral("Perjanjian: %1, %2")
                 .arg(TestamentName(book.oldTestament), PlaceInTestament(book));
    lines << QStringLiteral("Urutan dalam Alkitab: ke-%1 dari %2 kitab")
                 .arg(book.position)
                 .arg(scripture::kCanonBooks);
    lines << QStringLiteral("Kelompok: %1").arg(PlaceInGroup(book));
    lines << QStringLiteral("Jumlah pasal: %1").arg(Number(book.chapters));
    QString verses = QStringLiteral("Jumlah ayat: %1").arg(Number(book.verses));
    if (book.chapters > 1) {
        verses += QStringLiteral(" (rata-rata %1 ayat per pasal)")
                      .arg(Decimal(double(book.verses) / book.chapters));
    }
    lines << verses;
    if (const QString share = Share(book, all); !share.isEmpty())
        lines << QStringLiteral("Persentase ayat: %1").arg(share);
    if (const QString before = scripture::CanonicalName(book.position - 1); !before.isEmpty())
        lines << QStringLiteral("Kitab sebelumnya: %1").arg(before);
    if (const QString after = scripture::CanonicalName(book.position + 1); !after.isEmpty())
        lines << QStringLiteral("Kitab sesudahnya: %1").arg(after);
    if (!book.headings.isEmpty())
        lines << QStringLiteral("Jumlah perikop: %1").arg(Number(book.headings.size()));
    return lines.join(Crlf);
}

QStringList OneChapterBooks(const std::vector<BookFacts>& all) {
    QStringList names;
    for (const BookFacts& other : all) {
        if (other.chapters == 1)
            names << other.name;
    }
    return names;
}

QString ChapterCountFeature(const BookFacts& book, const std::vector<BookFacts>& all) {
    const Scope bible = BibleScope(all);
    if (book.chapters == 1) {
        const QStringList single = OneChapterBooks(all);
        return QStringLiteral("Kitab ini hanya terdiri atas satu pasal; di %1 ada %2 kitab "
                              "satu pasal: %3.")
            .arg(bible.name)
            .arg(single.size())
            .arg(JoinAnd(single));
    }
    const bool most = std::none_of(bible.books.begin(), bible.books.end(),
                                   [&](const BookFacts* o) { return o->chapters > book.chapters; });
    if (most)
        return QStringLiteral("Dengan %1 pasal, kitab ini memiliki pasal terbanyak di %2.")
            .arg(Number(book.chapters), bible.name);
    const Scope testament = TestamentScope(book, all);
    if (testament.books.empty())
        return {};
    const double average = double(Total(testament, &BookFacts::chapters)) / testament.books.size();
    return QStringLiteral("Jumlah pasalnya (%1) %2 rata-rata %3, yaitu %4 pasal per kitab.")
        .arg(Number(book.chapters),
             book.chapters >= average ? QStringLiteral("di atas") : QStringLiteral("di bawah"),
             testament.name, Decimal(average));
}

QString ChapterLengthFeature(const BookFacts& book, const std::vector<BookFacts>& all) {
    const Scope bible = BibleScope(all);
    const int chapters = Total(bible, &BookFacts::chapters);
    if (book.chapters == 0 || chapters == 0)
        return {};
    const double own = double(book.verses) / book.chapters;
    const double average = double(Total(bible, &BookFacts::verses)) / chapters;
    const QString subject = book.chapters == 1 ? QStringLiteral("Satu-satunya pasalnya memuat")
                                               : QStringLiteral("Pasal-pasalnya rata-rata");
    return QStringLiteral("%1 %2 ayat, %3 rata-rata %4 (%5 ayat per pasal).")
        .arg(subject, book.chapters == 1 ? Number(book.verses) : Decimal(own),
             own >= average ? QStringLiteral("lebih panjang daripada")
                            : QStringLiteral("lebih pendek daripada"),
             bible.name, Decimal(average));
}

QString WriteCiriKhas(const BookFacts& book, const std::vector<BookFacts>& all) {
    QStringList features;
    const Scope testament = TestamentScope(book, all);
    const Scope bible = BibleScope(all);
    features << QStringLiteral("Menurut jumlah ayat, %1 adalah kitab %2 di antara %3 dan %4 di %5.")
                    .arg(book.name, LengthRank(book, testament), testament.name,
                         LengthRank(book, bible), bible.name);
    if (const Scope group = GroupScope(book, all); group.books.size() > 1) {
        features << QStringLiteral("Di antara %1, %2 adalah yang %3.")
                        .arg(group.name, book.name, LengthRank(book, group));
    }
    features << ChapterCountFeature(book, all);
    features << ChapterLengthFeature(book, all);
    if (!book.headings.isEmpty() && book.chapters > 1) {
        features << QStringLiteral("Ada %1 perikop, rata-rata %2 perikop per pasal.")
                        .arg(Number(book.headings.size()),
                             Decimal(double(book.headings.size()) / book.chapters));
    }
    features.removeAll(QString());
    for (QString& feature : features)
        feature.prepend(QStringLiteral("- "));
    return features.join(Crlf);
}

// One line per chapter in which headings start; numbered headings when their chapters are unknown.
QString WriteSurvai(const BookFacts& book) {
    if (book.headings.isEmpty())
        return QStringLiteral("Judul-judul perikop %1 belum tersedia dalam database ini.")
            .arg(book.name);
    QStringList lines{
        QStringLiteral("Garis besar %1 menurut judul-judul perikopnya (%2 perikop, %3 pasal):")
            .arg(book.name, Number(book.headings.size()), Number(book.chapters))};
    if (book.headingChapters.size() != book.headings.size()) {
        for (int i = 0; i < book.headings.size(); ++i)
            lines << QStringLiteral("%1. %2").arg(i + 1).arg(book.headings.at(i));
        return lines.join(Crlf);
    }
    for (int i = 0; i < book.headings.size(); ++i) {
        const int chapter = book.headingChapters.at(i);
        if (i == 0 || chapter != book.headingChapters.at(i - 1))
            lines << QStringLiteral("Pasal %1: %2").arg(chapter).arg(book.headings.at(i));
        else
            lines.last() += QStringLiteral("; ") + book.headings.at(i);
    }
    return lines.join(Crlf);
}

} // namespace

BookTexts WriteBookTexts(const BookFacts& book, const std::vector<BookFacts>& all) {
    return {WriteIntro(book, all), WritePengantar(book, all), WriteCiriKhas(book, all),
            WriteSurvai(book)};
}

} // namespace import
