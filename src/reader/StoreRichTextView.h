#pragma once

#include <QTextEdit>

namespace reader {

// A rich-text view for markup that comes from the store: it shows the markup but loads no
// picture or style sheet it names, so a stored text can never make the reader open a file.
class StoreRichTextView : public QTextEdit {
    Q_OBJECT
public:
    explicit StoreRichTextView(QWidget* parent = nullptr);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace reader
