#pragma once

#include <QString>

class QTextEdit;

namespace results {

// Saves the view as rich text when the name ends in ".rtf" (any letter case), otherwise as
// text with CR LF line ends. False when the file cannot be written.
bool SaveView(const QTextEdit& view, const QString& file);

// Loads a text or rich-text file into the view, replacing its content. False when the file
// cannot be read; the view is then unchanged.
bool LoadView(QTextEdit& view, const QString& file);
// Loads a results file as LoadView does, its over-long lines cut (see ShownText): a damaged
// store's verse of megabytes would otherwise hold up the window for minutes.
bool LoadResultsView(QTextEdit& view, const QString& file);

} // namespace results
