#pragma once

#include <QObject>
#include <memory>

namespace store {
class Store;
}

namespace reader {

class CommentaryWindow;
class MainWindow;

// "Tafsiran Alkitab": opens the commentary window beside the main window, as the separate
// introduction window is placed, and keeps it on the chapter the navigator shows.
class CommentaryCommands : public QObject {
    Q_OBJECT
public:
    CommentaryCommands(MainWindow& window, const store::Store& store);
    ~CommentaryCommands() override;

    // Made on first use.
    CommentaryWindow& commentaryWindow();
    void showCommentary();

private:
    void follow();

    MainWindow& window_;
    const store::Store& store_;
    std::unique_ptr<CommentaryWindow> commentary_;
};

} // namespace reader
