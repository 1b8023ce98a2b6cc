#include "import/StoreBounds.h"

namespace import {

namespace {

// The summary line names this many examples of each kind.
constexpr int kExamples = 5;

QString Examples(int count, const QStringList& first) {
    QString text = first.join(QStringLiteral(", "));
    if (count > first.size())
        text += QStringLiteral(", ...");
    return text;
}

// A whole chapter is named by its number alone.
QString Written(const scripture::LocationKey& key) {
    if (key.firstVerse == 0)
        return QStringLiteral("%1#%2").arg(key.book).arg(key.chapter);
    return scripture::FormatLocationKey(key);
}

} // namespace

void StoreBounds::addChapter(const QString& book, int chapter, int verses) {
    std::vector<int>& chapters = books_[book];
    if (chapter < 1)
        return;
    if (int(chapters.size()) < chapter)
        chapters.resize(size_t(chapter), 0);
    chapters[size_t(chapter - 1)] = verses;
}

bool StoreBounds::hasBook(const QString& book) const {
    return books_.count(book) > 0;
}

int StoreBounds::verses(const QString& book, int chapter) const {
    const auto found = books_.find(book);
    if (found == books_.end() || chapter < 1 || chapter > int(found->second.size()))
        return 0;
    return found->second[chapter - 1];
}

QString StoreBounds::fault(const scripture::LocationKey& key) const {
    if (!hasBook(key.book))
        return QStringLiteral("kitab %1 tidak ada dalam database").arg(key.book);
    const int last = verses(key.book, key.chapter);
    if (last == 0)
        return QStringLiteral("%1 tidak memiliki pasal %2").arg(key.book).arg(key.chapter);
    if (key.firstVerse > last || key.lastVerse > last) {
        return QStringLiteral("%1 %2 hanya sampai ayat %3")
            .arg(key.book)
            .arg(key.chapter)
            .arg(last);
    }
    return {};
}

std::optional<scripture::LocationKey> StoreBounds::fit(const scripture::LocationKey& key,
                                                       bool* cut) const {
    if (cut)
        *cut = false;
    const int last = verses(key.book, key.chapter);
    if (last == 0 || key.firstVerse > last || key.firstVerse < 0)
        return std::nullopt;
    scripture::LocationKey fitted = key;
    if (key.firstVerse == 0) {
        fitted.firstVerse = 1;
        fitted.lastVerse = last;
    } else if (key.lastVerse > last) {
        fitted.lastVerse = last;
        if (cut)
            *cut = true;
    }
    if (fitted.lastVerse <= fitted.firstVerse)
        fitted.lastVerse = 0;
    return fitted;
}

std::optional<scripture::LocationKey> LeftOut::fit(const StoreBounds& bounds,
                                                   const scripture::LocationKey& key) {
    bool wasCut = false;
    const std::optional<scripture::LocationKey> fitted = bounds.fit(key, &wasCut);
    if (!fitted)
        leave(Written(key));
    else if (wasCut)
        cut(Written(key));
    return fitted;
}

void LeftOut::note(Tally& tally, const QString& reference) {
    if (++tally.count <= kExamples)
        tally.first << reference;
}

QString LeftOut::summary() const {
    QStringList parts;
    if (left_.count > 0) {
        parts << QStringLiteral("%1 rujukan ke ayat yang tidak ada ditinggalkan (%2)")
                     .arg(left_.count)
                     .arg(Examples(left_.count, left_.first));
    }
    if (cut_.count > 0) {
        parts << QStringLiteral("%1 rentang dipotong sampai akhir pasal (%2)")
                     .arg(cut_.count)
                     .arg(Examples(cut_.count, cut_.first));
    }
    if (parts.isEmpty())
        return {};
    return QStringLiteral("%1: %2.").arg(table_, parts.join(QStringLiteral("; ")));
}

} // namespace import
