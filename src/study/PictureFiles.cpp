#include "study/PictureFiles.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace study {

QString PictureFolder(const QString& base, const QString& name) {
    const QString exact = platform::JoinPath(base, name);
    if (QFileInfo(exact).isDir())
        return exact;
    const QStringList folders = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& folder : folders) {
        if (folder.compare(name, Qt::CaseInsensitive) == 0)
            return platform::JoinPath(base, folder);
    }
    return exact;
}

bool IsPictureName(const QString& gambar) {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (gambar.startsWith(u'/') || gambar.startsWith(u'\\') || gambar.contains(drive))
        return false;
    // The store was written for Windows, where a backslash separates folders too.
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    return !gambar.split(separators).contains(QStringLiteral(".."));
}

QString BadPictureNameMessage(const QString& gambar) {
    return QStringLiteral("Gambar \"%1\" tidak ditampilkan: nama berkasnya menunjuk ke luar "
                          "folder Peta.\nDatabase ini mungkin rusak atau diubah; salin kembali "
                          "database dan folder Peta dari media instalasi.")
        .arg(gambar);
}

QString PicturePath(const QString& dataFolder, const QString& programFolder,
                    const QString& gambar) {
    const QString inData =
        platform::JoinPath(PictureFolder(dataFolder, QStringLiteral("Peta")), gambar);
    if (QFileInfo(inData).isFile())
        return inData;
    return platform::JoinPath(PictureFolder(programFolder, QStringLiteral("peta")), gambar);
}

QStringList TitlesOf(const std::vector<store::PictureRow>& rows, const QString& category,
                     const QString& programFolder) {
    QStringList titles;
    const bool all = category == kAllPictures;
    const QString folder = all ? PictureFolder(programFolder, QStringLiteral("peta")) : QString();
    for (const auto& row : rows) {
        const bool listed = all ? IsPictureName(row.gambar) &&
                                      QFileInfo(platform::JoinPath(folder, row.gambar)).isFile()
                                : row.kategori == category;
        if (listed)
            titles.append(row.judul);
    }
    return titles;
}

const store::PictureRow* FindPicture(const std::vector<store::PictureRow>& rows,
                                     const QString& judul) {
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const store::PictureRow& r) {
        return r.judul.compare(judul, Qt::CaseInsensitive) == 0;
    });
    return it == rows.end() ? nullptr : &*it;
}

ScrollRange PictureScrollRange(int pictureExtent, int viewportExtent) {
    if (pictureExtent <= viewportExtent || viewportExtent <= 0)
        return {};
    return {true, pictureExtent - viewportExtent, std::max(1, viewportExtent / 2)};
}

} // namespace study
