#pragma once

#include <QString>
#include <optional>

// Verse lines of a chapter text. A verse line starts with its label, chapter ":" verse,
// optionally "-" last verse and ".", then a blank and the text.
namespace reader {

// The label of a line, cut for matching: "5:3-4. text" gives "5:3".
QString VerseLabel(QStringView line);

// The verse a cut label names: "5:44" gives 44; 0 for text that is no label.
int VerseNumber(QStringView label);

// The line of a CR LF chapter text that carries label at its start (not followed by a
// digit, so "5:4" never matches "5:44"), trimmed; nullopt when the chapter has no such line.
std::optional<QString> ParallelVerseLine(const QString& chapterText, const QString& label);

// Position of the start of the first line of a view text ('\n' separated) whose label
// names verse, joined ranges such as "5:3-4." included; nullopt when there is none.
std::optional<int> FindVerseLine(const QString& viewText, int verse);

} // namespace reader
