#include "reader/ChapterView.h"

#include "platform/PlainText.h"
#include "reader/BookPanel.h"
#include "reader/MainMenus.h"
#include "reader/Navigator.h"
#include "reader/NumberTyping.h"
#include "reader/ReaderOptions.h"
#include "reader/ReaderTexts.h"
#include "reader/ReadingArea.h"
#include "reader/ReadingFont.h"
#include "reader/ReadingState.h"
#include "reader/VerseText.h"
#include "reader/WaitCursor.h"
#include "results/ShownText.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>

namespace reader {

namespace {

// A chosen place is read from the top down: its line comes to rest one line below the view's
// top edge rather than at its bottom edge, where showing the caret alone would leave it.
void ShowNearTop(QTextEdit* view, int position) {
    QTextCursor at(view->document());
    at.setPosition(position);
    const QRect line = view->cursorRect(at);
    QScrollBar* bar = view->verticalScrollBar();
    bar->setValue(bar->value() + line.top() - line.height());
}

} // namespace

ChapterView::ChapterView(Navigator& navigator, ReadingState& state, const ReaderOptions& options,
                         BookPanel& panel, ReadingArea& area, MainMenus& menus, QObject* parent)
    : QObject(parent), nav_(navigator), state_(state), options_(options), panel_(panel),
      area_(area), menus_(menus) {
    wireInputs();
    observeNavigator();
}

bool ChapterView::studyInView() const {
    return !state_.scriptureMode() && !options_.isOn(Option::SeparateIntro);
}

void ChapterView::onTestamentChosen(bool oldTestament) {
    // Chapters never shown stay out of the history.
    nav_.chooseTestament(oldTestament, studyInView() ? Record::No : Record::Yes);
}

void ChapterView::wireInputs() {
    connect(panel_.option1(), &QRadioButton::clicked, this, [this] { onTestamentChosen(true); });
    connect(panel_.option2(), &QRadioButton::clicked, this, [this] { onTestamentChosen(false); });
    connect(panel_.list1(), &ChoiceList::chosen, this, &ChapterView::onBookChosen);
    connect(panel_.list2(), &ChoiceList::chosen, this, &ChapterView::onChapterChosen);
    connect(panel_.combo1(), &QComboBox::activated, this, &ChapterView::onVerseChosen);
    ScriptureView* rtf1 = area_.rtf1();
    connect(rtf1, &ScriptureView::clicked, this, &ChapterView::hideDropDown);
    connect(rtf1, &ScriptureView::caretMoved, this, &ChapterView::trackCaret);
    connect(rtf1, &QTextEdit::customContextMenuRequested, this, &ChapterView::showContextMenu);
    wireNumberTyping();
}

void ChapterView::wireNumberTyping() {
    QListWidget* chapters = panel_.list2();
    auto* chapterNumbers = new NumberTyping(chapters, [chapters] { return chapters->count(); });
    connect(chapterNumbers, &NumberTyping::numberChosen, this,
            [chapters](int number) { chapters->setCurrentRow(number - 1); });
    QComboBox* verses = panel_.combo1();
    auto* verseNumbers = new NumberTyping(verses, [verses] { return verses->count(); });
    connect(verseNumbers, &NumberTyping::numberChosen, this, [this, verses](int number) {
        verses->setCurrentIndex(number - 1);
        onVerseChosen(number - 1);
    });
}

void ChapterView::observeNavigator() {
    connect(&nav_, &Navigator::bookListChanged, this, &ChapterView::IsiDaftarBuku);
    connect(&nav_, &Navigator::bookChanged, this, &ChapterView::FillChapterList);
    connect(&nav_, &Navigator::chapterChanged, this, &ChapterView::showChapter);
    connect(&nav_, &Navigator::verseChosen, this,
            [this](int verse) { SelectAyat(area_.rtf1(), verse, true); });
    connect(&nav_, &Navigator::passageChosen, this, &ChapterView::selectPassage);
}

void ChapterView::onBookChosen(int row) {
    if (!state_.scriptureMode())
        return;
    emit hideDropDown();
    const WaitCursor wait;
    area_.command5()->hide();
    area_.picture4()->hide();
    nav_.chooseBook(row);
}

void ChapterView::onChapterChosen(int row) {
    panel_.combo1()->setCurrentIndex(-1);
    emit hideDropDown();
    if (studyInView()) {
        FillVerseChooser();
        return;
    }
    nav_.chooseChapter(row + 1);
}

void ChapterView::onVerseChosen(int index) {
    emit hideDropDown();
    area_.rtf1()->setFocus();
    nav_.chooseVerse(panel_.combo1()->itemText(index).trimmed().toInt());
}

// IsiDaftarBuku1/IsiDaftarBuku2: the shown testament's books in the active version.
void ChapterView::IsiDaftarBuku() {
    panel_.option1()->setEnabled(nav_.OTAvailable() == 1);
    (nav_.oldTestament() ? panel_.option1() : panel_.option2())->setChecked(true);
    QListWidget* list = panel_.list1();
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(nav_.bookNames());
}

void ChapterView::FillChapterList() {
    QListWidget* list = panel_.list2();
    const QSignalBlocker quiet(list);
    list->clear();
    QStringList items;
    for (int chapter = 1; chapter <= nav_.chapterCount(); ++chapter)
        items.append(NumberItem(chapter));
    list->addItems(items);
}

void ChapterView::FillVerseChooser() {
    QComboBox* combo = panel_.combo1();
    combo->clear();
    QStringList items;
    for (int verse = 1; verse <= nav_.verseCount(); ++verse)
        items.append(NumberItem(verse));
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

void ChapterView::showChapter() {
    {
        const QSignalBlocker books(panel_.list1());
        const QSignalBlocker chapters(panel_.list2());
        panel_.list1()->setCurrentRow(nav_.bookIndex());
        panel_.list2()->setCurrentRow(nav_.chapter() - 1);
    }
    // A book's study text in the reading view stays there; only the verse chooser follows.
    if (studyInView()) {
        FillVerseChooser();
        return;
    }
    area_.title()->setText(ChapterTitle(nav_.bookName(), nav_.chapter()));
    state_.caretPos = 0;
    locator_.forget();
    if (!nav_.chapterRow()) {
        // A chapter the store lacks: nothing of another chapter may stay on screen.
        area_.rtf1()->clear();
        area_.rtf2()->clear();
    } else {
        area_.title()->setToolTip(
            platform::PlainToolTip(ChapterToolTip(nav_.bookName(), nav_.chapter())));
        setViewText(area_.rtf1(), nav_.chapterText());
        SelectParagraphVerse(area_.rtf1(), 0);
    }
    FillVerseChooser();
}

void ChapterView::showQuotation(const QString& ref, const QString& lines) {
    {
        const QSignalBlocker books(panel_.list1());
        const QSignalBlocker chapters(panel_.list2());
        panel_.list1()->setCurrentRow(-1);
        panel_.list2()->setCurrentRow(-1);
    }
    area_.title()->setText(QStringLiteral("Kutipan dari Kitab ") + ref);
    area_.title()->setToolTip(platform::PlainToolTip(ref));
    setViewText(area_.rtf1(), lines);
}

void ChapterView::setViewText(QTextEdit* view, const QString& storedText) {
    // The text is replaced in one edit, never cleared first: an empty document would drop the
    // wrap margin and the scroll bar, and each change back would lay the chapter out again.
    QTextDocument* document = view->document();
    document->setUndoRedoEnabled(false);
    ReadingFont::ApplyWrapMargin(view);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    cursor.insertText(results::ShownText(storedText, results::kMostShownChapter)
                          .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                      QTextCharFormat());
    cursor.endEditBlock();
    view->setTextCursor(QTextCursor(document));
}

void ChapterView::SelectAyat(QTextEdit* view, int verse, bool select) {
    const auto position = FindVerseLine(view->toPlainText(), verse);
    if (!position)
        return;
    state_.caretPos = *position;
    // A chosen verse is selected even when the caret already stands in it.
    if (select) {
        SelectParagraphVerse(view, *position, true, true);
        ShowNearTop(view, *position);
    }
}

void ChapterView::SelectParagraphVerse(QTextEdit* view, int position, bool select, bool force) {
    const QString text = view->toPlainText();
    const auto line = locator_.locate(text, position, force);
    if (!line)
        return;
    QTextCursor cursor = view->textCursor();
    // A selection the user made from this position stays for copying.
    if (!cursor.hasSelection() || cursor.selectionStart() != position)
        cursor.setPosition(position);
    if (select) {
        cursor.setPosition(line->start);
        cursor.setPosition(std::min<int>(line->end + 1, int(text.size())), QTextCursor::KeepAnchor);
    }
    view->setTextCursor(cursor);
    nav_.noteVerse(VerseNumber(line->label));
    if (const auto verse = ParallelVerseLine(nav_.parallelChapterText(), line->label))
        area_.rtf2()->setPlainText(results::ShownText(*verse));
}

QTextEdit* ChapterView::readingView() const {
    return area_.rtf1();
}

void ChapterView::selectJumpLine(int verse) {
    const QString text = area_.rtf1()->toPlainText();
    const auto start = FindVerseLine(text, verse);
    if (!start)
        return;
    // Located first, so that the navigator notes the verse and the parallel panel follows.
    SelectParagraphVerse(area_.rtf1(), *start, false, true);
    selectLines(text, *start, *start);
}

void ChapterView::selectPassage(int firstVerse, int lastVerse) {
    const QString text = area_.rtf1()->toPlainText();
    const auto start = FindVerseLine(text, firstVerse);
    if (!start)
        return;
    const auto last = FindVerseLine(text, lastVerse);
    selectLines(text, *start, last ? *last : *start);
}

void ChapterView::selectLines(const QString& text, int start, int lastLine) {
    qsizetype end = text.indexOf(u'\n', lastLine);
    if (end < 0)
        end = text.size();
    QTextEdit* rtf1 = area_.rtf1();
    QTextCursor cursor = rtf1->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(int(end), QTextCursor::KeepAnchor);
    rtf1->setTextCursor(cursor);
    ShowNearTop(rtf1, start);
}

void ChapterView::selectVerseAtCaret() {
    QTextEdit* rtf1 = area_.rtf1();
    SelectParagraphVerse(rtf1, rtf1->textCursor().selectionStart(), true, true);
}

void ChapterView::showWholeChapterInParallel() {
    if (nav_.chapterRow())
        setViewText(area_.rtf2(), nav_.parallelChapterText());
}

void ChapterView::relocateAtCaret() {
    QTextEdit* rtf1 = area_.rtf1();
    rtf1->setFocus();
    const int length = int(rtf1->toPlainText().size());
    if (state_.caretPos > length)
        state_.caretPos = 0;
    SelectParagraphVerse(rtf1, state_.caretPos, false, true);
}

void ChapterView::trackCaret() {
    state_.caretPos = area_.rtf1()->textCursor().selectionStart();
    SelectParagraphVerse(area_.rtf1(), state_.caretPos);
}

void ChapterView::showContextMenu(const QPoint& pos) {
    QTextEdit* rtf1 = area_.rtf1();
    const QTextCursor cursor = rtf1->textCursor();
    state_.caretPos = cursor.selectionStart();
    const bool scripture = state_.scriptureMode();
    for (QAction* action : menus_.menuEdit()->actions()) {
        if (action->isSeparator())
            action->setVisible(scripture);
    }
    menus_.action(ReaderCommand::Bookmark)->setVisible(scripture);
    menus_.menuRef()->menuAction()->setVisible(scripture);
    const int length = int(rtf1->toPlainText().size());
    const bool wholeSelected = cursor.selectionStart() == 0 && cursor.selectionEnd() >= length;
    menus_.action(ReaderCommand::SelectVerse)->setEnabled(!wholeSelected);
    menus_.action(ReaderCommand::SelectAll)->setEnabled(!wholeSelected);
    menus_.action(ReaderCommand::Copy)->setEnabled(cursor.hasSelection());
    menus_.action(ReaderCommand::CopyToClipBook)->setEnabled(cursor.hasSelection());
    menus_.menuEdit()->popup(rtf1->viewport()->mapToGlobal(pos));
}

} // namespace reader
