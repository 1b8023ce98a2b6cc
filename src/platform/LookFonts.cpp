#include "platform/LookFonts.h"

#include "platform/ReadingLook.h"

#include <QWidget>

namespace platform {

QFont VerseFont(const ReadingLook& look) {
    QFont font(look.fontName());
    font.setPointSizeF(look.fontSize());
    font.setBold(look.bold());
    return font;
}

QFont ListFont(const ReadingLook& look) {
    QFont font(look.fontName());
    font.setPointSizeF(look.listFontSize());
    return font;
}

void TakeFont(QWidget* widget, const QFont& font, bool withSize) {
    QFont taken = widget->font();
    taken.setFamily(font.family());
    if (withSize && font.pointSizeF() > 0)
        taken.setPointSizeF(font.pointSizeF());
    widget->setFont(taken);
}

} // namespace platform
