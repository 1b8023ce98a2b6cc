#pragma once

#include "store/Records.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace study {

// The entry of the category drop-down that lists every picture.
inline const QString kAllPictures = QStringLiteral(" - Semua Gambar - ");

// The picture folder "name" inside base. When that spelling is missing the folder is found
// whatever its letter case, as on the file system the store was made for.
QString PictureFolder(const QString& base, const QString& name);

// A picture name from the store names a file inside the picture folder: no absolute path,
// no drive and no ".." step out of it.
bool IsPictureName(const QString& gambar);
QString BadPictureNameMessage(const QString& gambar);

// The file of a picture: the data folder's "Peta/" when it has it, else the program
// folder's "peta/" (which may be missing too: loading then reports it).
QString PicturePath(const QString& dataFolder, const QString& programFolder, const QString& gambar);

// The titles a category lists, in row order. Every picture lists only the ones whose file
// is in the program folder's "peta/"; a category compares exactly.
QStringList TitlesOf(const std::vector<store::PictureRow>& rows, const QString& category,
                     const QString& programFolder);

const store::PictureRow* FindPicture(const std::vector<store::PictureRow>& rows,
                                     const QString& judul);

// The range of one scroll bar over a picture: enabled only when the picture is larger than
// the viewport; values in pixels, as wide as the picture needs.
struct ScrollRange {
    bool enabled = false;
    int maximum = 0;
    int step = 0;
};
ScrollRange PictureScrollRange(int pictureExtent, int viewportExtent);

} // namespace study
