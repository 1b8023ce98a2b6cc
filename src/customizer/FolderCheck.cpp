#include "customizer/FolderCheck.h"

#include "customizer/CustomizerTexts.h"
#include "platform/Folders.h"
#include "store/Schema.h"

#include <QFileInfo>

namespace customizer {
namespace {

QString Flattened(const QString& folder) {
    QString text = folder;
    text.remove(u'/');
    return text.trimmed().toLower();
}

// Links, "." and ".." lead to one real folder; only existing folders resolve.
bool SameRealFolder(const QString& a, const QString& b) {
    const QString realA = QFileInfo(a.trimmed()).canonicalFilePath();
    return !realA.isEmpty() && realA == QFileInfo(b.trimmed()).canonicalFilePath();
}

} // namespace

bool SameFolder(const QString& a, const QString& b) {
    return Flattened(a) == Flattened(b) || SameRealFolder(a, b);
}

FolderCheck CheckFolders(const QString& source, const QString& destination) {
    if (SameFolder(source, destination))
        return {texts::SameFolders(), true};
    if (source.trimmed().isEmpty() || destination.trimmed().isEmpty())
        return {texts::FoldersRequired(), true};
    QString file = source + u'/' + store::kDataFileName;
    while (file.contains(QStringLiteral("//")))
        file.replace(QStringLiteral("//"), QStringLiteral("/"));
    if (!QFileInfo(file).isFile())
        return {texts::SourceMissing(source), false};
    return {};
}

QString SourceStorePath(const QString& sourceFolder) {
    return platform::JoinPath(sourceFolder, store::kDataFileName);
}

} // namespace customizer
