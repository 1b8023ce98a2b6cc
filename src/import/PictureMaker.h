#pragma once

#include "import/BookFacts.h"
#include "store/Records.h"

#include <QString>
#include <vector>

namespace import {

// Draws the store's charts of the canon from the facts given as PNG files into pictureFolder
// (created when missing) and returns their UsysGambar rows, Gambar being the bare file name.
// Needs a QGuiApplication for its fonts. Throws ImportError when a file cannot be written.
std::vector<store::PictureRow> DrawPictures(const QString& pictureFolder,
                                            const std::vector<BookFacts>& books);

} // namespace import
