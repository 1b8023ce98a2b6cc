#pragma once

#include <QByteArray>
#include <QString>

namespace import {

// Writes bytes as the whole content of a new file at path; false when any of them could not be
// written. Qt's buffered writers (QSaveFile, QImage::save) report success for a file that a
// full disk or a file-size limit cut short in its last buffer.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

} // namespace import
