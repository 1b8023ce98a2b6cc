#include "reader/ReadingFont.h"

#include "platform/Dialogs.h"
#include "reader/FontRules.h"
#include "reader/UiMetrics.h"

#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTextEdit>
#include <QTextFrame>

namespace reader {

namespace {

constexpr int kWrapMarginTwips = 400;

void SetPointSize(QWidget* widget, double size) {
    QFont font = widget->font();
    font.setPointSizeF(size);
    widget->setFont(font);
}

void SetFamily(QWidget* widget, const QString& name) {
    QFont font = widget->font();
    font.setFamily(name);
    widget->setFont(font);
}

} // namespace

ReadingFont::ReadingFont(QTextEdit* rtf1, QTextEdit* rtf2, QListWidget* list1, QListWidget* list2,
                         QLabel* label3, platform::Dialogs& dialogs, QObject* parent)
    : QObject(parent), rtf1_(rtf1), rtf2_(rtf2), list1_(list1), list2_(list2), label3_(label3),
      dialogs_(dialogs) {}

double ReadingFont::size() const {
    return rtf1_->font().pointSizeF();
}

QString ReadingFont::name() const {
    return rtf1_->font().family();
}

void ReadingFont::setFont(const QString& name, double size, bool bold) {
    QFont font = rtf1_->font();
    font.setFamily(name);
    font.setPointSizeF(size);
    font.setBold(bold);
    rtf1_->setFont(font);
}

void ReadingFont::fontUp() {
    resize(size() + 1);
}

void ReadingFont::fontDown() {
    if (const auto smaller = SmallerFontSize(size()))
        resize(*smaller);
}

void ReadingFont::resize(double size) {
    SetPointSize(rtf1_, size);
    DetermineFontSetting();
}

void ReadingFont::fontReset() {
    rtf1_->setPlainText(rtf1_->toPlainText());
    setFont(kDefaultFontName, kDefaultFontSize, false);
    DetermineFontSetting();
}

void ReadingFont::chooseFont() {
    // The dialog starts on the family really drawn, which differs from the one asked for
    // when that is not installed.
    const QFont current = rtf1_->font();
    const platform::FontChoice shown{QFontInfo(current).family(), current.pointSizeF(),
                                     current.bold(), false};
    const auto chosen = dialogs_.chooseFont(shown);
    if (!chosen ||
        (chosen->name == shown.name && chosen->size == shown.size && chosen->bold == shown.bold))
        return;
    setFont(chosen->name, chosen->size, chosen->bold);
    DetermineFontSetting();
}

void ReadingFont::DetermineFontSetting() {
    const double readingSize = size();
    const QString family = name();
    SetPointSize(rtf2_, readingSize);
    SetPointSize(list1_, ListFontSize(readingSize));
    SetPointSize(list2_, ListFontSize(readingSize));
    for (QWidget* widget : {static_cast<QWidget*>(rtf2_), static_cast<QWidget*>(list1_),
                            static_cast<QWidget*>(list2_), static_cast<QWidget*>(label3_)})
        SetFamily(widget, family);
    ApplyWrapMargin(rtf1_);
    ApplyWrapMargin(rtf2_);
}

void ReadingFont::ApplyWrapMargin(QTextEdit* view) {
    QTextFrame* root = view->document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    const int scrollBar = view->verticalScrollBar()->sizeHint().width();
    const int margin = std::max(0, Twips(view, kWrapMarginTwips) - scrollBar);
    // Setting the same margin again would still lay the whole text out anew.
    if (format.rightMargin() == margin)
        return;
    format.setRightMargin(margin);
    root->setFrameFormat(format);
}

} // namespace reader
