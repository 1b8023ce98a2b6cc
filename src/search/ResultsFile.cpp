#include "search/ResultsFile.h"

#include "platform/AnsiCodePage.h"

#include <QDir>
#include <QFile>

namespace search {
namespace {

const QString kStoppedSummary = QStringLiteral(" -- (PENCARIAN DIHENTIKAN)");
const QString kStoppedEnd = QStringLiteral("--PENCARIAN DIHENTIKAN--");
const QString kFoundPrefix = QStringLiteral(" -- Ditemukan : ");
const QString kTimePrefix = QStringLiteral(" -- Waktu Pencarian : ");

} // namespace

void ResultRecords::add(const QString& reference, const QString& line) {
    text_ += kCrLf + kCrLf + reference + kCrLf + line + kCrLf;
    ++count_;
}

QString ComposeResultsFile(const QStringList& header, const ResultRecords& records,
                           const QString& elapsed, bool stopped) {
    QString text = header.join(kCrLf) + kCrLf;
    text += kFoundPrefix + QString::number(records.count()) + QStringLiteral(" ayat ") + kCrLf;
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
    return lines.mid(0, summary) == header && lines[summary].startsWith(kFoundPrefix) &&
           lines[summary + 1].startsWith(kTimePrefix) &&
           !lines[summary + 2].startsWith(kStoppedSummary);
}

void DeleteResultFiles(const QString& tempFolder) {
    QDir folder(tempFolder);
    const QStringList names =
        folder.entryList({QStringLiteral("~vr*.tmp")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        folder.remove(name);
}

} // namespace search
