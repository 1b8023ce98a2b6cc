#include "reader/StoreRichTextView.h"

#include <QImage>
#include <QTextDocument>

namespace reader {

StoreRichTextView::StoreRichTextView(QWidget* parent) : QTextEdit(parent) {}

QVariant StoreRichTextView::loadResource(int type, const QUrl&) {
    // An empty answer would let the document read the file itself; a blank one stops it.
    if (type == QTextDocument::ImageResource) {
        QImage blank(1, 1, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        return blank;
    }
    return QByteArray("");
}

} // namespace reader
