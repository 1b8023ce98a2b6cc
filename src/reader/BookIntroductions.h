#pragma once

#include "reader/IntroWindow.h"

#include <QObject>
#include <memory>

namespace platform {
class ReadingLook;
}

namespace reader {

class BookPanel;
class MainMenus;
class Navigator;
class ReaderOptions;
class ReadingArea;
class SideWindows;
struct ReadingState;

// The book panel's study modes: "intro" shows a book's introduction, "info", "cirikhas" and
// "survai" its notes, either in the reading view or in the introduction window Form8 beside
// it. The mode lives in the reading state; the position stays with the navigator. The text
// shown always belongs to the navigator's book, and a jump from elsewhere brings the
// scripture back into the reading view.
class BookIntroductions : public QObject {
    Q_OBJECT
public:
    struct Parts {
        Navigator& nav;
        ReadingState& state;
        const ReaderOptions& options;
        BookPanel& panel;
        ReadingArea& area;
        MainMenus& menus;
        SideWindows& sides;
        const platform::ReadingLook& look;
    };
    BookIntroductions(Parts parts, QObject* parent);
    ~BookIntroductions() override;

    // "Pengantar Kitab".
    void ShowBookIntroduction();
    // "Keterangan Alkitab".
    void ShowBookNotes();
    // "Kitab": back to the scripture, at the chapter the chapter list points to.
    void backToScripture();
    // Form8, made on first use.
    IntroWindow& introWindow();

private:
    bool separate() const;
    // Option6, Option5, Option4 of the book panel.
    void chooseNote(BookText text);
    // A book chosen in the list while a study text is shown.
    void onBookChosen(int row);
    // The navigator moved to another book: the study text shown follows it.
    void followBook();
    // A place shown from elsewhere ends a study text in the reading view.
    void onJump();
    void showStudyText(BookText text);
    void showIntroInView();
    void showNotesInView(BookText text);
    void leaveStudyView();
    void setStudyLook(bool studying);
    void Set_IsInfo_to_kitab();

    Parts parts_;
    std::unique_ptr<IntroWindow> form8_;
};

} // namespace reader
