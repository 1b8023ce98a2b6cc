#include "import/ControlCodes.h"

#include <QRegularExpression>
#include <QStringList>

namespace import {

namespace {

enum Group { Unicode = 1, Name, Level, Closing, Hex, Escaped };

// RTF "\u8212?" (the "?" stands in for readers without Unicode); USFM "\nd", "\+nd", "\q1"
// and closing "\nd*", the blank that ends an opening code being part of it; RTF "\'e9";
// any other escaped character; a backslash that ends the run.
const QRegularExpression& Code() {
    static const QRegularExpression code(
        QStringLiteral("\\\\(?:u(-?\\d+)\\??|\\+?([A-Za-z]+)(-?\\d*)(?:(\\*)| ?)|'([0-9A-Fa-f]{2})"
                       "|(.)|$)"),
        QRegularExpression::DotMatchesEverythingOption);
    return code;
}

// USFM 3 word attributes ("\w grace|lemma="grace"\w*") run up to the closing code.
const QRegularExpression& Attributes() {
    static const QRegularExpression attributes(
        QStringLiteral("\\|[^\\\\|]*(?=\\\\\\+?[A-Za-z]+\\*)"));
    return attributes;
}

// Footnotes, cross references and figures: their content is not the text. RTF's font codes
// ("\f0") carry a number, USFM's notes never do.
bool IsNote(const QString& name, const QString& level) {
    static const QStringList notes = {QStringLiteral("f"),  QStringLiteral("fe"),
                                      QStringLiteral("ef"), QStringLiteral("x"),
                                      QStringLiteral("ex"), QStringLiteral("fig")};
    return level.isEmpty() && notes.contains(name);
}

// Codes that open a paragraph, a poetry line or a list item.
bool StartsLine(const QString& name) {
    static const QStringList lines = {
        QStringLiteral("p"),   QStringLiteral("m"),   QStringLiteral("pi"),  QStringLiteral("pm"),
        QStringLiteral("pmo"), QStringLiteral("pc"),  QStringLiteral("mi"),  QStringLiteral("nb"),
        QStringLiteral("q"),   QStringLiteral("qc"),  QStringLiteral("qr"),  QStringLiteral("qm"),
        QStringLiteral("li"),  QStringLiteral("par"), QStringLiteral("line")};
    return lines.contains(name);
}

QString EscapedCharacter(QChar c) {
    switch (c.unicode()) {
    case u'~':
        return QStringLiteral(" ");
    case u'_':
        return QStringLiteral("-");
    case u'-':
    case u'\\':
        return {};
    case u'\n':
    case u'\r':
        return QStringLiteral("\n");
    default:
        return QString(c);
    }
}

QString UnicodeCharacter(int code) {
    // RTF writes codes above 32767 as negative 16-bit numbers.
    const char32_t c = char32_t(code < 0 ? code + 65536 : code);
    return c > 0 && c <= 0xFFFF ? QString::fromUcs4(&c, 1) : QString();
}

} // namespace

QString ControlCodes::text(const QString& run) {
    if (!run.contains(u'\\'))
        return note_.isEmpty() ? run : QString();
    const QString source = QString(run).remove(Attributes());
    QString out;
    qsizetype last = 0;
    for (auto it = Code().globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (note_.isEmpty())
            out += source.mid(last, match.capturedStart() - last);
        last = match.capturedEnd();
        if (match.hasCaptured(Name))
            code(match.captured(Name), match.captured(Level), match.hasCaptured(Closing), out);
        else if (!note_.isEmpty())
            continue;
        else if (match.hasCaptured(Unicode))
            out += UnicodeCharacter(match.captured(Unicode).toInt());
        else if (match.hasCaptured(Hex))
            out += QChar(match.captured(Hex).toUShort(nullptr, 16));
        else if (match.hasCaptured(Escaped))
            out += EscapedCharacter(match.captured(Escaped).front());
    }
    if (note_.isEmpty())
        out += source.mid(last);
    return out;
}

void ControlCodes::code(const QString& name, const QString& level, bool closing, QString& out) {
    if (!note_.isEmpty()) {
        if (closing && name == note_)
            note_.clear();
        return;
    }
    if (closing)
        return;
    if (IsNote(name, level))
        note_ = name;
    else if (StartsLine(name))
        out += u'\n';
}

} // namespace import
