#include "reader/MainWindow.h"

#include "platform/AccessibleNames.h"
#include "platform/Dialogs.h"
#include "platform/PlainText.h"
#include "platform/ProductName.h"
#include "reader/AppContext.h"
#include "reader/BlueBar.h"
#include "reader/BookIntroductions.h"
#include "reader/BookPanel.h"
#include "reader/ChapterView.h"
#include "reader/CommandTable.h"
#include "reader/CrossReferenceMenu.h"
#include "reader/DataLocationDialog.h"
#include "reader/FrameViews.h"
#include "reader/HistoryList.h"
#include "reader/HoverLabel.h"
#include "reader/JumpWindow.h"
#include "reader/Jumps.h"
#include "reader/MainMenus.h"
#include "reader/Navigator.h"
#include "reader/ReaderTexts.h"
#include "reader/ReadingArea.h"
#include "reader/ReadingFont.h"
#include "reader/ReferenceField.h"
#include "reader/ReferenceJump.h"
#include "reader/SearchBar.h"
#include "reader/ShellCommands.h"
#include "reader/SideWindows.h"
#include "reader/StatusLine.h"
#include "reader/TipList.h"
#include "reader/ToolBarPanel.h"
#include "reader/WaitCursor.h"
#include "search/ResultsFile.h"
#include "store/Store.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace reader {

namespace {

ReaderCommand ResultsCommand(results::ResultsPage page) {
    switch (page) {
    case results::ResultsPage::ClipBook:
        return ReaderCommand::ResultsClipBook;
    case results::ResultsPage::Daftar:
        return ReaderCommand::ResultsList;
    case results::ResultsPage::Cari:
        break;
    }
    return ReaderCommand::ResultsSearch;
}

} // namespace

MainWindow::MainWindow(AppContext& context, ReaderModels& models, QWidget* parent)
    : QMainWindow(parent), context_(context), models_(models), nav_(models.navigator),
      jumps_(new Jumps(nav_, context.dialogs, this)), menus_(new MainMenus(this)),
      sides_(std::make_unique<SideWindows>(*this)) {
    modules_.fill(true);
    setObjectName(QStringLiteral("Form1"));
    setCentralWidget(buildFrame());
    font_ = new ReadingFont(models_.look,
                            {area_->rtf1(), area_->rtf2(), bookPanel_->list1(), bookPanel_->list2(),
                             bookPanel_->hoverLabel()->label()},
                            context_.dialogs, this);
    chapterView_ =
        new ChapterView(nav_, state_, models_.options, *bookPanel_, *area_, *menus_, this);
    views_ = new FrameViews(
        {restoreBar_, toolBar_, blueBar_, searchBar_, bookPanel_, status_, toolBar_->dropDown()},
        models_.options, this);
    connect(chapterView_, &ChapterView::hideDropDown, toolBar_, &ToolBarPanel::hideDropDown);
    historyList_ = new HistoryList(history(), area_->rtf1(), area_);
    connect(historyList_, &HistoryList::entryChosen, this,
            [this](int index) { jumps_->showHistoryEntry(index); });
    intro_ = new BookIntroductions(
        {nav_, state_, models_.options, *bookPanel_, *area_, *menus_, *sides_, models_.look}, this);
    shell_ = new ShellCommands(*this, context_);
    wireMenus();
    wireButtons();
    observeNavigator();
    load();
}

MainWindow::~MainWindow() {
    // The lists may still signal while the frame is torn down; nothing may reach the
    // navigator through the chapter view or the introductions.
    delete chapterView_;
    delete intro_;
}

QWidget* MainWindow::buildFrame() {
    auto* frame = new QWidget(this);
    restoreBar_ = new QFrame(frame);
    restoreBar_->setObjectName(QStringLiteral("RestoreBar"));
    auto* restore = new QPushButton(QStringLiteral("Tampilan Normal (F11)"), restoreBar_);
    restore->setObjectName(QStringLiteral("rbCommand"));
    auto* restoreLayout = new QHBoxLayout(restoreBar_);
    restoreLayout->setContentsMargins(2, 0, 2, 0);
    restoreLayout->addWidget(restore);
    restoreLayout->addStretch();
    toolBar_ = new ToolBarPanel(this, frame);
    blueBar_ = new BlueBar(frame);
    searchBar_ = new SearchBar(frame);
    bookPanel_ = new BookPanel(this, frame);
    area_ = new ReadingArea(frame);
    status_ = new StatusLine(frame);
    dataLocation_ = new QLabel(context_.dataFolder, frame);
    dataLocation_->setObjectName(QStringLiteral("DataLocation"));
    dataLocation_->setTextFormat(Qt::PlainText);
    dataLocation_->hide();

    auto* middle = new QHBoxLayout;
    middle->setSpacing(2);
    middle->addWidget(bookPanel_);
    middle->addWidget(area_, 1);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QWidget* region : {static_cast<QWidget*>(restoreBar_), static_cast<QWidget*>(toolBar_),
                            static_cast<QWidget*>(blueBar_), static_cast<QWidget*>(searchBar_)})
        layout->addWidget(region);
    layout->addLayout(middle, 1);
    layout->addWidget(status_);
    return frame;
}

void MainWindow::wireMenus() {
    bindOwnCommands();
    bindOptions();
    menus_->showOptions(models_.options);
    connect(menus_, &MainMenus::commandTriggered, this, &MainWindow::execute);
    connect(menus_, &MainMenus::versionChosen, this, &MainWindow::ChangeVersion);
    connect(menus_, &MainMenus::parallelChosen, this, &MainWindow::chooseParallelVersion);
    connect(area_->rtf2(), &QTextEdit::customContextMenuRequested, this,
            &MainWindow::onParallelContextMenu);
    addParallelMenuKeys();
    crossReferences_ = new CrossReferenceMenu(menus_->menuRef(), nav_, this);
    // Rebuilt before every showing, so the items belong to the chapter on screen.
    connect(menus_->menuEdit(), &QMenu::aboutToShow, crossReferences_,
            &CrossReferenceMenu::BuildCrossReferenceMenu);
    connect(crossReferences_, &CrossReferenceMenu::chosen, this, &MainWindow::crossReferenceChosen);
    connect(this, &MainWindow::crossReferenceChosen, this, &MainWindow::showCrossReferenceJump);
}

void MainWindow::bindOwnCommands() {
    using C = ReaderCommand;
    const std::pair<ReaderCommand, CommandBindings::Handler> own[] = {
        {C::ToggleParallel, [this] { toggleParallel(); }},
        {C::ChooseFont, [this] { font_->chooseFont(); }},
        {C::DataLocation, [this] { openDataLocation(); }},
        {C::NormalView, [this] { views_->applyNormalView(); }},
        {C::SelectAll, [this] { area_->rtf1()->selectAll(); }},
        {C::SelectVerse, [this] { chapterView_->selectVerseAtCaret(); }},
        {C::ParallelSelectAll, [this] { area_->rtf2()->selectAll(); }},
        {C::ParallelWholeChapter, [this] { chapterView_->showWholeChapterInParallel(); }},
        {C::HistoryBack, [this] { NavigateHistory(History::Step::Back); }},
        {C::HistoryForward, [this] { NavigateHistory(History::Step::Forward); }},
        {C::HistoryNewest, [this] { NavigateHistory(History::Step::Newest); }},
        {C::ToggleHistory, [this] { historyList_->toggle(); }},
        {C::BookIntroduction, [this] { intro_->ShowBookIntroduction(); }},
        {C::BookNotes, [this] { intro_->ShowBookNotes(); }},
        {C::BackToScripture, [this] { intro_->backToScripture(); }},
        {C::OpenReference, [this] { area_->referenceField()->takeKeyboard(); }},
        {C::NextChapter, [this] { nav_.stepChapter(1); }},
        {C::PreviousChapter, [this] { nav_.stepChapter(-1); }},
    };
    for (const auto& [command, handler] : own)
        bindings_.bind(command, handler);
}

void MainWindow::bindOptions() {
    for (const CommandRow& row : CommandRows()) {
        if (!row.option)
            continue;
        const Option option = *row.option;
        bindings_.bind(row.command, [this, option] {
            models_.options.set(option, !models_.options.isOn(option));
        });
    }
}

void MainWindow::execute(ReaderCommand command) {
    bindings_.run(command);
    emit commandRequested(command);
}

void MainWindow::observeNavigator() {
    connect(&nav_, &Navigator::versionChanged, this, [this] {
        menus_->checkVersion(nav_.activeEntry());
        showWindowTitle();
        area_->showVersionNames(nav_.activeName(), nav_.parallelName());
    });
    connect(&nav_, &Navigator::parallelChanged, this, &MainWindow::showParallelVersion);
    connect(&nav_, &Navigator::lineChosen, chapterView_, &ChapterView::selectJumpLine);
    connect(area_->referenceField(), &ReferenceField::entered, this, &MainWindow::openReference);
}

void MainWindow::openReference(const QString& text) {
    const QString problem = GoToTypedReference(nav_, text);
    area_->referenceField()->showProblem(problem);
    if (problem.isEmpty())
        area_->rtf1()->setFocus();
}

void MainWindow::wireButtons() {
    for (int k = 1; k <= kToolButtonCount; ++k) {
        connect(toolBar_->toolButton(k), &QToolButton::clicked, this,
                [this, k] { clickToolButton(k); });
        status_->watch(toolBar_->toolButton(k));
    }
    std::array<QString, kMarkedButtons> tips;
    for (int k = 0; k < kMarkedButtons; ++k) {
        connect(blueBar_->button(k), &QToolButton::clicked, this,
                [this, k] { clickToolButton(k + 1); });
        status_->watch(blueBar_->button(k));
        tips[std::size_t(k)] = toolBar_->toolButton(k + 1)->toolTip();
    }
    blueBar_->setToolTips(tips);
    connect(toolBar_->dropDownButton(), &QToolButton::clicked, toolBar_,
            &ToolBarPanel::toggleDropDown);
    connect(toolBar_->fontUp(), &QToolButton::clicked, font_, &ReadingFont::fontUp);
    connect(toolBar_->fontDown(), &QToolButton::clicked, font_, &ReadingFont::fontDown);
    connect(toolBar_->fontReset(), &QToolButton::clicked, font_, &ReadingFont::fontReset);
    connect(toolBar_->textOnly(), &QToolButton::clicked, views_, &FrameViews::toggleTextOnly);
    connect(restoreBar_->findChild<QPushButton*>(QStringLiteral("rbCommand")),
            &QPushButton::clicked, this, [this] { execute(ReaderCommand::NormalView); });
    for (const SearchButtonRow& row : SearchButtonRows()) {
        const ReaderCommand command = row.command;
        connect(searchBar_->command(row.button), &QPushButton::clicked, this,
                [this, command] { execute(command); });
    }
    connect(area_->command5(), &QPushButton::clicked, this,
            [this] { execute(ReaderCommand::BackToScripture); });
}

void MainWindow::load() {
    const QSize screen = QApplication::primaryScreen()->size();
    if (screen.width() > 700)
        resize(750, 577);
    else
        resize(640, 480);
    LoadSettings(context_.settings.LoadSettings());
    state_.showNext = !context_.settings.parallelHidden();
    area_->rtf2()->clear();
    if (context_.store)
        loadVersions();
    showWindowTitle();
    showParallelVersion();
    bookPanel_->combo1()->clear();
    menus_->action(ReaderCommand::Tips)
        ->setEnabled(!FindTipsFile(context_.programFolder, context_.dataFolder).isEmpty());
    searchBar_->determineComboWidth();
}

void MainWindow::LoadSettings(const OptionSettings& options) {
    models_.options.load(options);
    models_.look.setFont(options.fontName, options.fontSize, false);
}

SavedSettings MainWindow::currentSettings() const {
    SavedSettings saved;
    models_.options.store(saved.options);
    saved.options.fontName = models_.look.fontName();
    saved.options.fontSize = models_.look.fontSize();
    saved.activeNr = nav_.versions().nrOfEntry(nav_.activeEntry());
    saved.parallelNr = nav_.versions().nrOfEntry(nav_.parallelEntry());
    saved.last = {nav_.oldTestament(), qMax(0, nav_.bookIndex()), qMax(0, nav_.chapter() - 1)};
    saved.parallelHidden = state_.showNext;
    return saved;
}

void MainWindow::SaveSettings() {
    // Without a store nothing was shown, so the last run's position and versions stay.
    if (!context_.store)
        return;
    if (!context_.settings.SaveSettings(currentSettings())) {
        context_.dialogs.message(QStringLiteral("Setting program tidak dapat disimpan di ") +
                                     context_.settings.filePath(),
                                 platform::MessageButtons::Ok, platform::MessageIcon::Warning,
                                 platform::kProductName);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    SaveSettings();
    if (models_.options.isOn(Option::DeleteResultsAtExit))
        search::DeleteResultFiles(context_.tempFolder);
    QMainWindow::closeEvent(event);
    emit closed();
}

bool MainWindow::runCommand(const QString& findText) {
    return shell_->runCommand(findText);
}

void MainWindow::loadVersions() {
    nav_.loadVersions(context_.settings.activeNr(), context_.settings.parallelNr());
    menus_->buildVersionItems(nav_.versions());
    menus_->checkVersion(nav_.activeEntry());
    CheckAvailableMenu();
}

void MainWindow::showWindowTitle() {
    const VersionTable& versions = nav_.versions();
    const int active = nav_.activeEntry();
    setWindowTitle(versions.contains(active)
                       ? platform::MainWindowCaption(versions.at(active).notice)
                       : platform::kProductName + platform::VersionText());
}

void MainWindow::showParallelVersion() {
    menus_->checkParallel(nav_.parallelEntry());
    area_->showVersionNames(nav_.activeName(), nav_.parallelName());
    area_->rtf2()->setToolTip(platform::PlainToolTip(ParallelToolTip(nav_.parallelName())));
    SelectParagraphVerse(area_->rtf1(), area_->rtf1()->textCursor().selectionStart());
}

void MainWindow::CheckAvailableMenu() {
    modules_ = store::ReadModuleSwitches(*context_.store);
    menus_->applyModuleSwitches(modules_);
    for (const ToolButtonRow& row : ToolButtonRows()) {
        if (!ModuleOn(modules_, row.module))
            toolBar_->toolButton(row.button)->setEnabled(false);
    }
    blueBar_->applyMarks(ModuleMarks(modules_));
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstActivation_)
        QTimer::singleShot(0, this, &MainWindow::firstActivation);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !firstActivation_)
        context_.settings.markInstalled();
}

void MainWindow::firstActivation() {
    if (!firstActivation_)
        return;
    setUpdatesEnabled(false);
    nav_.restore(context_.settings.lastPosition());
    setUpdatesEnabled(true);
    // The splash never stays over the window once the chapter is on screen.
    if (context_.closeSplash)
        context_.closeSplash();
    if (context_.settings.etikaAtStart())
        execute(ReaderCommand::Etika);
    if (context_.settings.tipsAtStart())
        execute(ReaderCommand::Tips);
    toggleParallel();
    bookPanel_->list1()->setFocus();
    firstActivation_ = false;
    context_.settings.markInstalled();
    emit firstChapterShown();
}

void MainWindow::showParallelPanel(bool show) {
    area_->showParallel(show);
    menus_->action(ReaderCommand::ToggleParallel)->setChecked(show);
}

void MainWindow::toggleParallel() {
    showParallelPanel(state_.showNext);
    state_.showNext = !state_.showNext;
}

void MainWindow::clickToolButton(int k) {
    const WaitCursor wait;
    if (k == kResultsButton) {
        emit commandRequested(ResultsCommand(toolBar_->resultsPage()));
        return;
    }
    const ToolButtonRow* row = FindToolButtonRow(k);
    // An unavailable module's button does nothing.
    if (!row || !ModuleOn(modules_, row->module))
        return;
    if (k > kResultsButton) {
        toolBar_->chooseResultsPage(k);
        platform::SetTip(blueBar_->button(kResultsButton - 1), toolBar_->toolButton(10)->toolTip());
        toolBar_->hideDropDown();
    }
    execute(row->command);
}

void MainWindow::ChangeVersion(int entry) {
    setUpdatesEnabled(false);
    const WaitCursor wait;
    if (nav_.ChangeVersion(entry) == Navigator::VersionStep::NeedsNewTestament &&
        confirmNewTestament())
        nav_.ChangeVersionToNewTestament(entry);
    // A refused change leaves the check mark where it was before the click.
    menus_->checkVersion(nav_.activeEntry());
    setUpdatesEnabled(true);
}

bool MainWindow::confirmNewTestament() {
    const platform::DialogResult answer = context_.dialogs.message(
        QStringLiteral("Perjanjian Lama untuk versi ini tidak tersedia.") + QStringLiteral("\r\n") +
            QStringLiteral("Lihat Perjanjian Baru ?"),
        platform::MessageButtons::OkCancel, platform::MessageIcon::None, platform::kProductName);
    return answer != platform::DialogResult::Cancel;
}

void MainWindow::chooseParallelVersion(int entry) {
    nav_.chooseParallel(entry);
}

void MainWindow::onParallelContextMenu(const QPoint& pos) {
    const QPoint global = area_->rtf2()->viewport()->mapToGlobal(pos);
    if (QApplication::keyboardModifiers() & Qt::ShiftModifier) {
        showParallelMenu(global);
        return;
    }
    menus_->opsiVersiKitab()->exec(global);
    chapterView_->relocateAtCaret();
}

void MainWindow::showParallelMenu(const QPoint& global) {
    menus_->action(ReaderCommand::CopyParallelToClipBook)
        ->setEnabled(area_->rtf2()->textCursor().hasSelection());
    menus_->menuOpsiPadanan()->exec(global);
}

void MainWindow::addParallelMenuKeys() {
    // Shift with the menu key or F10 opens the panel's own menu, as Shift with a right click
    // does; the menu key alone keeps the version menu.
    QTextEdit* rtf2 = area_->rtf2();
    auto* keys = new QAction(rtf2);
    keys->setObjectName(QStringLiteral("keyOpsiPadanan"));
    keys->setShortcuts(
        {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::SHIFT | Qt::Key_Menu)});
    keys->setShortcutContext(Qt::WidgetShortcut);
    rtf2->addAction(keys);
    connect(keys, &QAction::triggered, this, [this, rtf2] {
        showParallelMenu(rtf2->viewport()->mapToGlobal(rtf2->cursorRect().center()));
    });
}

void MainWindow::SelectParagraphVerse(QTextEdit* view, int position, bool select, bool force) {
    chapterView_->SelectParagraphVerse(view, position, select, force);
}

void MainWindow::SelectAyat(QTextEdit* view, int verse, bool select) {
    chapterView_->SelectAyat(view, verse, select);
}

void MainWindow::openDataLocation() {
    DataLocationDialog dialog(context_.dialogs, context_.settingsStore, context_.programFolder,
                              context_.dataFolder, this);
    dialog.exec();
}

void MainWindow::JumpLocation(const scripture::LocationKey& key) {
    jumps_->JumpLocation(key);
}

void MainWindow::NavigateHistory(History::Step mode) {
    jumps_->NavigateHistory(mode);
}

void MainWindow::bringForward() {
    raise();
    activateWindow();
    area_->rtf1()->setFocus();
}

JumpWindow& MainWindow::jumpWindow() {
    if (jumpWindow_)
        return *jumpWindow_;
    jumpWindow_ = new JumpWindow(models_.look, this);
    connect(jumpWindow_, &JumpWindow::locationChosen, this,
            [this](const scripture::LocationKey& key) {
                JumpLocation(key);
                bringForward();
            });
    return *jumpWindow_;
}

void MainWindow::showCrossReferenceJump(const QString& crossReferenceCaption) {
    JumpWindow& window = jumpWindow();
    window.FillJumpList(JumpItems(crossReferenceCaption, nav_.OTAvailable() == 1));
    emit jumpWindowOpening();
    window.exec();
}

} // namespace reader
