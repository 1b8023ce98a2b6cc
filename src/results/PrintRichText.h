#pragma once

class QPrinter;
class QTextEdit;

namespace results {

// Prints the view's text page by page on the printer, with margins given in twips.
void PrintRichText(const QTextEdit& view, QPrinter& printer, int left, int top, int right,
                   int bottom);

} // namespace results
