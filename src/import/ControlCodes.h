#pragma once

#include <QString>

namespace import {

// Reads the backslash codes that some modules leave inside their text: USFM markers
// ("the \nd LORD\nd*", "\+w word\+w*", notes "\f + \ft ...\f*") and RTF control words
// ("\par", "\'e9", "\u8212?"). Character styles go and their words stay, notes go whole,
// paragraph codes become line breaks and escapes their characters, but for an escaped
// backslash, which would read as a code again. A note may run on across the tags between
// runs of text, so one reader serves a whole entry.
class ControlCodes {
public:
    // The run as plain text.
    QString text(const QString& run);

private:
    void code(const QString& name, const QString& level, bool closing, QString& out);

    QString note_; // the note being dropped ("f", "x", ...), empty outside one
};

} // namespace import
