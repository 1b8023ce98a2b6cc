#include "import/Markup.h"

#include "import/ControlCodes.h"

#include <QRegularExpression>
#include <QStringList>
#include <map>

namespace import {

namespace {

const std::map<QString, QString>& NamedEntities() {
    static const std::map<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("ndash"), QStringLiteral("\u2013")},
        {QStringLiteral("mdash"), QStringLiteral("\u2014")},
        {QStringLiteral("hellip"), QStringLiteral("\u2026")},
        {QStringLiteral("lsquo"), QStringLiteral("\u2018")},
        {QStringLiteral("rsquo"), QStringLiteral("\u2019")},
        {QStringLiteral("ldquo"), QStringLiteral("\u201c")},
        {QStringLiteral("rdquo"), QStringLiteral("\u201d")},
        {QStringLiteral("laquo"), QStringLiteral("\u00ab")},
        {QStringLiteral("raquo"), QStringLiteral("\u00bb")},
        {QStringLiteral("middot"), QStringLiteral("\u00b7")},
        {QStringLiteral("para"), QStringLiteral("\u00b6")},
        {QStringLiteral("sect"), QStringLiteral("\u00a7")},
        {QStringLiteral("copy"), QStringLiteral("\u00a9")},
        {QStringLiteral("deg"), QStringLiteral("\u00b0")},
        {QStringLiteral("dagger"), QStringLiteral("\u2020")},
        {QStringLiteral("szlig"), QStringLiteral("\u00df")},
        {QStringLiteral("aelig"), QStringLiteral("\u00e6")},
        {QStringLiteral("AElig"), QStringLiteral("\u00c6")},
        {QStringLiteral("oslash"), QStringLiteral("\u00f8")},
        {QStringLiteral("Oslash"), QStringLiteral("\u00d8")},
        {QStringLiteral("shy"), QString()}};
    return named;
}

// The combining mark of each accent an entity may name ("eacute", "Uuml").
const std::map<QString, char16_t>& AccentMarks() {
    static const std::map<QString, char16_t> marks = {
        {QStringLiteral("acute"), u'\u0301'}, {QStringLiteral("grave"), u'\u0300'},
        {QStringLiteral("circ"), u'\u0302'},  {QStringLiteral("uml"), u'\u0308'},
        {QStringLiteral("tilde"), u'\u0303'}, {QStringLiteral("cedil"), u'\u0327'},
        {QStringLiteral("ring"), u'\u030a'},  {QStringLiteral("caron"), u'\u030c'}};
    return marks;
}

// The character an entity names, or an accented letter named the HTML way (&eacute;).
QString NamedCharacter(const QString& name) {
    for (const QString& key : {name, name.toLower()}) {
        if (const auto found = NamedEntities().find(key); found != NamedEntities().end())
            return found->second;
    }
    const auto mark = AccentMarks().find(name.mid(1));
    if (mark == AccentMarks().end())
        return {};
    return (name.left(1) + QChar(mark->second)).normalized(QString::NormalizationForm_C);
}

// The character of "#233", "#x2014" or "eacute"; empty for an entity that names none.
QString EntityText(const QString& body) {
    if (!body.startsWith(u'#'))
        return NamedCharacter(body);
    const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
    bool ok = false;
    const uint code = body.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    if (!ok || code == 0 || code > 0x10FFFF || QChar::isSurrogate(code))
        return {};
    const char32_t c = code;
    return QString::fromUcs4(&c, 1);
}

// &amp;, &lt;, &#233; ... replaced by their characters. An entity that names no character
// is left out rather than shown as written. "&amp;gt;" is markup escaped twice: the bracket
// it stands for is what is left of a tag and is left out too.
QString DecodeEntities(const QString& text) {
    if (!text.contains(u'&'))
        return text;
    static const QRegularExpression entity(
        QStringLiteral("&((?:amp;)*)(#[xX][0-9a-fA-F]+|#[0-9]+|[A-Za-z][A-Za-z0-9]*);"));
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += text.mid(last, match.capturedStart() - last);
        last = match.capturedEnd();
        const QString decoded = EntityText(match.captured(2));
        const bool escapedTwice = !match.captured(1).isEmpty();
        if (!escapedTwice || (decoded != u"<" && decoded != u">"))
            out += decoded;
    }
    out += text.mid(last);
    return out;
}

// A tag that escaped markup decoded into ("&lt;i&gt;"): markup, not text.
QString WithoutTags(QString text) {
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z][^<>]*>"));
    return text.remove(tag);
}

struct Tag {
    QString name;
    QString attributes;
    bool closing = false;
    bool selfClosing = false;
};

Tag ParseTag(const QString& inner) {
    Tag tag;
    QString body = inner.trimmed();
    if (body.startsWith(u'/')) {
        tag.closing = true;
        body.remove(0, 1);
    }
    if (body.endsWith(u'/')) {
        tag.selfClosing = true;
        body.chop(1);
    }
    qsizetype blank = 0;
    while (blank < body.size() && !body[blank].isSpace())
        ++blank;
    tag.name = body.left(blank);
    tag.attributes = body.mid(blank + 1);
    return tag;
}

// Calls onText for each run of text and onTag for each tag, in document order.
template <typename TextFn, typename TagFn>
void Scan(const QString& markup, TextFn onText, TagFn onTag) {
    qsizetype i = 0;
    const qsizetype n = markup.size();
    while (i < n) {
        const qsizetype lt = markup.indexOf(u'<', i);
        const qsizetype gt = lt < 0 ? -1 : markup.indexOf(u'>', lt);
        if (lt < 0 || gt < 0) {
            onText(markup.mid(i));
            return;
        }
        if (lt > i)
            onText(markup.mid(i, lt - i));
        const QString inner = markup.mid(lt + 1, gt - lt - 1);
        if (!inner.startsWith(u'!') && !inner.startsWith(u'?'))
            onTag(ParseTag(inner));
        i = gt + 1;
    }
}

// The closing tag name that ends an element whose content is not text to keep; empty for
// elements whose content stays. Readable text keeps headings, speakers and inline references.
// GBF closes with the second letter in lower case (<RF>..<Rf>).
QString SkippedUntil(const Tag& tag, bool readable) {
    if (tag.closing || tag.selfClosing)
        return {};
    const QString& name = tag.name;
    if (name == u"note" || name == u"rdg")
        return name;
    if (name == u"RF" || name == u"FN")
        return name.left(1) + name.mid(1).toLower();
    if (readable)
        return {};
    if (name == u"scripRef" || name == u"speaker")
        return name;
    if (name == u"title" && AttributeValue(tag.attributes, QStringLiteral("canonical")) != u"true")
        return name;
    if (name == u"TS")
        return QStringLiteral("Ts");
    return {};
}

bool IsBlockTag(const QString& name) {
    static const QStringList blocks = {
        QStringLiteral("lb"),     QStringLiteral("br"),    QStringLiteral("p"),
        QStringLiteral("div"),    QStringLiteral("title"), QStringLiteral("row"),
        QStringLiteral("item"),   QStringLiteral("list"),  QStringLiteral("l"),
        QStringLiteral("lg"),     QStringLiteral("CM"),    QStringLiteral("table"),
        QStringLiteral("chapter")};
    return blocks.contains(name);
}

bool OpensWord(QChar c) {
    return c.isSpace() || c == u'(' || c == u'[' || c == u'\u201c' || c == u'\u2018' || c == u'"';
}

// Collects text, dropping skipped elements. A dropped note often sits between two words with no
// blank on either side ("God<note/>created"), so one blank is put back there.
class TextCollector {
public:
    explicit TextCollector(bool readable) : readable_(readable) {}

    void text(const QString& run) {
        if (!skipName_.isEmpty() || run.isEmpty())
            return;
        const QString decoded = codes_.text(DecodeEntities(run));
        if (joinAfterSkip_ && !out_.isEmpty() && !OpensWord(out_.back()) && !decoded.isEmpty() &&
            decoded.front().isLetterOrNumber())
            out_ += u' ';
        joinAfterSkip_ = false;
        out_ += decoded;
    }

    void tag(const Tag& tag) {
        if (!skipName_.isEmpty()) {
            if (tag.name == skipOpen_ && !tag.closing && !tag.selfClosing)
                ++skipDepth_;
            else if (tag.closing && tag.name == skipName_ && --skipDepth_ == 0) {
                skipName_.clear();
                joinAfterSkip_ = true;
            } else if (!tag.closing && tag.name == skipName_ && skipName_ != skipOpen_ &&
                       --skipDepth_ == 0) {
                skipName_.clear(); // GBF closing tags carry no slash
                joinAfterSkip_ = true;
            }
            return;
        }
        const QString until = SkippedUntil(tag, readable_);
        if (!until.isEmpty()) {
            skipName_ = until;
            skipOpen_ = tag.name;
            skipDepth_ = 1;
            return;
        }
        if (readable_ && IsBlockTag(tag.name))
            out_ += u'\n';
        else if (tag.name == u"br" || tag.name == u"lb" || tag.name == u"CM" || tag.name == u"cell")
            out_ += u' ';
    }

    const QString& result() const { return out_; }

private:
    bool readable_;
    ControlCodes codes_;
    QString out_;
    QString skipName_;
    QString skipOpen_;
    int skipDepth_ = 0;
    bool joinAfterSkip_ = false;
};

QString Collect(const QString& markup, bool readable) {
    TextCollector collector(readable);
    Scan(
        markup, [&](const QString& run) { collector.text(run); },
        [&](const Tag& tag) { collector.tag(tag); });
    return collector.result();
}

} // namespace

QString PlainVerseText(const QString& markup) {
    return WithoutTags(Collect(markup, false)).simplified();
}

QString ReadableText(const QString& markup) {
    const QStringList lines = WithoutTags(Collect(markup, true)).split(u'\n');
    QStringList kept;
    for (const QString& line : lines) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            kept << simple;
    }
    return kept.join(QStringLiteral("\r\n"));
}

std::vector<NoteReference> CrossReferenceNotes(const QString& markup) {
    std::vector<NoteReference> found;
    int noteDepth = 0;
    bool inCrossReference = false;
    int referenceDepth = 0;
    NoteReference current;
    Scan(
        markup,
        [&](const QString& run) {
            if (referenceDepth > 0)
                current.text += DecodeEntities(run);
        },
        [&](const Tag& tag) {
            if (tag.name == u"note" && !tag.selfClosing) {
                if (!tag.closing && noteDepth++ == 0)
                    inCrossReference =
                        AttributeValue(tag.attributes, QStringLiteral("type")) == u"crossReference";
                else if (tag.closing && noteDepth > 0)
                    --noteDepth;
                return;
            }
            if (!inCrossReference || noteDepth == 0 || tag.name != u"reference" || tag.selfClosing)
                return;
            if (!tag.closing) {
                // The reference that names the note's own verse is not a target.
                if (AttributeValue(tag.attributes, QStringLiteral("type")) == u"annotateRef")
                    return;
                if (referenceDepth++ == 0)
                    current = {AttributeValue(tag.attributes, QStringLiteral("osisRef")), {}};
            } else if (referenceDepth > 0 && --referenceDepth == 0) {
                current.text = current.text.simplified();
                if (!current.text.isEmpty() || !current.osisRef.isEmpty())
                    found.push_back(current);
            }
        });
    return found;
}

std::vector<MarkupResidue> FindMarkupResidue(const QString& text) {
    static const QRegularExpression residue(
        QStringLiteral("\\\\(?:\\+?[A-Za-z]+\\d*\\*?|['\\\\{}])|</?[A-Za-z!?][^<>]*>"
                       "|&(?:#[xX][0-9a-fA-F]+|#[0-9]+|[A-Za-z][A-Za-z0-9]*);"));
    std::vector<MarkupResidue> found;
    if (!text.contains(u'\\') && !text.contains(u'<') && !text.contains(u'&'))
        return found;
    for (auto it = residue.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        found.push_back({match.capturedStart(), match.captured(0)});
    }
    return found;
}

QString AttributeValue(const QString& attributes, const QString& name) {
    qsizetype i = 0;
    const qsizetype n = attributes.size();
    while (i < n) {
        while (i < n && attributes[i].isSpace())
            ++i;
        const qsizetype nameStart = i;
        while (i < n && attributes[i] != u'=' && !attributes[i].isSpace())
            ++i;
        const QStringView found = QStringView(attributes).mid(nameStart, i - nameStart);
        while (i < n && attributes[i].isSpace())
            ++i;
        if (i >= n || attributes[i] != u'=')
            continue;
        ++i;
        while (i < n && attributes[i].isSpace())
            ++i;
        if (i >= n || (attributes[i] != u'"' && attributes[i] != u'\''))
            return {};
        const QChar quote = attributes[i++];
        const qsizetype close = attributes.indexOf(quote, i);
        if (close < 0)
            return {};
        if (found == name)
            return DecodeEntities(attributes.mid(i, close - i));
        i = close + 1;
    }
    return {};
}

} // namespace import
