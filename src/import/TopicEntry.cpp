#include "import/TopicEntry.h"

#include "import/Markup.h"

#include <QRegularExpression>
#include <algorithm>

namespace import {

namespace {

// Writes references the way the module does, shortened while the book or chapter repeats:
// "Yosua 21:4,10; I Tawarikh 6:2,3; 23:13".
class CompactWriter {
public:
    QString write(const scripture::LocationKey& key) {
        QString verses = QString::number(key.firstVerse);
        if (key.lastVerse > 0)
            verses += u'-' + QString::number(key.lastVerse);
        QString text;
        if (key.book == book_ && key.chapter == chapter_)
            text = verses;
        else if (key.book == book_)
            text = QString::number(key.chapter) + u':' + verses;
        else
            text = scripture::FormatDisplayReference(key);
        book_ = key.book;
        chapter_ = key.chapter;
        return text;
    }
    void reset() { book_.clear(); }

private:
    QString book_;
    int chapter_ = 0;
};

} // namespace

TopicEntry ParseTopicEntry(const QString& key, const QString& markup, const VerseCount& versesIn) {
    static const QRegularExpression token(
        QStringLiteral("<lb\\s*/>|<item>|<ref\\s+osisRef=\"([^\"]*)\"[^>]*>(.*?)</ref>"),
        QRegularExpression::DotMatchesEverythingOption);
    TopicEntry entry;
    entry.headword = HeadwordCase(key.trimmed());
    entry.groups.emplace_back();
    CompactWriter writer;
    QString rewritten;
    qsizetype last = 0;
    for (auto it = token.globalMatch(markup); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        rewritten += markup.mid(last, match.capturedStart() - last);
        last = match.capturedEnd();
        if (match.captured(1).isNull()) {
            rewritten += match.captured(0);
            if (!entry.groups.back().empty())
                entry.groups.emplace_back();
            writer.reset();
            continue;
        }
        const std::optional<scripture::LocationKey> ref =
            LocationOfOsisRef(match.captured(1), versesIn);
        if (!ref) {
            rewritten += match.captured(2);
            continue;
        }
        rewritten += writer.write(*ref);
        entry.groups.back().push_back(*ref);
        if (std::find(entry.references.begin(), entry.references.end(), *ref) ==
            entry.references.end())
            entry.references.push_back(*ref);
    }
    rewritten += markup.mid(last);
    if (entry.groups.back().empty())
        entry.groups.pop_back();
    entry.explanation = ReadableText(rewritten);
    return entry;
}

QString HeadwordCase(const QString& headword) {
    if (headword != headword.toUpper())
        return headword;
    QString text = headword.toLower();
    bool wordStart = true;
    for (QChar& c : text) {
        if (wordStart && c.isLetter())
            c = c.toUpper();
        wordStart = !c.isLetter() && c != u'\'' && c != u'\u2019';
    }
    return text;
}

} // namespace import
