#include "import/Outline.h"

#include "import/Markup.h"
#include "scripture/Notations.h"

#include <QRegularExpression>

namespace import {

namespace {

// A summary longer than this is a paragraph of commentary, not a heading.
constexpr int kLongestSummary = 160;

QString CleanHeading(const QString& markup) {
    QString heading = PlainVerseText(markup);
    while (heading.endsWith(u'.') || heading.endsWith(u',') || heading.endsWith(u';'))
        heading.chop(1);
    return heading.trimmed();
}

// "(3-12)", "(15)", "(1, 2)": the first and the last number; a last part naming another
// chapter ("16-7:5") runs to the end of this one.
bool ParseVerseSpan(const QString& text, int versesInChapter, OutlineEntry& entry) {
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QList<int> numbers;
    for (auto it = number.globalMatch(text); it.hasNext();)
        numbers << it.next().captured(0).toInt();
    if (numbers.isEmpty() || numbers.first() <= 0)
        return false;
    entry.firstVerse = numbers.first();
    int last = text.contains(u':') ? versesInChapter : numbers.last();
    entry.lastVerse = last > entry.firstVerse ? last : 0;
    return true;
}

std::vector<OutlineEntry> OutlineRows(const QString& markup, int versesInChapter) {
    static const QRegularExpression row(
        QStringLiteral("<row>\\s*<cell>(.*?)</cell>\\s*<cell>\\s*(\\([^<]*\\))\\s*</cell>"),
        QRegularExpression::DotMatchesEverythingOption);
    std::vector<OutlineEntry> entries;
    for (auto it = row.globalMatch(markup); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        OutlineEntry entry;
        entry.heading = CleanHeading(match.captured(1));
        if (!entry.heading.isEmpty() && ParseVerseSpan(match.captured(2), versesInChapter, entry))
            entries.push_back(entry);
    }
    return entries;
}

// "Heading one. (Eccl. 1:1-3) Heading two. (Eccl. 1:4-8)": sections named in running text.
std::vector<OutlineEntry> SummarySections(const QString& summary, int versesInChapter) {
    static const QRegularExpression section(
        QStringLiteral("([^()]+?)\\s*\\([^()]*?\\d+:(\\d+)(?:\\s*-\\s*(\\d+))?\\s*\\)"));
    std::vector<OutlineEntry> entries;
    for (auto it = section.globalMatch(summary); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        OutlineEntry entry;
        entry.heading = CleanHeading(match.captured(1));
        if (entry.heading.isEmpty() ||
            !ParseVerseSpan(match.captured(2) + u'-' + match.captured(3), versesInChapter, entry))
            continue;
        entries.push_back(entry);
    }
    return entries;
}

// A chapter without an outline table states its sections, or one summary, after its title.
std::vector<OutlineEntry> ChapterSummary(const QString& markup, int versesInChapter) {
    static const QRegularExpression summary(
        QStringLiteral("<title[^>]*>\\s*Chapter\\s+\\d+\\s*</title>(.*?)"
                       "(?:<hi type=\"bold\">|<div[^>]*type=\"introduction\")"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = summary.match(markup);
    if (!match.hasMatch() || versesInChapter <= 0)
        return {};
    const QString text = PlainVerseText(match.captured(1));
    std::vector<OutlineEntry> entries = SummarySections(text, versesInChapter);
    if (!entries.empty())
        return entries;
    OutlineEntry entry{CleanHeading(text), 1, versesInChapter > 1 ? versesInChapter : 0};
    if (entry.heading.isEmpty() || entry.heading.size() > kLongestSummary)
        return {};
    return {entry};
}

} // namespace

std::vector<OutlineEntry> ChapterOutline(const QString& chapterMarkup, int versesInChapter) {
    std::vector<OutlineEntry> entries = OutlineRows(chapterMarkup, versesInChapter);
    if (entries.empty())
        entries = ChapterSummary(chapterMarkup, versesInChapter);
    return entries;
}

QStringList PerikopLines(const QString& book, int chapter,
                         const std::vector<OutlineEntry>& entries) {
    QStringList lines;
    for (const OutlineEntry& entry : entries) {
        // The index splits a line at "==" and at line breaks: a heading must hold neither.
        QString heading = entry.heading;
        heading.replace(u'\r', u' ').replace(u'\n', u' ');
        while (heading.contains(QStringLiteral("==")))
            heading.replace(QStringLiteral("=="), QStringLiteral("="));
        const scripture::LocationKey key{book, chapter, entry.firstVerse, entry.lastVerse};
        lines << scripture::FormatPericopeLine({heading, scripture::FormatLocationKey(key)});
    }
    return lines;
}

} // namespace import
