#include "platform/IniDocument.h"

namespace platform {

namespace {

constexpr QChar kSeparator = u'\\';
constexpr QChar kEscape = u'%';
// Characters that end or split a name on reading, besides controls and the escape itself.
constexpr QStringView kNameSpecials = u"\\[]=;# ";

QString Folded(const QString& name) {
    return name.toCaseFolded();
}

// The length keeps "a\b" + "c" apart from "a" + "b\c".
QString GroupKey(const QString& app, const QString& section) {
    const QString folded = Folded(app);
    return QString::number(folded.size()) + u':' + folded + Folded(section);
}

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Only blanks are trimmed: other spaces (a no-break space) belong to the value.
QStringView TrimBlanks(QStringView text) {
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

QString Escape(const QString& text, bool isName) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // Blanks at either end of a value are escaped because reading trims them.
        const bool edgeBlank = IsBlank(c) && (i == 0 || i == text.size() - 1);
        const bool special = c == kEscape || c.unicode() < 0x20 || c.unicode() == 0x7F ||
                             edgeBlank || (isName && kNameSpecials.contains(c));
        if (special)
            out += kEscape + QString::number(c.unicode(), 16).rightJustified(2, u'0').toUpper();
        else
            out += c;
    }
    return out;
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// A "%" not followed by two hex digits is taken literally, as a hand edit might leave it.
QString Unescape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
        if (text[i] == kEscape && high >= 0 && low >= 0) {
            out += QChar(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// "[app\section]" with exactly one separator; nullopt for anything else.
std::optional<std::pair<QString, QString>> ParseHeader(QStringView line) {
    const QStringView inner = line.sliced(1);
    const qsizetype separator = inner.indexOf(kSeparator);
    if (!inner.endsWith(u']') || separator < 0 || inner.lastIndexOf(kSeparator) != separator)
        return std::nullopt;
    return std::pair{Unescape(inner.first(separator)),
                     Unescape(inner.sliced(separator + 1).chopped(1))};
}

} // namespace

IniDocument IniDocument::Parse(QStringView text) {
    IniDocument document;
    qsizetype current = -1;
    for (QStringView raw : text.split(u'\n')) {
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        const QStringView line = TrimBlanks(raw);
        if (line.isEmpty())
            continue;
        const bool header = line.startsWith(u'[');
        const auto name = header ? ParseHeader(line) : std::nullopt;
        if (name) {
            current = document.groupIndex(name->first, name->second);
            if (current < 0)
                current = document.addGroup(name->first, name->second);
            continue;
        }
        // A damaged header opens a block of its own, so its lines join no other group.
        if (header || current < 0) {
            document.blocks_.append(Block{});
            current = document.blocks_.size() - 1;
        }
        Block& block = document.blocks_[current];
        const qsizetype equals = line.indexOf(u'=');
        const QString key = equals > 0 ? Unescape(TrimBlanks(line.first(equals))) : QString();
        if (block.name && !key.isEmpty() && !header)
            setLine(block, key, Unescape(TrimBlanks(line.sliced(equals + 1))));
        else
            block.lines.append(Line{{}, {}, raw.toString()});
    }
    return document;
}

QString IniDocument::toText() const {
    QString text;
    for (const Block& block : blocks_) {
        if (!text.isEmpty())
            text += u'\n';
        if (block.name) {
            text += QLatin1Char('[') + Escape(block.name->first, true) + kSeparator +
                    Escape(block.name->second, true) + QLatin1String("]\n");
        }
        for (const Line& line : block.lines) {
            if (line.key.isEmpty())
                text += line.verbatim + u'\n';
            else
                text += Escape(line.key, true) + u'=' + Escape(line.value, false) + u'\n';
        }
    }
    return text;
}

std::optional<QString> IniDocument::value(const QString& app, const QString& section,
                                          const QString& key) const {
    const qsizetype g = groupIndex(app, section);
    if (g < 0)
        return std::nullopt;
    const Block& block = blocks_[g];
    const qsizetype e = block.keys.value(Folded(key), -1);
    if (e < 0)
        return std::nullopt;
    return block.lines[e].value;
}

bool IniDocument::setValue(const QString& app, const QString& section, const QString& key,
                           const QString& value) {
    qsizetype g = groupIndex(app, section);
    if (g < 0)
        g = addGroup(app, section);
    return setLine(blocks_[g], key, value);
}

bool IniDocument::setLine(Block& block, const QString& key, const QString& value) {
    const QString folded = Folded(key);
    const qsizetype e = block.keys.value(folded, -1);
    if (e < 0) {
        block.keys.insert(folded, block.lines.size());
        block.lines.append(Line{key, value, {}});
        return true;
    }
    if (block.lines[e].value == value)
        return false;
    block.lines[e].value = value;
    return true;
}

bool IniDocument::remove(const QString& app, const QString& section, const QString& key) {
    const qsizetype g = groupIndex(app, section);
    const qsizetype e = g < 0 ? -1 : blocks_[g].keys.value(Folded(key), -1);
    if (e < 0)
        return false;
    Block& block = blocks_[g];
    block.lines.removeAt(e);
    // Positions after the removed line moved, so the indexes are built again.
    block.keys.clear();
    for (qsizetype i = 0; i < block.lines.size(); ++i) {
        if (!block.lines[i].key.isEmpty())
            block.keys.insert(Folded(block.lines[i].key), i);
    }
    if (block.lines.isEmpty())
        removeBlock(g);
    return true;
}

void IniDocument::removeBlock(qsizetype index) {
    blocks_.removeAt(index);
    groups_.clear();
    for (qsizetype i = 0; i < blocks_.size(); ++i) {
        if (blocks_[i].name)
            groups_.insert(GroupKey(blocks_[i].name->first, blocks_[i].name->second), i);
    }
}

qsizetype IniDocument::groupIndex(const QString& app, const QString& section) const {
    return groups_.value(GroupKey(app, section), -1);
}

qsizetype IniDocument::addGroup(const QString& app, const QString& section) {
    blocks_.append(Block{std::pair{app, section}, {}, {}});
    groups_.insert(GroupKey(app, section), blocks_.size() - 1);
    return blocks_.size() - 1;
}

} // namespace platform
