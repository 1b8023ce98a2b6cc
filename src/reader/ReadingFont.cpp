#include "reader/ReadingFont.h"

#include "platform/Dialogs.h"
#include "platform/LookFonts.h"
#include "platform/ReadingLook.h"
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

} // namespace

ReadingFont::ReadingFont(platform::ReadingLook& look, const ReadingViews& views,
                         platform::Dialogs& dialogs, QObject* parent)
    : QObject(parent), look_(look), views_(views), dialogs_(dialogs) {
    DetermineFontSetting();
    connect(&look_, &platform::ReadingLook::changed, this, &ReadingFont::DetermineFontSetting);
}

void ReadingFont::fontUp() {
    look_.setFontSize(look_.fontSize() + 1);
}

void ReadingFont::fontDown() {
    if (const auto smaller = platform::SmallerFontSize(look_.fontSize()))
        look_.setFontSize(*smaller);
}

void ReadingFont::fontReset() {
    // Marks made by a find go with the font.
    views_.rtf1->setPlainText(views_.rtf1->toPlainText());
    look_.setFont(platform::kDefaultFontName, platform::kDefaultFontSize, false);
}

void ReadingFont::chooseFont() {
    // The dialog starts on the family really drawn, which differs from the one asked for
    // when that is not installed.
    const QFont current = views_.rtf1->font();
    const platform::FontChoice shown{QFontInfo(current).family(), current.pointSizeF(),
                                     current.bold(), false};
    const auto chosen = dialogs_.chooseFont(shown);
    if (!chosen ||
        (chosen->name == shown.name && chosen->size == shown.size && chosen->bold == shown.bold))
        return;
    look_.setFont(chosen->name, chosen->size, chosen->bold);
}

void ReadingFont::DetermineFontSetting() {
    views_.rtf1->setFont(platform::VerseFont(look_));
    platform::TakeFont(views_.rtf2, views_.rtf1->font(), true);
    const QFont list = platform::ListFont(look_);
    platform::TakeFont(views_.list1, list, true);
    platform::TakeFont(views_.list2, list, true);
    platform::TakeFont(views_.label3, list, false);
    ApplyWrapMargin(views_.rtf1);
    ApplyWrapMargin(views_.rtf2);
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
