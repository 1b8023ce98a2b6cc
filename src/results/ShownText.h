#pragma once

#include <QString>

namespace results {

// Qt lays a line of a view out as one piece, at a cost in time and memory that grows with its
// length; real verses are a few hundred characters. Longer lines are cut where shown.
inline constexpr qsizetype kMostShownLine = 16 * 1024;
// The most characters of a chapter a view shows: many times the longest real chapter.
inline constexpr qsizetype kMostShownChapter = 256 * 1024;

// The last line of a text that was cut for showing.
QString CutTextNotice();

// A text of lines ('\n' or CR LF) as a view shows it: each line within kMostShownLine
// characters and the whole within mostCharacters (negative: no limit), never cut inside a
// character. When anything was cut, a last line holds CutTextNotice(); a text within both
// limits comes back unchanged.
QString ShownText(const QString& text, qsizetype mostCharacters = -1);

} // namespace results
