#pragma once

class QWidget;

namespace reader {

// Pixels for a size given in twips, at the logical resolution of the widget's screen.
int Twips(const QWidget* widget, int twips);

} // namespace reader
