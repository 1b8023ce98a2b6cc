#pragma once

#include "reader/CommandBindings.h"
#include "reader/History.h"
#include "reader/ReaderCommand.h"
#include "reader/ReaderModels.h"
#include "reader/ReadingState.h"
#include "store/ModuleSwitches.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QLabel;
class QTextEdit;

namespace reader {

struct AppContext;
class BookIntroductions;
class BookPanel;
class ChapterView;
class CrossReferenceMenu;
class FrameViews;
class HistoryList;
class Jumps;
class JumpWindow;
class MainMenus;
class Navigator;
class ReadingArea;
class ReadingFont;
class SearchBar;
class SideWindows;
class ShellCommands;
struct OptionSettings;
struct SavedSettings;
class BlueBar;
class StatusLine;
class ToolBarPanel;

// Form1, the reader's main window: the frame, the chapter view and the versions. Works
// without a store too (the window then stays empty). The shared state lives in the models;
// the command objects of the other windows bind their commands into commands().
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppContext& context, ReaderModels& models, QWidget* parent = nullptr);
    ~MainWindow() override;

    ReadingState& state() { return state_; }
    ReaderModels& models() { return models_; }
    Navigator& navigator() { return models_.navigator; }
    ReaderOptions& options() { return models_.options; }
    CommandBindings& commands() { return bindings_; }
    MainMenus& menus() { return *menus_; }
    ChapterView& chapterView() { return *chapterView_; }
    CrossReferenceMenu& crossReferences() { return *crossReferences_; }
    BookIntroductions& bookIntroductions() { return *intro_; }
    ReadingFont& readingFont() { return *font_; }
    FrameViews& frameViews() { return *views_; }
    SearchBar& searchBar() { return *searchBar_; }
    History& history() { return models_.navigator.history(); }
    Jumps& jumps() { return *jumps_; }
    // Form13, made on first use.
    JumpWindow& jumpWindow();
    ReadingArea& readingArea() { return *area_; }
    SideWindows& sideWindows() { return *sides_; }
    ShellCommands& shell() { return *shell_; }

    // Runs the command's handler and announces the command.
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
    // JumpLocation for every window: the key's chapter shown, its verse line selected.
    void JumpLocation(const scripture::LocationKey& key);
    void NavigateHistory(History::Step mode);
    // After a place chosen in another window: the main window comes to the front with the
    // reading view focused.
    void bringForward();

    // The find box's command words: true when the text was a command ("\\\\" + word).
    bool runCommand(const QString& findText);
    // What SaveSettings writes: the check marks, the font, the versions and the position.
    SavedSettings currentSettings() const;
    // Writes the settings, or deletes them when "Selalu simpan setting program" is off.
    void SaveSettings();

public slots:
    // A cross reference chosen in the reading view's menu ("5:44 -> Lukas 6:27-28, ..."):
    // its places offered in the jump window, shown modally.
    void showCrossReferenceJump(const QString& crossReferenceCaption);

signals:
    // A command was run (from a menu, a key, a button or the code).
    void commandRequested(reader::ReaderCommand command);
    // The window closed: the settings were saved and the results files handled; the rest of
    // the program ends with it.
    void closed();
    // A cross reference of the context menu was chosen: the jump window takes its caption.
    void crossReferenceChosen(const QString& caption);
    // The first activation has shown the last position.
    void firstChapterShown();
    // The jump window is about to be shown; the bookmark window steps aside.
    void jumpWindowOpening();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildFrame();
    void wireMenus();
    // The commands the frame runs itself, and the check marks that flip an option.
    void bindOwnCommands();
    void bindOptions();
    void wireButtons();
    void observeNavigator();
    // The reference field's Enter: there, or what was not understood shown under the field.
    void openReference(const QString& text);
    void load();
    void LoadSettings(const OptionSettings& options);
    void observeOptions();
    void loadVersions();
    void CheckAvailableMenu();
    void showWindowTitle();
    void showParallelVersion();
    void firstActivation();
    // The version lacks the Old Testament on screen: may the New Testament be shown?
    bool confirmNewTestament();
    void showParallelPanel(bool show);
    void onParallelContextMenu(const QPoint& pos);
    void showParallelMenu(const QPoint& global);
    void addParallelMenuKeys();

    AppContext& context_;
    ReaderModels& models_;
    Navigator& nav_;
    ReadingState state_;
    CommandBindings bindings_;
    Jumps* jumps_;
    HistoryList* historyList_ = nullptr;
    JumpWindow* jumpWindow_ = nullptr;
    std::array<bool, store::kModuleCount> modules_; // the store's module switches
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
    CrossReferenceMenu* crossReferences_ = nullptr;
    BookIntroductions* intro_ = nullptr;
    std::unique_ptr<SideWindows> sides_;
    ReadingFont* font_ = nullptr;
    FrameViews* views_ = nullptr;
    ShellCommands* shell_ = nullptr;
};

} // namespace reader
