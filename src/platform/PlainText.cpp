#include "platform/PlainText.h"

#include <QTextDocument>

namespace platform {

QString PlainToolTip(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}

} // namespace platform
