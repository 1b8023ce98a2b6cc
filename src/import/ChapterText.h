#pragma once

#include <QString>
#include <vector>

namespace import {

// One verse as a module holds it. A module that joins verses gives the last one in lastVerse.
struct VerseText {
    int verse = 0;
    int lastVerse = 0;
    QString text;
};

// The chapter as the store keeps it: "5:44 text" lines, "5:3-4 text" for joined verses,
// joined by CR LF. Verses without text are left out.
QString ChapterText(int chapter, const std::vector<VerseText>& verses);

// The highest verse number that has text; 0 for a chapter without any.
int LastVerseWithText(const std::vector<VerseText>& verses);

} // namespace import
