#pragma once

#include "reader/VerseLocator.h"

#include <QObject>

class QTextEdit;

namespace reader {

class BookPanel;
class MainMenus;
class Navigator;
class ReadingArea;
class ReaderOptions;
struct ReadingState;

// The book panel and the reading view as views of the navigator: choices in the lists go to
// it, its moves fill the lists, the title and the text. Also locates the verse under the
// caret and shows its counterpart in the parallel panel.
class ChapterView : public QObject {
    Q_OBJECT
public:
    ChapterView(Navigator& navigator, ReadingState& state, const ReaderOptions& options,
                BookPanel& panel, ReadingArea& area, MainMenus& menus, QObject* parent);

    void SelectParagraphVerse(QTextEdit* view, int position, bool select = false,
                              bool force = false);
    void SelectAyat(QTextEdit* view, int verse, bool select);

    QTextEdit* readingView() const;
    // A jump's verse: its line selected up to its end, the line break left out.
    void selectJumpLine(int verse);
    // A typed passage: its verses selected from the first line's start to the last one's end.
    void selectPassage(int firstVerse, int lastVerse);
    // "Pilih ayat": the verse under the caret, selected.
    void selectVerseAtCaret();
    // "Tampilkan Seluruh Pasal": the whole chapter in the parallel version.
    void showWholeChapterInParallel();
    // "ADVICE": the lists lose their selection and the view shows the passage under
    // "Kutipan dari Kitab " + ref; the navigator's position stays.
    void showQuotation(const QString& ref, const QString& lines);
    // Back from the parallel version popup: the verse at the noted caret, located afresh.
    void relocateAtCaret();

signals:
    void hideDropDown();

private:
    // From the line starting at start to the end of the line starting at lastLine (the line
    // break left out), shown near the top.
    void selectLines(const QString& text, int start, int lastLine);
    // A book's study text fills the reading view instead of the chapter.
    bool studyInView() const;
    void onTestamentChosen(bool oldTestament);
    void wireInputs();
    // Digits typed into the chapter list or the verse chooser choose that number.
    void wireNumberTyping();
    void observeNavigator();
    void onBookChosen(int row);
    void onChapterChosen(int row);
    void onVerseChosen(int index);
    void IsiDaftarBuku();
    void FillChapterList();
    void FillVerseChooser();
    void showChapter();
    void trackCaret();
    void showContextMenu(const QPoint& pos);
    void setViewText(QTextEdit* view, const QString& storedText);

    Navigator& nav_;
    ReadingState& state_;
    const ReaderOptions& options_;
    BookPanel& panel_;
    ReadingArea& area_;
    MainMenus& menus_;
    VerseLocator locator_;
};

} // namespace reader
