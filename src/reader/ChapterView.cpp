#include "reader/ChapterView.h"

#include "reader/BookPanel.h"
#include "reader/MainMenus.h"
#include "reader/ReaderTexts.h"
#include "reader/ReadingArea.h"
#include "reader/ReadingFont.h"
#include "reader/ReadingState.h"
#include "reader/VerseText.h"
#include "reader/WaitCursor.h"
#include "scripture/BookCatalogue.h"
#include "store/Store.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace reader {

ChapterView::ChapterView(const store::Store* store, ReadingState& state, BookPanel& panel,
                         ReadingArea& area, MainMenus& menus, QObject* parent)
    : QObject(parent), store_(store), state_(state), panel_(panel), area_(area), menus_(menus) {
    connect(panel_.option1(), &QRadioButton::clicked, this, [this] { chooseTestament(true); });
    connect(panel_.option2(), &QRadioButton::clicked, this, [this] { chooseTestament(false); });
    connect(panel_.list1(), &QListWidget::currentRowChanged, this, &ChapterView::onBookRow);
    connect(panel_.list2(), &QListWidget::currentRowChanged, this, &ChapterView::onChapterRow);
    connect(panel_.combo1(), &QComboBox::activated, this, &ChapterView::onVerseChosen);
    QTextEdit* rtf1 = area_.rtf1();
    rtf1->viewport()->installEventFilter(this);
    rtf1->installEventFilter(this);
    connect(rtf1, &QTextEdit::customContextMenuRequested, this, &ChapterView::showContextMenu);
    connect(menus_.action(QStringLiteral("MenuPilihSemua")), &QAction::triggered, rtf1,
            &QTextEdit::selectAll);
    connect(menus_.action(QStringLiteral("MenuPilihAyat")), &QAction::triggered, this,
            [this, rtf1] {
                SelectParagraphVerse(rtf1, rtf1->textCursor().selectionStart(), true, true);
            });
}

bool ChapterView::oldTestamentShown() const {
    return panel_.option1()->isChecked();
}

void ChapterView::chooseTestament(bool oldTestament) {
    panel_.list1()->clear();
    if (oldTestament)
        IsiDaftarBuku1();
    else
        IsiDaftarBuku2();
    panel_.list1()->setCurrentRow(0);
}

void ChapterView::IsiDaftarBuku1() {
    fillBookList(QStringLiteral("Lama"));
}

void ChapterView::IsiDaftarBuku2() {
    fillBookList(QStringLiteral("Baru"));
}

void ChapterView::fillBookList(const QString& perjanjian) {
    QListWidget* list = panel_.list1();
    const QSignalBlocker quiet(list);
    list->clear();
    if (!store_ || state_.activeColumn.isEmpty())
        return;
    for (const store::BookRow* book : store_->booksOf(perjanjian))
        list->addItem(book->name(state_.activeColumn));
}

QString ChapterView::currentBook() const {
    return scripture::GetBookName(qint16(panel_.list1()->currentRow()), oldTestamentShown());
}

void ChapterView::onBookRow(int row) {
    if (row < 0 || !state_.scriptureMode())
        return;
    emit hideDropDown();
    const WaitCursor wait;
    area_.command5()->hide();
    area_.picture4()->hide();
    const QString book = currentBook();
    area_.title()->setText(ChapterTitle(book, panel_.list2()->currentRow() + 1));
    FillChapterList(book);
    panel_.list2()->setCurrentRow(0);
    SelectParagraphVerse(area_.rtf1(), 0);
}

void ChapterView::FillChapterList(const QString& book) {
    QListWidget* list = panel_.list2();
    list->clear();
    const store::BookRow* row = store_ ? store_->findBook(book) : nullptr;
    if (row) {
        QStringList items;
        for (int chapter = 1; chapter <= row->jumlahBuku; ++chapter)
            items.append(NumberItem(chapter));
        list->addItems(items);
    }
    FillVerseChooser();
}

void ChapterView::FillVerseChooser() {
    QComboBox* combo = panel_.combo1();
    combo->clear();
    if (!store_ || !chapter_)
        return;
    QStringList items;
    const int verses = store_->chapters()[std::size_t(*chapter_)].ayat;
    for (int verse = 1; verse <= verses; ++verse)
        items.append(NumberItem(verse));
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

void ChapterView::onChapterRow(int row) {
    if (row < 0)
        return;
    panel_.combo1()->setCurrentIndex(-1);
    emit hideDropDown();
    const QString book = currentBook();
    if (!state_.scriptureMode() && !state_.separateIntro) {
        FillVerseChooser();
        return;
    }
    area_.title()->setText(ChapterTitle(book, row + 1));
    chapter_ = store_ ? store_->findChapter(book, row + 1) : std::nullopt;
    if (!chapter_) {
        // A chapter the store lacks: nothing of another chapter may stay on screen.
        area_.rtf1()->clear();
        area_.rtf2()->clear();
        locator_.forget();
    } else {
        const store::ChapterRow& found = store_->chapters()[std::size_t(*chapter_)];
        area_.title()->setToolTip(ChapterToolTip(found.buku, found.bab));
        showChapterText();
    }
    FillVerseChooser();
}

void ChapterView::showChapterText() {
    if (!chapter_)
        return;
    setViewText(area_.rtf1(), store_->chapterText(*chapter_, state_.activeColumn));
    state_.caretPos = 0;
    locator_.forget();
    SelectParagraphVerse(area_.rtf1(), 0);
}

void ChapterView::setViewText(QTextEdit* view, const QString& storedText) {
    view->setPlainText(QString(storedText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    ReadingFont::ApplyWrapMargin(view);
}

void ChapterView::onVerseChosen(int index) {
    emit hideDropDown();
    area_.rtf1()->setFocus();
    const int verse = panel_.combo1()->itemText(index).trimmed().toInt();
    SelectAyat(area_.rtf1(), verse, true);
}

void ChapterView::SelectAyat(QTextEdit* view, int verse, bool select) {
    const auto position = FindVerseLine(view->toPlainText(), verse);
    if (!position)
        return;
    state_.caretPos = *position;
    // A chosen verse is selected even when the caret already stands in it.
    if (select)
        SelectParagraphVerse(view, *position, true, true);
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
    if (!store_ || !chapter_)
        return;
    const QString parallel = store_->chapterText(*chapter_, state_.parallelColumn);
    if (const auto verse = ParallelVerseLine(parallel, line->label))
        area_.rtf2()->setPlainText(*verse);
}

void ChapterView::showWholeChapterInParallel() {
    if (store_ && chapter_)
        setViewText(area_.rtf2(), store_->chapterText(*chapter_, state_.parallelColumn));
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

bool ChapterView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_.rtf1()->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit hideDropDown();
        trackCaret();
    } else if (watched == area_.rtf1() && event->type() == QEvent::KeyRelease) {
        trackCaret();
    }
    return QObject::eventFilter(watched, event);
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
    menus_.action(QStringLiteral("MenuBookmark"))->setVisible(scripture);
    menus_.action(QStringLiteral("MenuRef"))->setVisible(scripture);
    const int length = int(rtf1->toPlainText().size());
    const bool wholeSelected = cursor.selectionStart() == 0 && cursor.selectionEnd() >= length;
    menus_.action(QStringLiteral("MenuPilihAyat"))->setEnabled(!wholeSelected);
    menus_.action(QStringLiteral("MenuPilihSemua"))->setEnabled(!wholeSelected);
    menus_.action(QStringLiteral("menuCopy"))->setEnabled(cursor.hasSelection());
    menus_.action(QStringLiteral("MenuCopyClipBook"))->setEnabled(cursor.hasSelection());
    menus_.menuEdit()->popup(rtf1->viewport()->mapToGlobal(pos));
}

} // namespace reader
