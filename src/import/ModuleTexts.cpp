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
    return match.hasMatch() ? AttributeValue(match.captured(1), QStringLiteral("n")).trimmed()
                            : QString();
}

} // namespace

QString VersionName(const QString& description) {
    static const QRegularExpression announced(
        QStringLiteral(
            "\\s+(with|including|incl\\.)\\s+(the\\s+)?(deuterocanon|apocrypha)\\w*\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    QString name = description.trimmed();
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
    return info.licence.isEmpty() ? info.copyright.trimmed() : info.licence.trimmed();
}

QString RightsParagraph(const ModuleInfo& info) {
    QStringList lines{QStringLiteral("%1 (modul SWORD %2)").arg(info.description, info.name)};
    if (!info.licence.isEmpty())
        lines << QStringLiteral("Lisensi: ") + info.licence;
    if (!info.copyright.isEmpty() && info.copyright.compare(info.licence, Qt::CaseInsensitive) != 0)
        lines << QStringLiteral("Hak cipta: ") + info.copyright;
    if (!info.textSource.isEmpty())
        lines << QStringLiteral("Sumber: ") + info.textSource;
    if (!info.about.isEmpty())
        lines << info.about;
    return lines.join(QStringLiteral("\r\n"));
}

QString Fit(const QString& text, int size) {
    return text.size() <= size ? text : text.left(size).trimmed();
}

} // namespace import
