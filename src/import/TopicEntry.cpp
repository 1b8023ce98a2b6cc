#include "import/TopicEntry.h"

#include "import/Markup.h"
#include "import/NaveReferences.h"

#include <QRegularExpression>
#include <algorithm>

namespace import {

namespace {

// The module's verse tags, kept as their text: the references are read from the text itself.
QString WithoutVerseTags(const QString& markup) {
    static const QRegularExpression verseTag(
        QStringLiteral("<ref\\s+osisRef=\"[^\"]*\"[^>]*>(.*?)</ref>"),
        QRegularExpression::DotMatchesEverythingOption);
    QString text = markup;
    return text.replace(verseTag, QStringLiteral("\\1"));
}

class EntryReader {
public:
    EntryReader(TopicEntry& entry, const ReferenceFit& fit) : entry_(entry), fit_(fit) {
        entry_.groups.emplace_back();
    }

    void tag(const QString& tag) {
        static const QRegularExpression breaks(QStringLiteral("^<(lb\\s*/|item)>$"));
        if (breaks.match(tag).hasMatch() && !entry_.groups.back().empty())
            entry_.groups.emplace_back();
        text_ += tag;
        dropLeading_ = false;
    }

    void text(const QString& run) {
        qsizetype last = 0;
        for (const ReferenceRun& reference : FindNaveReferences(run)) {
            append(run.mid(last, reference.start - last));
            last = reference.start + reference.length;
            const QString written = WriteReferenceRun(kept(reference.keys));
            if (written.isEmpty()) {
                dropSeparator();
                continue;
            }
            if (reference.glued)
                text_ += u' ';
            text_ += written;
        }
        append(run.mid(last));
    }

    QString written() const { return text_; }

private:
    // A run of references left out takes one separator next to it along: "A 1:1; B 9:9; C 2:2"
    // becomes "A 1:1; C 2:2", never "A 1:1; ; C 2:2".
    void dropSeparator() {
        static const QRegularExpression trailing(QStringLiteral("[;,]\\s*$"));
        const QRegularExpressionMatch match = trailing.match(text_);
        if (match.hasMatch())
            text_.truncate(match.capturedStart());
        else
            dropLeading_ = true;
    }

    void append(const QString& chunk) {
        static const QRegularExpression leading(QStringLiteral("^\\s*[;,]"));
        text_ += dropLeading_ ? QString(chunk).remove(leading) : chunk;
        dropLeading_ = dropLeading_ && chunk.trimmed().isEmpty();
    }

    std::vector<scripture::LocationKey> kept(const std::vector<scripture::LocationKey>& keys) {
        std::vector<scripture::LocationKey> fitted;
        for (const scripture::LocationKey& key : keys) {
            const std::optional<scripture::LocationKey> ref = fit_(key);
            if (!ref)
                continue;
            // The explanation names a whole chapter by its number; the lists need its verses.
            fitted.push_back(key.firstVerse == 0 ? key : *ref);
            entry_.groups.back().push_back(*ref);
            if (std::find(entry_.references.begin(), entry_.references.end(), *ref) ==
                entry_.references.end())
                entry_.references.push_back(*ref);
        }
        return fitted;
    }

    TopicEntry& entry_;
    const ReferenceFit& fit_;
    QString text_;
    bool dropLeading_ = false;
};

} // namespace

TopicEntry ParseTopicEntry(const QString& key, const QString& markup, const ReferenceFit& fit) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    TopicEntry entry;
    entry.headword = HeadwordCase(PlainVerseText(key));
    EntryReader reader(entry, fit);
    const QString source = WithoutVerseTags(markup);
    qsizetype last = 0;
    for (auto it = tag.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        reader.text(source.mid(last, match.capturedStart() - last));
        reader.tag(match.captured(0));
        last = match.capturedEnd();
    }
    reader.text(source.mid(last));
    if (entry.groups.back().empty())
        entry.groups.pop_back();
    entry.explanation = ReadableText(reader.written());
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
