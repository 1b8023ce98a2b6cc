#include "platform/IniDocument.h"

namespace platform {

namespace {

constexpr QChar kSeparator = u'\\';
constexpr QChar kEscape = u'%';
// Characters that end or split a name on reading, besides controls and the escape itself.
constexpr QStringView kNameSpecials = u"\\[]=;# ";

bool SameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
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

} // namespace

IniDocument IniDocument::Parse(QStringView text) {
    IniDocument document;
    std::optional<std::pair<QString, QString>> group;
    for (QStringView line : text.split(u'\n')) {
        line = TrimBlanks(line.endsWith(u'\r') ? line.chopped(1) : line);
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            group.reset();
            const QStringView inner = line.sliced(1);
            const qsizetype separator = inner.indexOf(kSeparator);
            // A damaged header drops its entries rather than filing them under another group.
            if (inner.endsWith(u']') && separator >= 0 &&
                inner.lastIndexOf(kSeparator) == separator)
                group.emplace(Unescape(inner.first(separator)),
                              Unescape(inner.sliced(separator + 1).chopped(1)));
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QString key = equals > 0 ? Unescape(TrimBlanks(line.first(equals))) : QString();
        if (group && !key.isEmpty())
            document.setValue(group->first, group->second, key,
                              Unescape(TrimBlanks(line.sliced(equals + 1))));
    }
    return document;
}

QString IniDocument::toText() const {
    QString text;
    for (const Group& group : groups_) {
        if (!text.isEmpty())
            text += u'\n';
        text += QLatin1Char('[') + Escape(group.app, true) + kSeparator +
                Escape(group.section, true) + QLatin1String("]\n");
        for (const Entry& entry : group.entries)
            text += Escape(entry.key, true) + u'=' + Escape(entry.value, false) + u'\n';
    }
    return text;
}

std::optional<QString> IniDocument::value(const QString& app, const QString& section,
                                          const QString& key) const {
    const qsizetype g = groupIndex(app, section);
    if (g < 0)
        return std::nullopt;
    const qsizetype e = entryIndex(groups_[g], key);
    if (e < 0)
        return std::nullopt;
    return groups_[g].entries[e].value;
}

bool IniDocument::setValue(const QString& app, const QString& section, const QString& key,
                           const QString& value) {
    qsizetype g = groupIndex(app, section);
    if (g < 0) {
        groups_.append({app, section, {}});
        g = groups_.size() - 1;
    }
    QList<Entry>& entries = groups_[g].entries;
    const qsizetype e = entryIndex(groups_[g], key);
    if (e < 0) {
        entries.append({key, value});
        return true;
    }
    if (entries[e].value == value)
        return false;
    entries[e].value = value;
    return true;
}

bool IniDocument::remove(const QString& app, const QString& section, const QString& key) {
    const qsizetype g = groupIndex(app, section);
    const qsizetype e = g < 0 ? -1 : entryIndex(groups_[g], key);
    if (e < 0)
        return false;
    groups_[g].entries.removeAt(e);
    if (groups_[g].entries.isEmpty())
        groups_.removeAt(g);
    return true;
}

qsizetype IniDocument::groupIndex(const QString& app, const QString& section) const {
    for (qsizetype i = 0; i < groups_.size(); ++i) {
        if (SameName(groups_[i].app, app) && SameName(groups_[i].section, section))
            return i;
    }
    return -1;
}

qsizetype IniDocument::entryIndex(const Group& group, const QString& key) {
    for (qsizetype i = 0; i < group.entries.size(); ++i) {
        if (SameName(group.entries[i].key, key))
            return i;
    }
    return -1;
}

} // namespace platform
