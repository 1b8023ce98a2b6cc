#pragma once

#include <QFont>

class QWidget;

namespace platform {

class ReadingLook;

// The reading look as fonts: the verses' (family, size, weight) and the lists' beside them.
QFont VerseFont(const ReadingLook& look);
QFont ListFont(const ReadingLook& look);
// Sets the family, and when asked the size, of a widget's font.
void TakeFont(QWidget* widget, const QFont& font, bool withSize);

} // namespace platform
