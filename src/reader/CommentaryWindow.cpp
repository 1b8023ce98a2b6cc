#include "reader/CommentaryWindow.h"

#include "platform/LookFonts.h"
#include "platform/ReadingLook.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

namespace reader {

CommentaryWindow::CommentaryWindow(const platform::ReadingLook& look)
    : QWidget(nullptr, Qt::Window), look_(look), title_(new QLabel(this)),
      view_(new QTextEdit(this)) {
    setObjectName(QStringLiteral("FormTafsiran"));
    setWindowTitle(QStringLiteral("Tafsiran Alkitab"));
    title_->setObjectName(QStringLiteral("lblTafsiran"));
    title_->setTextFormat(Qt::PlainText); // the store's book name
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 2);
    title_->setFont(bold);
    view_->setObjectName(QStringLiteral("rtfTafsiran"));
    view_->setAccessibleName(QStringLiteral("Tafsiran Alkitab"));
    view_->setReadOnly(true);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(title_);
    layout->addWidget(view_, 1);
    takeLook();
    connect(&look_, &platform::ReadingLook::changed, this, &CommentaryWindow::takeLook);
}

void CommentaryWindow::takeLook() {
    view_->setFont(platform::VerseFont(look_));
}

void CommentaryWindow::showChapter(const QString& title, const QString& commentary) {
    title_->setText(QStringLiteral("Tafsiran ") + title);
    const QString text = QString(commentary).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    view_->setPlainText(
        text.trimmed().isEmpty() ? QStringLiteral("Tidak ada tafsiran untuk pasal ini.") : text);
}

void CommentaryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void CommentaryWindow::closeEvent(QCloseEvent* event) {
    hide();
    event->accept();
    emit closed();
}

} // namespace reader
