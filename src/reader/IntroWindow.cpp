#include "reader/IntroWindow.h"

#include "platform/LookFonts.h"
#include "platform/ProductName.h"
#include "platform/ReadingLook.h"
#include "store/Records.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace reader {

QString BookStudyText(const store::BookRow* row, BookText text) {
    if (!row)
        return {};
    const QString* field = &row->intro;
    if (text == BookText::Pengantar)
        field = &row->pengantar;
    else if (text == BookText::CiriKhas)
        field = &row->ciriKhas;
    else if (text == BookText::Survai)
        field = &row->survai;
    return QString(*field).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

namespace {

constexpr BookText kChoiceTexts[] = {BookText::Pengantar, BookText::CiriKhas, BookText::Survai};

} // namespace

IntroWindow::IntroWindow(const platform::ReadingLook& look,
                         std::function<const store::BookRow*()> row)
    : QWidget(nullptr, Qt::Window), look_(look), row_(std::move(row)), title_(new QLabel(this)),
      picture1_(new QWidget(this)), rtf1_(new QTextEdit(this)), status_(new QLabel(this)) {
    setObjectName(QStringLiteral("Form8"));
    title_->setObjectName(QStringLiteral("Label1"));
    title_->setTextFormat(Qt::PlainText);
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 2);
    title_->setFont(bold);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    auto* choices = new QHBoxLayout(picture1_);
    choices->setContentsMargins(0, 0, 0, 0);
    const char* const captions[] = {"Pengantar", "CiriKhas", "Survai"};
    for (int i = 0; i < 3; ++i) {
        options_[i] = new QRadioButton(QString::fromUtf8(captions[i]), picture1_);
        options_[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        choices->addWidget(options_[i]);
        connect(options_[i], &QRadioButton::clicked, this, [this, i] { choose(i); });
    }
    choices->addStretch();
    rtf1_->setObjectName(QStringLiteral("rtf1"));
    rtf1_->setAccessibleName(QStringLiteral("Teks pengantar kitab"));
    rtf1_->setReadOnly(true);
    status_->setObjectName(QStringLiteral("labelStatus"));
    status_->setText(QStringLiteral("Vermara versi ") + platform::VersionText().trimmed());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->addWidget(title_);
    layout->addWidget(picture1_);
    layout->addWidget(rtf1_, 1);
    layout->addWidget(status_);
    takeLook();
    connect(&look_, &platform::ReadingLook::changed, this, &IntroWindow::takeLook);
}

void IntroWindow::takeLook() {
    rtf1_->setFont(platform::VerseFont(look_));
}

void IntroWindow::showCaption(const QString& caption, bool withChoices) {
    setWindowTitle(caption);
    title_->setText(caption);
    picture1_->setVisible(withChoices);
}

void IntroWindow::setText(const QString& text) {
    rtf1_->setPlainText(text);
}

void IntroWindow::choose(int choice) {
    options_[choice]->setChecked(true);
    setText(BookStudyText(row_(), kChoiceTexts[choice]));
}

BookText IntroWindow::chosenText() const {
    for (int i = 0; i < 3; ++i) {
        if (options_[i]->isChecked())
            return kChoiceTexts[i];
    }
    return BookText::Pengantar;
}

void IntroWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void IntroWindow::closeEvent(QCloseEvent* event) {
    hide();
    event->accept();
    emit closed();
}

} // namespace reader
