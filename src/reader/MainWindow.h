#pragma once

#include "reader/ReaderCommand.h"
#include "reader/ReadingState.h"
#include "store/ModuleSwitches.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>

class QLabel;
class QTextEdit;

namespace reader {

struct AppContext;
class BookPanel;
class ChapterView;
class FrameViews;
class MainMenus;
class Navigator;
class ReadingArea;
class ReadingFont;
class SearchBar;
class ShellCommands;
struct OptionSettings;
struct SavedSettings;
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
    Navigator& navigator() { return *nav_; }
    MainMenus& menus() { return *menus_; }
    ChapterView& chapterView() { return *chapterView_; }
    ReadingFont& readingFont() { return *font_; }
    FrameViews& frameViews() { return *views_; }
    SearchBar& searchBar() { return *searchBar_; }
    ShellCommands& shell() { return *shell_; }

    // Runs a command of the frame and announces it.
    void execute(ReaderCommand command);
    void ChangeVersion(int entry);
    void chooseParallelVersion(int entry);
    void SelectParagraphVerse(QTextEdit* view, int position, bool select = false,
                              bool force = false);
    void SelectAyat(QTextEdit* view, int verse, bool select);
    // The show-or-hide step of the parallel panel, then the show-next flag flips.
    void toggleParallel();
    void clickToolButton(int k);
    void openDataLocation();
    // The find box's command words: true when the text was a command ("\\\\" + word).
    bool runCommand(const QString& findText);
    // What SaveSettings writes: the check marks, the font, the versions and the position.
    SavedSettings currentSettings() const;
    // Writes the settings, or deletes them when "Selalu simpan setting program" is off.
    void SaveSettings();

signals:
    void commandRequested(reader::ReaderCommand command);
    // The first activation has shown the last position.
    void firstChapterShown();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildFrame();
    void wireMenus();
    // The commands the frame runs itself.
    void bindOwnCommands();
    void wireButtons();
    void observeNavigator();
    void load();
    void LoadSettings(const OptionSettings& options);
    void loadVersions();
    void CheckAvailableMenu();
    void CheckDeutero();
    void showWindowTitle();
    void showParallelVersion();
    void firstActivation();
    // The version lacks the Old Testament on screen: may the New Testament be shown?
    bool confirmNewTestament();
    void showParallelPanel(bool show);
    void onParallelContextMenu(const QPoint& pos);

    AppContext& context_;
    ReadingState state_;
    Navigator* nav_;
    std::array<bool, store::kModuleCount> modules_; // the store's module switches
    std::map<ReaderCommand, std::function<void()>> ownCommands_;
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
    ShellCommands* shell_ = nullptr;
};

} // namespace reader
