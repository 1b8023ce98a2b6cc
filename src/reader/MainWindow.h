#pragma once

#include "reader/ReaderCommand.h"
#include "reader/ReadingState.h"
#include "reader/VersionTable.h"

#include <QMainWindow>

class QLabel;
class QTextEdit;

namespace reader {

struct AppContext;
class BookPanel;
class ChapterView;
class FrameViews;
class MainMenus;
class ReadingArea;
class ReadingFont;
class SearchBar;
class BlueBar;
class StatusLine;
class ToolBarPanel;

// Form1, the reader's main window: the frame, the chapter view and the versions. Works
// without a store too (the window then stays empty).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    ReadingState& state() { return state_; }
    const VersionTable& versions() const { return versions_; }
    MainMenus& menus() { return *menus_; }
    ChapterView& chapterView() { return *chapterView_; }
    ReadingFont& readingFont() { return *font_; }
    FrameViews& frameViews() { return *views_; }

    void ChangeVersion(int entry);
    void chooseParallelVersion(int entry);
    void SelectParagraphVerse(QTextEdit* view, int position, bool select = false,
                              bool force = false);
    void SelectAyat(QTextEdit* view, int verse, bool select);
    // The show-or-hide step of the parallel panel, then the show-next flag flips.
    void toggleParallel();
    void clickToolButton(int k);
    void openDataLocation();
    bool moduleAvailable(int toolButton) const;

signals:
    void commandRequested(reader::ReaderCommand command);
    // The first activation has shown the last position.
    void firstChapterShown();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildFrame();
    void bindMenuCommands();
    void wireMenus();
    void wireButtons();
    void bindCommand(const QString& action, ReaderCommand command);
    void load();
    void chooseVersions();
    void CheckAvailableMenu();
    void CheckDeutero();
    void showTestamentOfActiveVersion();
    void firstActivation();
    // The version lacks the Old Testament on screen: may the New Testament be shown?
    bool confirmNewTestament();
    void showParallelPanel(bool show);
    void onParallelContextMenu(const QPoint& pos);

    AppContext& context_;
    ReadingState state_;
    VersionTable versions_;
    bool firstActivation_ = true;
    MainMenus* menus_;
    ToolBarPanel* toolBar_ = nullptr;
    BlueBar* blueBar_ = nullptr;
    SearchBar* searchBar_ = nullptr;
    BookPanel* bookPanel_ = nullptr;
    ReadingArea* area_ = nullptr;
    StatusLine* status_ = nullptr;
    QWidget* restoreBar_ = nullptr;
    QLabel* dataLocation_ = nullptr;
    ChapterView* chapterView_ = nullptr;
    ReadingFont* font_ = nullptr;
    FrameViews* views_ = nullptr;
};

} // namespace reader
