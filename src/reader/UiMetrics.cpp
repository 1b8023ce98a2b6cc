#include "reader/UiMetrics.h"

#include "reader/ReaderTexts.h"

#include <QWidget>

namespace reader {

int Twips(const QWidget* widget, int twips) {
    return TwipsToPixels(twips, widget->logicalDpiY());
}

} // namespace reader
