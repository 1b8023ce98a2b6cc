#include "search/ResultsFile.h"

#include "platform/AnsiCodePage.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <optional>

namespace search {
namespace {

const QString kStoppedSummary = QStringLiteral(" -- (PENCARIAN DIHENTIKAN)");
const QString kStoppedEnd = QStringLiteral("--PENCARIAN DIHENTIKAN--");
const QString kFoundPrefix = QStringLiteral(" -- Ditemukan : ");
const QString kFoundSuffix = QStringLiteral(" ayat ");
const QString kTimePrefix = QStringLiteral(" -- Waktu Pencarian : ");

// The count of a found line (" -- Ditemukan : 12 ayat "); nullopt for any other line.
std::optional<qsizetype> FoundCount(const QString& line) {
    if (!line.startsWith(kFoundPrefix) || !line.endsWith(kFoundSuffix))
        return std::nullopt;
    bool ok = false;
    const qsizetype count =
        line.mid(kFoundPrefix.size(), line.size() - kFoundPrefix.size() - kFoundSuffix.size())
            .toLongLong(&ok);
    return ok && count >= 0 ? std::optional<qsizetype>(count) : std::nullopt;
}

} // namespace

void ResultRecords::add(const QString& reference, QStringView line) {
    text_ += kCrLf + kCrLf + reference + kCrLf;
    text_ += line;
    text_ += kCrLf;
    ++count_;
}

QString ComposeResultsFile(const QStringList& header, const ResultRecords& records,
                           const QString& elapsed, bool stopped) {
    QString text = header.join(kCrLf) + kCrLf;
    text += kFoundPrefix + QString::number(records.count()) + kFoundSuffix + kCrLf;
    text += kTimePrefix + elapsed + kCrLf;
    if (stopped)
        text += kStoppedSummary;
    text += records.text();
    if (stopped)
        text += kCrLf + kCrLf + kStoppedEnd;
    return text;
}

bool IsReusableResultsFile(const QString& path, const QStringList& header) {
    if (!QFile::exists(path))
        return false;
    bool ok = false;
    const QString text = platform::ReadTextFile(path, &ok);
    const QStringList lines = text.split(kCrLf);
    const qsizetype summary = header.size();
    if (!ok || lines.size() <= summary + 2)
        return false;
    if (lines.mid(0, summary) != header || !lines[summary + 1].startsWith(kTimePrefix) ||
        lines[summary + 2].startsWith(kStoppedSummary))
        return false;
    // A file cut short (a crash while it was written) holds fewer records than it says: after
    // the two summary lines come four lines per verse and the empty rest of the last one.
    const std::optional<qsizetype> found = FoundCount(lines[summary]);
    return found && lines.size() == summary + 3 + 4 * *found;
}

void DeleteResultFiles(const QString& tempFolder) {
    // QDir would take an empty name for the working folder.
    if (tempFolder.isEmpty())
        return;
    // The key hash is a sum of non-negative terms, so it never has a sign; [0-9] because \d
    // would take digits of every script.
    static const QRegularExpression results(
        QRegularExpression::anchoredPattern(QStringLiteral("~vr[0-9]*\\.tmp(\\.store)?")));
    QDir folder(tempFolder);
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (results.match(name).hasMatch())
            folder.remove(name);
    }
}

} // namespace search
