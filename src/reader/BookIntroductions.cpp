#include "reader/BookIntroductions.h"

#include "reader/BookPanel.h"
#include "reader/MainMenus.h"
#include "reader/Navigator.h"
#include "reader/ReaderOptions.h"
#include "reader/ReadingArea.h"
#include "reader/ReadingState.h"
#include "reader/SideWindows.h"
#include "reader/WaitCursor.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace reader {

namespace {

// The title above an introduction: the book's name after 22 blanks.
QString IntroTitle(const QString& book) {
    return QString(22, u' ') + book;
}

// The note a notes mode shows; "info" shows Pengantar.
BookText NoteOf(ViewMode mode) {
    if (mode == ViewMode::Survai)
        return BookText::Survai;
    if (mode == ViewMode::CiriKhas)
        return BookText::CiriKhas;
    return BookText::Pengantar;
}

} // namespace

BookIntroductions::BookIntroductions(Parts parts, QObject* parent)
    : QObject(parent), parts_(parts) {
    connect(parts_.panel.list1(), &ChoiceList::chosen, this, &BookIntroductions::onBookChosen);
    connect(&parts_.nav, &Navigator::bookChanged, this, &BookIntroductions::followBook);
    connect(&parts_.nav, &Navigator::jumpStarted, this, &BookIntroductions::onJump);
    const std::pair<const char*, BookText> choices[] = {{"Option6", BookText::Pengantar},
                                                        {"Option5", BookText::CiriKhas},
                                                        {"Option4", BookText::Survai}};
    for (const auto& choice : choices) {
        const BookText text = choice.second;
        auto* option =
            parts_.area.picture4()->findChild<QRadioButton*>(QString::fromUtf8(choice.first));
        connect(option, &QRadioButton::clicked, this, [this, text] { chooseNote(text); });
    }
}

BookIntroductions::~BookIntroductions() = default;

bool BookIntroductions::separate() const {
    return parts_.options.isOn(Option::SeparateIntro);
}

IntroWindow& BookIntroductions::introWindow() {
    if (!form8_) {
        form8_ =
            std::make_unique<IntroWindow>(parts_.look, [this] { return parts_.nav.bookRow(); });
        parts_.sides.add(form8_.get());
        connect(form8_.get(), &IntroWindow::closed, this, [this] {
            parts_.sides.sideHidden();
            Set_IsInfo_to_kitab();
        });
    }
    return *form8_;
}

void BookIntroductions::ShowBookIntroduction() {
    parts_.state.isInfo = ViewMode::Intro;
    parts_.area.picture4()->hide();
    if (!separate()) {
        setStudyLook(true);
        showIntroInView();
        return;
    }
    parts_.sides.NoteWindowSize();
    parts_.area.command5()->hide();
    setStudyLook(false);
    parts_.nav.chooseBook(parts_.nav.bookIndex());
    IntroWindow& form8 = introWindow();
    form8.showCaption(QStringLiteral("Pengantar Alkitab"), false);
    form8.setText(BookStudyText(parts_.nav.bookRow(), BookText::Intro));
    parts_.sides.TileSideWindow(form8);
}

void BookIntroductions::ShowBookNotes() {
    parts_.state.isInfo = ViewMode::Info;
    if (!separate()) {
        setStudyLook(true);
        parts_.area.title()->clear();
        showNotesInView(BookText::Pengantar);
        return;
    }
    parts_.sides.NoteWindowSize();
    parts_.area.command5()->hide();
    parts_.area.picture4()->hide();
    setStudyLook(false);
    parts_.nav.chooseBook(parts_.nav.bookIndex());
    IntroWindow& form8 = introWindow();
    form8.showCaption(QStringLiteral("Keterangan Alkitab"), true);
    form8.choose(0);
    parts_.sides.TileSideWindow(form8);
}

void BookIntroductions::chooseNote(BookText text) {
    // Pengantar keeps the mode: it is what "info" shows.
    if (text == BookText::Survai)
        parts_.state.isInfo = ViewMode::Survai;
    else if (text == BookText::CiriKhas)
        parts_.state.isInfo = ViewMode::CiriKhas;
    showStudyText(text);
}

void BookIntroductions::showStudyText(BookText text) {
    const QString shown = BookStudyText(parts_.nav.bookRow(), text);
    if (separate())
        introWindow().setText(shown);
    else
        parts_.area.rtf1()->setPlainText(shown);
}

void BookIntroductions::showIntroInView() {
    parts_.area.command5()->show();
    parts_.area.picture4()->hide();
    parts_.area.title()->setText(IntroTitle(parts_.nav.bookName()));
    parts_.area.rtf1()->setPlainText(BookStudyText(parts_.nav.bookRow(), BookText::Intro));
    parts_.area.showParallel(false);
}

void BookIntroductions::showNotesInView(BookText text) {
    parts_.area.command5()->show();
    parts_.area.picture4()->show();
    parts_.area.showParallel(false);
    const char* name = text == BookText::Survai     ? "Option4"
                       : text == BookText::CiriKhas ? "Option5"
                                                    : "Option6";
    parts_.area.picture4()->findChild<QRadioButton*>(QString::fromUtf8(name))->setChecked(true);
    showStudyText(text);
}

void BookIntroductions::onBookChosen(int row) {
    if (parts_.state.scriptureMode())
        return;
    const WaitCursor wait;
    parts_.area.command5()->hide();
    // Without the separate window the chapter is not shown, so it is not a place read.
    parts_.nav.chooseBook(row, separate() ? Record::Yes : Record::No);
}

void BookIntroductions::followBook() {
    if (parts_.state.scriptureMode())
        return;
    const ViewMode mode = parts_.state.isInfo;
    if (separate()) {
        if (form8_)
            showStudyText(mode == ViewMode::Intro ? BookText::Intro : form8_->chosenText());
        return;
    }
    if (mode == ViewMode::Intro)
        showIntroInView();
    else
        showNotesInView(NoteOf(mode));
}

void BookIntroductions::onJump() {
    if (!parts_.state.scriptureMode() && !separate())
        leaveStudyView();
}

void BookIntroductions::backToScripture() {
    const int noted = parts_.panel.list2()->currentRow();
    leaveStudyView();
    parts_.nav.chooseChapter(noted >= 0 ? noted + 1 : 1);
}

void BookIntroductions::leaveStudyView() {
    Set_IsInfo_to_kitab();
    parts_.area.picture4()->hide();
    parts_.area.command5()->hide();
    setStudyLook(false);
    // The parallel panel comes back as its menu item says.
    parts_.area.showParallel(parts_.menus.action(ReaderCommand::ToggleParallel)->isChecked());
}

void BookIntroductions::setStudyLook(bool studying) {
    QListWidget* list2 = parts_.panel.list2();
    if (!studying) {
        list2->setPalette(QPalette());
        return;
    }
    // The chapter list is not in use while a study text fills the reading view.
    QPalette palette = list2->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    list2->setPalette(palette);
}

void BookIntroductions::Set_IsInfo_to_kitab() {
    parts_.state.isInfo = ViewMode::Kitab;
}

} // namespace reader
