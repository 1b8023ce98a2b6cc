#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

namespace results {

// A stretch of text with one character format, as the text views hold it.
struct RichRun {
    QString text; // "\n" between paragraphs
    bool bold = false;
    quint32 color = 0; // 0xRRGGBB
};

// Rich text (RTF) of the runs: one font, a colour table of the colours used, "\par" per
// line, characters outside ASCII as \u escapes so that any reader gets them back.
QByteArray WriteRtf(const std::vector<RichRun>& runs, const QString& fontName);

// The runs of an RTF file: groups such as the font and colour tables are skipped, \b, \cf,
// \par, \line, \tab, \'hh (as Latin-1) and \uN are understood, other words are dropped.
std::vector<RichRun> ReadRtf(const QByteArray& rtf);

bool LooksLikeRtf(const QByteArray& bytes);

// Whether a file name asks for rich text: it ends in ".rtf" in any letter case.
bool IsRtfName(const QString& fileName);

// The location key ("Matius#5:44") of a verse line of a results text, read from the line
// and the book line above it; empty when the line is not a verse under a book line.
QString ReferenceKeyOfLine(const QStringList& lines, int index);

} // namespace results
