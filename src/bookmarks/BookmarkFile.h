#pragma once

#include "scripture/Notations.h"

#include <QList>
#include <QString>

namespace bookmarks {

// One saved reading position: the user's one-line note, the version that was active
// (Kitab1~~~~name) and the position (Matius#5:44).
struct Bookmark {
    QString note;
    QString version;
    QString position;

    bool operator==(const Bookmark&) const = default;
};

// "~vr" + "Bookmarks.tmp", the same name in the data folder and in the temporary folder.
inline const QString kBookmarkFileName = QStringLiteral("~vrBookmarks.tmp");

// The main window's current place as a bookmark position: list positions count from 0,
// and verseIndex is -1 while no verse is chosen, which offers verse 1.
scripture::BookmarkPosition PositionToOffer(const QString& book, int chapterIndex, int verseIndex);

// The note as typed: every line break becomes one blank, then blanks are trimmed.
QString NoteFromEditor(const QString& text);

// note#@#version#@#position, with no line break and no "#@#" inside a field.
QString FormatBookmarkLine(const Bookmark& bookmark);
// A line with fewer fields leaves the missing ones empty; with more, the last two are the
// version and the position, so a note holding "#@#" from an older file keeps its place.
Bookmark ParseBookmarkLine(const QString& line);

// Every bookmark as a line ended by CR LF, in list order.
QString FormatBookmarkFile(const QList<Bookmark>& list);
// Lines may end in CR LF, LF or CR; empty lines hold no bookmark.
QList<Bookmark> ParseBookmarkFile(const QString& text);

} // namespace bookmarks
