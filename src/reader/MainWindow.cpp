#include "reader/MainWindow.h"

#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "reader/AppContext.h"
#include "reader/BlueBar.h"
#include "reader/BookPanel.h"
#include "reader/ChapterView.h"
#include "reader/DataLocationDialog.h"
#include "reader/FrameViews.h"
#include "reader/HoverLabel.h"
#include "reader/MainMenus.h"
#include "reader/ModuleCommands.h"
#include "reader/ReaderTexts.h"
#include "reader/ReadingArea.h"
#include "reader/ReadingFont.h"
#include "reader/SearchBar.h"
#include "reader/StatusLine.h"
#include "reader/ToolBarPanel.h"
#include "reader/WaitCursor.h"
#include "store/DataLocation.h"
#include "store/ModuleSwitches.h"
#include "store/Store.h"
#include "store/VersionChoice.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace reader {

namespace {

// The study commands of tool buttons 2..8, guarded by their module's menu item.
constexpr ReaderCommand kStudyButtons[] = {ReaderCommand::Pericope, ReaderCommand::BookIntroduction,
                                           ReaderCommand::Parables, ReaderCommand::Prophecies,
                                           ReaderCommand::Maps,     ReaderCommand::Dictionary,
                                           ReaderCommand::Deutero1};

ReaderCommand ResultsCommand(const QString& page) {
    if (page == QStringLiteral("clipbook"))
        return ReaderCommand::ResultsClipBook;
    if (page == QStringLiteral("daftar"))
        return ReaderCommand::ResultsList;
    return ReaderCommand::ResultsSearch;
}

} // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), menus_(new MainMenus(this)) {
    setObjectName(QStringLiteral("Form1"));
    setCentralWidget(buildFrame());
    font_ = new ReadingFont(area_->rtf1(), area_->rtf2(), bookPanel_->list1(), bookPanel_->list2(),
                            bookPanel_->hoverLabel()->label(), context_.dialogs, this);
    chapterView_ =
        new ChapterView(context_.store.get(), state_, *bookPanel_, *area_, *menus_, this);
    views_ = new FrameViews(
        {restoreBar_, toolBar_, blueBar_, searchBar_, bookPanel_, status_, toolBar_->dropDown()},
        *menus_, this);
    connect(chapterView_, &ChapterView::hideDropDown, toolBar_, &ToolBarPanel::hideDropDown);
    wireMenus();
    wireButtons();
    load();
}

MainWindow::~MainWindow() = default;

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

void MainWindow::bindCommand(const QString& action, ReaderCommand command) {
    connect(menus_->action(action), &QAction::triggered, this,
            [this, command] { emit commandRequested(command); });
}

void MainWindow::bindMenuCommands() {
    const std::pair<const char*, ReaderCommand> commands[] = {
        {"MenuDeutero1", ReaderCommand::Deutero1},
        {"MenuDeutero2", ReaderCommand::Deutero2},
        {"MenuDeutero3", ReaderCommand::Deutero3},
        {"MenuPerikop", ReaderCommand::Pericope},
        {"MenuKeterangan", ReaderCommand::BookNotes},
        {"MenuPengantar", ReaderCommand::BookIntroduction},
        {"MenuPerumpamaan", ReaderCommand::Parables},
        {"MenuNubuat", ReaderCommand::Prophecies},
        {"MenuPeta", ReaderCommand::Maps},
        {"MenuKamus", ReaderCommand::Dictionary},
        {"MenuTematik", ReaderCommand::Thematic},
        {"MenuHasil", ReaderCommand::ResultsSearch},
        {"MenuDaftar", ReaderCommand::ResultsList},
        {"MenuClipBook", ReaderCommand::ResultsClipBook},
        {"MenuTips", ReaderCommand::Tips},
        {"MenuHelp", ReaderCommand::Help},
        {"MenuAbout", ReaderCommand::About},
        {"menuEtika", ReaderCommand::Etika},
        {"menuHakCipta", ReaderCommand::HakCipta},
        {"MenuBookmark", ReaderCommand::Bookmark},
        {"menuCopy", ReaderCommand::Copy},
        {"MenuCopyClipBook", ReaderCommand::CopyToClipBook},
        {"menuCopyPadanan", ReaderCommand::CopyParallelToClipBook}};
    for (const auto& [name, command] : commands)
        bindCommand(QString::fromUtf8(name), command);
}

void MainWindow::wireMenus() {
    bindMenuCommands();
    const auto on = [this](const char* name, auto slot) {
        connect(menus_->action(QString::fromUtf8(name)), &QAction::triggered, this, slot);
    };
    on("menuPadanan", [this] { toggleParallel(); });
    on("MenuSettingFont", [this] { font_->chooseFont(); });
    on("menuSettingLokasiData", [this] { openDataLocation(); });
    on("menuToolbarVR", [this] { views_->toggleSpecialToolBar(); });
    on("MenuSettingTerpisah", [this] {
        state_.separateIntro = menus_->action(QStringLiteral("MenuSettingTerpisah"))->isChecked();
    });
    on("menuSettingNormal", [this] { views_->applyNormalView(); });
    on("menuSettingToolbar", [this] { views_->toggleToolBar(); });
    on("menuSettingPencarian", [this] { views_->toggleSearchBar(); });
    on("menuSettingKitab", [this] { views_->toggleBookPanel(); });
    on("menuSettingStatus", [this] { views_->toggleStatusLine(); });
    on("menuPadananPilihSemua", [this] { area_->rtf2()->selectAll(); });
    on("menuPadananSeluruh", [this] { chapterView_->showWholeChapterInParallel(); });
    connect(menus_, &MainMenus::versionChosen, this, &MainWindow::ChangeVersion);
    connect(menus_, &MainMenus::parallelChosen, this, &MainWindow::chooseParallelVersion);
    connect(area_->rtf2(), &QTextEdit::customContextMenuRequested, this,
            &MainWindow::onParallelContextMenu);
    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(f11, &QShortcut::activated, views_, &FrameViews::applyNormalView);
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
            &QPushButton::clicked, views_, &FrameViews::applyNormalView);
    const ReaderCommand searchCommands[] = {ReaderCommand::Find, ReaderCommand::FindPrevious,
                                            ReaderCommand::FindNext, ReaderCommand::SearchAll};
    for (int k = 1; k <= 4; ++k) {
        const ReaderCommand command = searchCommands[k - 1];
        connect(searchBar_->command(k), &QPushButton::clicked, this,
                [this, command] { emit commandRequested(command); });
    }
    connect(area_->command5(), &QPushButton::clicked, this,
            [this] { emit commandRequested(ReaderCommand::BackToScripture); });
    for (QRadioButton* choice : area_->picture4()->findChildren<QRadioButton*>())
        connect(choice, &QRadioButton::clicked, this,
                [this] { emit commandRequested(ReaderCommand::StudyChoice); });
}

void MainWindow::load() {
    const QSize screen = QApplication::primaryScreen()->size();
    if (screen.width() > 700)
        resize(750, 577);
    else
        resize(640, 480);
    font_->setFont(context_.settings.fontName(), context_.settings.fontSize(), false);
    state_.showNext = !context_.settings.parallelHidden();
    for (const char* name :
         {"menuToolbarVR", "MenuSettingTerpisah", "MenuPencarianOptimal", "menuSettingToolbar",
          "menuSettingPencarian", "menuSettingKitab", "menuSettingStatus"})
        menus_->action(QString::fromUtf8(name))->setChecked(true);
    if (const store::Store* store = context_.store.get()) {
        versions_ = VersionTable(store->versions());
        chooseVersions();
        menus_->buildVersionItems(versions_);
        CheckAvailableMenu();
        CheckDeutero();
    }
    area_->rtf2()->clear();
    area_->rtf2()->setToolTip(ParallelToolTip(state_.parallelName));
    showTestamentOfActiveVersion();
    menus_->checkVersion(state_.activeEntry);
    menus_->checkParallel(state_.parallelEntry);
    bookPanel_->combo1()->clear();
    setWindowTitle(versions_.contains(state_.activeEntry)
                       ? WindowTitle(versions_.at(state_.activeEntry).notice)
                       : store::kProductName + VersionText());
    const QString tips = QStringLiteral("VR_tips.dat");
    menus_->action(QStringLiteral("MenuTips"))
        ->setEnabled(QFileInfo::exists(tips) ||
                     QFileInfo::exists(platform::JoinPath(context_.programFolder, tips)));
    font_->DetermineFontSetting();
    searchBar_->determineComboWidth();
}

void MainWindow::chooseVersions() {
    const store::VersionChoice choice = store::ChooseVersions(
        context_.store->versions(), context_.settings.activeNr(), context_.settings.parallelNr());
    state_.activeColumn = choice.activeColumn;
    state_.activeEntry = versions_.entryOfNr(choice.firstNr);
    state_.activeName =
        versions_.contains(state_.activeEntry) ? versions_.at(state_.activeEntry).name : QString();
    state_.parallelColumn = choice.parallelColumn;
    state_.parallelName = choice.parallelName;
    state_.parallelEntry = versions_.entryOfNr(choice.secondNr);
}

void MainWindow::CheckAvailableMenu() {
    const std::array<bool, store::kModuleCount> switches =
        store::ReadModuleSwitches(*context_.store);
    for (int i = 0; i < store::kModuleCount; ++i) {
        if (switches[std::size_t(i)])
            continue;
        const ModuleCommand& command = ModuleCommands()[std::size_t(i)];
        menus_->action(command.menuItem)->setVisible(false);
        if (command.toolButton > 0)
            toolBar_->toolButton(command.toolButton)->setEnabled(false);
    }
    blueBar_->applyMarks(ModuleMarks(switches));
}

void MainWindow::CheckDeutero() {
    const bool third = context_.store->firstDeuteroThirdText().size() >= 3;
    menus_->action(QStringLiteral("MenuDeutero3"))->setVisible(third);
}

void MainWindow::showTestamentOfActiveVersion() {
    const bool lacksOld =
        versions_.contains(state_.activeEntry) && !versions_.hasOldTestament(state_.activeEntry);
    bookPanel_->option1()->setEnabled(!lacksOld);
    state_.otAvailable = lacksOld ? 0 : 1;
    if (lacksOld) {
        bookPanel_->option2()->setChecked(true);
        chapterView_->IsiDaftarBuku2();
    } else {
        bookPanel_->option1()->setChecked(true);
        chapterView_->IsiDaftarBuku1();
    }
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
    const LastPosition last = context_.settings.lastPosition();
    // A version without the Old Testament stays on the New one whatever was saved.
    const bool old = last.oldTestament && bookPanel_->option1()->isEnabled();
    (old ? bookPanel_->option1() : bookPanel_->option2())->setChecked(true);
    chapterView_->chooseTestament(old);
    bookPanel_->list1()->setCurrentRow(-1);
    bookPanel_->list1()->setCurrentRow(last.book);
    bookPanel_->list2()->setCurrentRow(-1);
    bookPanel_->list2()->setCurrentRow(last.chapter);
    setUpdatesEnabled(true);
    if (context_.settings.etikaAtStart())
        emit commandRequested(ReaderCommand::Etika);
    if (context_.settings.tipsAtStart())
        emit commandRequested(ReaderCommand::Tips);
    toggleParallel();
    bookPanel_->list1()->setFocus();
    firstActivation_ = false;
    context_.settings.markInstalled();
    emit firstChapterShown();
}

void MainWindow::showParallelPanel(bool show) {
    area_->showParallel(show);
    menus_->action(QStringLiteral("menuPadanan"))->setChecked(show);
}

void MainWindow::toggleParallel() {
    showParallelPanel(state_.showNext);
    state_.showNext = !state_.showNext;
}

bool MainWindow::moduleAvailable(int toolButton) const {
    for (const ModuleCommand& command : ModuleCommands()) {
        if (command.toolButton == toolButton)
            return menus_->action(command.menuItem)->isVisible();
    }
    return true;
}

void MainWindow::clickToolButton(int k) {
    const WaitCursor wait;
    if (k == 1) {
        toggleParallel();
    } else if (k >= 2 && k <= 8) {
        if (moduleAvailable(k))
            emit commandRequested(kStudyButtons[k - 2]);
    } else if (k == 9) {
        emit commandRequested(ReaderCommand::Bookmark);
    } else if (k == 10) {
        emit commandRequested(ResultsCommand(toolBar_->resultsPage()));
    } else if (k >= 11 && k <= kToolButtonCount) {
        toolBar_->chooseResultsPage(k);
        blueBar_->button(9)->setToolTip(toolBar_->toolButton(10)->toolTip());
        toolBar_->hideDropDown();
        emit commandRequested(ResultsCommand(toolBar_->resultsPage()));
    }
}

void MainWindow::ChangeVersion(int entry) {
    if (!versions_.contains(entry) || !context_.store) {
        menus_->checkVersion(state_.activeEntry);
        return;
    }
    setUpdatesEnabled(false);
    int bookPos = bookPanel_->list1()->currentRow();
    int chapterPos = bookPanel_->list2()->currentRow();
    if (versions_.needsTestamentQuestion(entry, bookPanel_->option1()->isChecked())) {
        if (!confirmNewTestament()) {
            menus_->checkVersion(state_.activeEntry);
            setUpdatesEnabled(true);
            return;
        }
        bookPos = 0;
        chapterPos = 0;
        bookPanel_->option2()->setChecked(true);
    }
    if (bookPanel_->option2()->isChecked()) {
        bookPanel_->option1()->setEnabled(versions_.hasOldTestament(entry));
        state_.otAvailable = versions_.hasOldTestament(entry) ? 1 : 0;
    }
    const VersionEntry& version = versions_.at(entry);
    state_.activeEntry = entry;
    state_.activeColumn = version.column;
    state_.activeName = version.name;
    menus_->checkVersion(entry);
    chapterView_->showChapterText();
    setWindowTitle(WindowTitle(version.notice));
    if (bookPanel_->option1()->isChecked())
        chapterView_->IsiDaftarBuku1();
    else
        chapterView_->IsiDaftarBuku2();
    bookPanel_->list1()->setCurrentRow(bookPos);
    bookPanel_->list2()->setCurrentRow(chapterPos);
    setUpdatesEnabled(true);
}

bool MainWindow::confirmNewTestament() {
    const platform::DialogResult answer = context_.dialogs.message(
        QStringLiteral("Perjanjian Lama untuk versi ini tidak tersedia.") + QStringLiteral("\r\n") +
            QStringLiteral("Lihat Perjanjian Baru ?"),
        platform::MessageButtons::OkCancel, platform::MessageIcon::None, store::kProductName);
    return answer != platform::DialogResult::Cancel;
}

void MainWindow::chooseParallelVersion(int entry) {
    if (!versions_.contains(entry))
        return;
    const VersionEntry& version = versions_.at(entry);
    state_.parallelEntry = entry;
    state_.parallelName = version.name;
    state_.parallelColumn = version.column;
    menus_->checkParallel(entry);
    area_->rtf2()->setToolTip(ParallelToolTip(version.name));
    SelectParagraphVerse(area_->rtf1(), area_->rtf1()->textCursor().selectionStart());
}

void MainWindow::onParallelContextMenu(const QPoint& pos) {
    const QPoint global = area_->rtf2()->viewport()->mapToGlobal(pos);
    if (QApplication::keyboardModifiers() & Qt::ShiftModifier) {
        menus_->action(QStringLiteral("menuCopyPadanan"))
            ->setEnabled(area_->rtf2()->textCursor().hasSelection());
        menus_->menuOpsiPadanan()->exec(global);
        return;
    }
    menus_->opsiVersiKitab()->exec(global);
    chapterView_->relocateAtCaret();
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

} // namespace reader
