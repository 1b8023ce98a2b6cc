#include "search/SearchKeys.h"

#include "platform/Folders.h"
#include "search/QueryKeyHash.h"

namespace search {
namespace {

QString Flag(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString ExactSuffix(bool exact) {
    return exact ? QStringLiteral(" -- Kata Tepat") : QString();
}

// The options that are off add nothing, so the keys and files of plain searches stay theirs.
QString OptionKey(const SearchRequest& r) {
    return (r.wholeWords ? QStringLiteral("KataUtuh") : QString()) +
           (r.fold ? QStringLiteral("TanpaAksen") : QString());
}

QString OptionSuffix(const SearchRequest& r) {
    return ExactSuffix(r.exact) + (r.wholeWords ? QStringLiteral(" -- Kata Utuh") : QString()) +
           (r.fold ? QStringLiteral(" -- Abaikan Aksen") : QString());
}

} // namespace

const QStringList& ScopeItems() {
    static const QStringList items = {
        QStringLiteral("Cari di Pasal aktif"), QStringLiteral("Cari di Kitab aktif"),
        QStringLiteral("Cari di Perjanjian aktif"), QStringLiteral("Pencarian di Seluruh Alkitab")};
    return items;
}

QString Expression(const QString& text) {
    QString expression = text;
    return expression.replace(u'\'', QStringLiteral("''"));
}

QString SearchKey(const SearchRequest& r) {
    return PlainSearchKey(r) + OptionKey(r);
}

QString PlainSearchKey(const SearchRequest& r) {
    const QString start = r.column + Expression(r.text);
    const QString item = ScopeItems().at(int(r.scope));
    switch (r.scope) {
    case Scope::Chapter:
        return start + item + r.bookItem + Flag(r.oldTestament) + Flag(r.exact) +
               QString::number(r.chapterIndex);
    case Scope::Book:
        return start + item + r.bookItem + Flag(r.oldTestament) + Flag(r.exact);
    case Scope::Testament:
        return start + item + Flag(r.oldTestament) + Flag(r.exact);
    case Scope::WholeBible:
        break;
    }
    return start + QStringLiteral("2") + Flag(r.exact);
}

QString DeuteroKey(const DeuteroRequest& request) {
    return QString::number(request.version) + request.text + Flag(request.exact);
}

QString ResultFileName(const QString& tempFolder, const QString& key) {
    return platform::JoinPath(tempFolder,
                              QStringLiteral("~vr") + QueryKeyHash(key) + QStringLiteral(".tmp"));
}

QString ScopeDescription(const SearchRequest& r) {
    const QString suffix = OptionSuffix(r);
    switch (r.scope) {
    case Scope::Chapter:
        return QStringLiteral(" -- Pencarian di ") + r.bookName + u' ' +
               QString::number(r.chapterIndex + 1) + suffix;
    case Scope::Book:
        return QStringLiteral(" -- Pencarian di Kitab ") + r.bookName + suffix;
    case Scope::Testament:
        return QStringLiteral(" --Pencarian di perjanjian ") + r.perjanjian + suffix;
    case Scope::WholeBible:
        break;
    }
    return QStringLiteral(" -- Pencarian di seluruh Alkitab ") + suffix;
}

QString SyntaxLine(const QString& text) {
    return QStringLiteral(" -- Sintaks Pencarian: ") + text;
}

QStringList HeaderLines(const SearchRequest& request) {
    return {request.caption, ScopeDescription(request), SyntaxLine(request.text)};
}

QStringList DeuteroHeaderLines(const DeuteroRequest& request) {
    return {QStringLiteral("Pencarian di Kitab Deuterokanonika"), request.versionLabel,
            SyntaxLine(request.text)};
}

QString ElapsedText(qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace search
