#pragma once

#include "reader/VerseLocator.h"

#include <QObject>
#include <optional>

class QTextEdit;

namespace store {
class Store;
}

namespace reader {

class BookPanel;
class MainMenus;
class ReadingArea;
struct ReadingState;

// The book panel and the reading view: choosing testament, book, chapter and verse, and
// locating the verse under the caret with its counterpart in the parallel panel.
class ChapterView : public QObject {
    Q_OBJECT
public:
    ChapterView(const store::Store* store, ReadingState& state, BookPanel& panel, ReadingArea& area,
                MainMenus& menus, QObject* parent);

    // Option1/Option2: the testament's books, showing the first book's first chapter.
    void chooseTestament(bool oldTestament);
    void IsiDaftarBuku1();
    void IsiDaftarBuku2();
    void FillChapterList(const QString& book);
    void FillVerseChooser();
    void SelectParagraphVerse(QTextEdit* view, int position, bool select = false,
                              bool force = false);
    void SelectAyat(QTextEdit* view, int verse, bool select);

    // The chapter row on screen, as an index into the store's chapters.
    std::optional<int> currentChapter() const { return chapter_; }
    bool oldTestamentShown() const;
    // The chapter on screen in the active version's column (after a version change).
    void showChapterText();
    // "Tampilkan Seluruh Pasal": the whole chapter in the parallel version.
    void showWholeChapterInParallel();
    // Back from the parallel version popup: the verse at the noted caret, located afresh.
    void relocateAtCaret();

signals:
    void hideDropDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillBookList(const QString& perjanjian);
    void onBookRow(int row);
    void onChapterRow(int row);
    void onVerseChosen(int index);
    void trackCaret();
    void showContextMenu(const QPoint& pos);
    void setViewText(QTextEdit* view, const QString& storedText);
    QString currentBook() const;

    const store::Store* store_;
    ReadingState& state_;
    BookPanel& panel_;
    ReadingArea& area_;
    MainMenus& menus_;
    VerseLocator locator_;
    std::optional<int> chapter_;
};

} // namespace reader
