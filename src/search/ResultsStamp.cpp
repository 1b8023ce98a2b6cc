#include "search/ResultsStamp.h"

#include "platform/AnsiCodePage.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace search {
namespace {

std::optional<QByteArray> ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

ResultsStamp::ResultsStamp(const QString& storePath) {
    const QFileInfo store(storePath);
    const QString real = store.canonicalFilePath();
    if (!real.isEmpty() && store.isFile())
        store_ = real + u'\n' + QString::number(store.size()) + u'\n' +
                 QString::number(store.lastModified().toMSecsSinceEpoch());
}

QString ResultsStamp::PathFor(const QString& resultsFile) {
    return resultsFile + QStringLiteral(".store");
}

bool ResultsStamp::write(const QString& resultsFile, const QString& resultsText) const {
    // The digest is of what this search wrote, so a file another run put there meanwhile
    // does not pass for this store's.
    return !store_.isEmpty() &&
           platform::WriteScratchFile(PathFor(resultsFile), text(resultsText.toUtf8()));
}

bool ResultsStamp::matches(const QString& resultsFile) const {
    if (store_.isEmpty())
        return false;
    const std::optional<QByteArray> stamp = ReadBytes(PathFor(resultsFile));
    if (!stamp)
        return false;
    const std::optional<QByteArray> results = ReadBytes(resultsFile);
    return results && *stamp == text(*results).toUtf8();
}

QString ResultsStamp::text(const QByteArray& resultsBytes) const {
    // Only the user writes the folder, so the digest need not resist forgery, only tell files
    // apart; BLAKE2b checks the largest results files at more than twice the speed of SHA-256.
    const QByteArray digest =
        QCryptographicHash::hash(resultsBytes, QCryptographicHash::Blake2b_256);
    return store_ + u'\n' + QString::fromLatin1(digest.toHex()) + u'\n';
}

} // namespace search
