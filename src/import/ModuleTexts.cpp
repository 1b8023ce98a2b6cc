#include "import/ModuleTexts.h"

#include "import/Markup.h"

#include <QRegularExpression>
#include <QStringList>

namespace import {

namespace {

QString MilestoneName(const QString& markup, const QString& type) {
    const QRegularExpression milestone(
        QStringLiteral("<milestone\\s+([^>]*type=\"%1\"[^>]*)/?>").arg(type));
    const QRegularExpressionMatch match = milestone.match(markup);
    return match.hasMatch() ? PlainVerseText(AttributeValue(match.captured(1), QStringLiteral("n")))
                            : QString();
}

// A configuration's About text is RTF with "\par" between lines; the blank lines between its
// paragraphs stay.
QString AboutText(const QString& about) {
    static const QRegularExpression paragraph(QStringLiteral("\\\\par(?![A-Za-z])"));
    QStringList lines;
    for (const QString& line : QString(about).replace(paragraph, QStringLiteral("\n")).split(u'\n'))
        lines << PlainVerseText(line);
    return lines.join(QStringLiteral("\r\n")).trimmed();
}

} // namespace

QString VersionName(const QString& description) {
    static const QRegularExpression announced(
        QStringLiteral(
            "\\s+(with|including|incl\\.)\\s+(the\\s+)?(deuterocanon|apocrypha)\\w*\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    QString name = PlainVerseText(description);
    name.remove(announced);
    return name.trimmed();
}

QString ModuleBookName(const QString& introMarkup) {
    // The first book's introduction may also hold the module's front matter, named on its own.
    static const QRegularExpression bookStart(QStringLiteral("<div[^>]*type=\"book\"[^>]*>"));
    const QRegularExpressionMatch start = bookStart.match(introMarkup);
    const QString bookIntroMarkup =
        start.hasMatch() ? introMarkup.mid(start.capturedStart()) : introMarkup;
    for (const QString& type : {QStringLiteral("x-usfm-toc2"), QStringLiteral("x-usfm-h")}) {
        const QString name = MilestoneName(bookIntroMarkup, type);
        if (!name.isEmpty())
            return name;
    }
    static const QRegularExpression title(
        QStringLiteral("<title[^>]*type=\"main\"[^>]*>(.*?)</title>"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(bookIntroMarkup);
    return match.hasMatch() ? PlainVerseText(match.captured(1)) : QString();
}

QString CopyrightLine(const ModuleInfo& info) {
    return PlainVerseText(info.licence.isEmpty() ? info.copyright : info.licence);
}

QString RightsParagraph(const ModuleInfo& info) {
    const QString licence = PlainVerseText(info.licence);
    const QString copyright = PlainVerseText(info.copyright);
    const QString source = PlainVerseText(info.textSource);
    const QString about = AboutText(info.about);
    QStringList lines{
        QStringLiteral("%1 (modul SWORD %2)").arg(PlainVerseText(info.description), info.name)};
    if (!licence.isEmpty())
        lines << QStringLiteral("Lisensi: ") + licence;
    if (!copyright.isEmpty() && copyright.compare(licence, Qt::CaseInsensitive) != 0)
        lines << QStringLiteral("Hak cipta: ") + copyright;
    if (!source.isEmpty())
        lines << QStringLiteral("Sumber: ") + source;
    if (!about.isEmpty())
        lines << about;
    return lines.join(QStringLiteral("\r\n"));
}

QString Fit(const QString& text, int size) {
    return text.size() <= size ? text : text.left(size).trimmed();
}

} // namespace import
