#include "reader/CommentaryCommands.h"

#include "reader/CommentaryWindow.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "reader/SideWindows.h"
#include "store/Store.h"

namespace reader {

CommentaryCommands::CommentaryCommands(MainWindow& window, const store::Store& store)
    : QObject(&window), window_(window), store_(store) {
    window.commands().bind(ReaderCommand::Commentary, [this] { showCommentary(); });
    connect(&window.navigator(), &Navigator::chapterChanged, this, [this] {
        if (commentary_ && commentary_->isVisible())
            follow();
    });
}

CommentaryCommands::~CommentaryCommands() = default;

CommentaryWindow& CommentaryCommands::commentaryWindow() {
    if (!commentary_) {
        commentary_ = std::make_unique<CommentaryWindow>(window_.models().look);
        window_.sideWindows().add(commentary_.get());
        connect(commentary_.get(), &CommentaryWindow::closed, this,
                [this] { window_.sideWindows().sideHidden(); });
    }
    return *commentary_;
}

void CommentaryCommands::showCommentary() {
    SideWindows& sides = window_.sideWindows();
    sides.NoteWindowSize();
    CommentaryWindow& commentary = commentaryWindow();
    follow();
    sides.TileSideWindow(commentary);
}

void CommentaryCommands::follow() {
    const Navigator& nav = window_.navigator();
    const std::optional<int> row = nav.chapterRow();
    commentaryWindow().showChapter(nav.bookName() + u' ' + QString::number(nav.chapter()),
                                   row ? store_.commentary(*row) : QString());
}

} // namespace reader
