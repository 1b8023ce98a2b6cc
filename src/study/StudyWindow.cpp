#include "study/StudyWindow.h"

#include "platform/ProductName.h"
#include "platform/ReadingLook.h"
#include "scripture/ReferenceText.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace study {

namespace {

int ScreenHeight(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    return screen ? screen->geometry().height() : 768;
}

} // namespace

StudyStatusBar::StudyStatusBar(QWidget* parent) : QFrame(parent), label_(new QLabel(this)) {
    setObjectName(QStringLiteral("picStatusBar"));
    setFrameShape(QFrame::StyledPanel);
    label_->setObjectName(QStringLiteral("labelStatus"));
    // Picture titles come from the store: never markup.
    label_->setTextFormat(Qt::PlainText);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(label_);
}

void CopyStatusBarStyle(const QWidget* mainStatusBar, StudyStatusBar& bar) {
    bar.label()->setText(QStringLiteral("Vermara versi ") + platform::VersionText().trimmed());
    if (!mainStatusBar)
        return;
    bar.setPalette(mainStatusBar->palette());
    bar.setAutoFillBackground(mainStatusBar->autoFillBackground());
    const auto* mainLabel = mainStatusBar->findChild<const QLabel*>(QStringLiteral("labelStatus"));
    if (!mainLabel)
        return;
    bar.label()->setPalette(mainLabel->palette());
    QFont font = bar.label()->font();
    font.setBold(mainLabel->font().bold());
    bar.label()->setFont(font);
}

StudyWindow::StudyWindow(const StudyContext& context, const QString& name, const QString& caption)
    : QWidget(nullptr, Qt::Window), context_(context), statusBar_(new StudyStatusBar(this)) {
    setObjectName(name);
    setWindowTitle(caption);
    // A hidden window takes the look when it is shown again.
    if (context_.look)
        connect(context_.look, &platform::ReadingLook::changed, this, [this] {
            if (isVisible())
                takeLook();
        });
}

void StudyWindow::open() {
    show();
    raise();
    activateWindow();
}

void StudyWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    CopyStatusBarStyle(context_.mainStatusBar, *statusBar_);
    takeLook();
}

void StudyWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    takeLook();
}

void StudyWindow::takeLook() {
    const platform::ReadingLook* look = context_.look;
    activated(look ? std::optional<StudyLook>(
                         StudyLook{platform::VerseFont(*look), platform::ListFont(*look)})
                   : std::nullopt);
}

void StudyWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void StudyWindow::sizeFromScreen(int height, int smallHeight) {
    const QScreen* screen = this->screen();
    const int width = screen ? screen->geometry().width() * 4 / 5 : 800;
    resize(width, ScreenHeight(this) > 700 ? height : smallHeight);
}

int StudyWindow::fontSize() const {
    return ScreenHeight(this) > 700 ? 11 : 10;
}

void StudyWindow::showPassage(QTextEdit* view, const QString& key) const {
    if (const auto lines = scripture::ShowReferenceText(key, context_.store))
        SetViewText(view, *lines);
}

void StudyWindow::setBodyLayout(QLayout* body) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(body, 1);
    layout->addWidget(statusBar_);
}

void SetViewText(QTextEdit* view, const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    view->setPlainText(plain);
}

} // namespace study
