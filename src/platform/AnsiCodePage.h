#pragma once

#include <QChar>
#include <QString>

namespace platform {

// The Windows-1252 code (0 to 255) of a character; characters outside that code page give
// 63 ("?"), so a text hashes the same in every run.
int AnsiCode(QChar c);

// The text of a file: UTF-8 when its bytes are valid UTF-8 (a byte-order mark dropped),
// otherwise Windows-1252. Line breaks are kept as stored. ok is false when the file cannot
// be opened or a read fails part way (an I/O error); the text is then empty.
QString ReadTextFile(const QString& path, bool* ok = nullptr);

// Writes the text as UTF-8 without a byte-order mark. The old file stays whole until the
// new one is complete; false when the file cannot be written (unwritable folder, full disk).
bool WriteTextFile(const QString& path, const QString& text);

// Writes a file that can be made again, such as a search's results, the same way but without
// forcing it to disk, which costs more than the search. It still appears only whole, under
// a name beside it ("name-XXXXXX.suffix") until then; a crash may leave that name behind.
bool WriteScratchFile(const QString& path, const QString& text);

} // namespace platform
