#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Pericopes from a commentary's chapter outlines.
namespace import {

struct OutlineEntry {
    QString heading;
    int firstVerse = 0;
    int lastVerse = 0; // 0: a single verse
};

// The sections of one chapter, read from the markup of the chapter's commentary entries. An
// outline lists "heading" with "(3-12)" in table rows; a chapter without one has a single
// summary line under its "Chapter N" title, which then covers verses 1..versesInChapter.
std::vector<OutlineEntry> ChapterOutline(const QString& chapterMarkup, int versesInChapter);

// The Perikop lines of one chapter: "heading==[Book#5:3-12]".
QStringList PerikopLines(const QString& book, int chapter,
                         const std::vector<OutlineEntry>& entries);

} // namespace import
