#include "customizer/CustomizerWindow.h"

#include "customizer/BuildCheck.h"
#include "customizer/ConsoleDialogs.h"
#include "customizer/CustomBuild.h"
#include "customizer/CustomizerTexts.h"
#include "customizer/FolderCheck.h"
#include "platform/AccessibleNames.h"
#include "platform/Dialogs.h"
#include "platform/FolderBrowser.h"
#include "platform/PlainText.h"
#include "platform/SettingsStore.h"
#include "store/Store.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace customizer {
namespace {

enum Tab { kDatabase, kVersions, kModules, kConfirm, kFinish };

// Long work hands the event loop a turn this often, so the window keeps painting.
constexpr int kEventSliceMs = 20;

void Fill(QListWidget* widget, const QStringList& items) {
    widget->clear();
    widget->addItems(items);
}

QWidget* Header(QWidget* parent) {
    auto* header = new QWidget(parent);
    header->setObjectName(QStringLiteral("header"));
    header->setStyleSheet(
        QStringLiteral("#header { background: #1f3c88; } QLabel { color: white; }"));
    header->setAttribute(Qt::WA_StyledBackground);
    auto* title = new QLabel(QStringLiteral("DATABASE CUSTOM SETUP"), header);
    title->setObjectName(QStringLiteral("Label1"));
    title->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold;"));
    auto* product = new QLabel(QStringLiteral("Vermara"), header);
    product->setObjectName(QStringLiteral("Label2"));
    product->setStyleSheet(QStringLiteral("font-size: 11pt;"));
    auto* layout = new QVBoxLayout(header);
    layout->addWidget(title);
    layout->addWidget(product);
    return header;
}

// A row of buttons pushed to the right edge of a page.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

// The source and destination captions above a page's two lists.
QFormLayout* Folders(QLabel* sourceCaption, QLabel* source, QLabel* destinationCaption,
                     QLabel* destination) {
    auto* form = new QFormLayout;
    form->addRow(sourceCaption, source);
    form->addRow(destinationCaption, destination);
    return form;
}

} // namespace

CustomizerWindow::CustomizerWindow(platform::Dialogs& dialogs, platform::SettingsStore& settings,
                                   const QString& programFolder, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), ss_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("frmCustomizer"));
    setWindowTitle(QStringLiteral("Vermara Database Customizer"));
    ss_->setObjectName(QStringLiteral("ss"));
    ss_->addTab(buildDatabasePage(), QStringLiteral("Database"));
    ss_->addTab(buildVersionsPage(), QStringLiteral("Versi"));
    ss_->addTab(buildModulesPage(), QStringLiteral("Artikel"));
    ss_->addTab(buildConfirmPage(), QStringLiteral("Konfirmasi"));
    ss_->addTab(buildFinishPage(), QStringLiteral("Selesai"));
    closeLaterPages(kDatabase);
    // Pages are reached in order: whatever shows a page, the pages after it wait for its
    // "Lanjut", so a page changed after its checks passed cannot be skipped.
    connect(ss_, &QTabWidget::currentChanged, this, &CustomizerWindow::closeLaterPages);
    connect(ss_, &QTabWidget::tabBarClicked, this, [this] { label7_->setText(text1_->text()); });
    text1_->setText(settings.get(QStringLiteral("VR2000"), QStringLiteral("CDInstall"),
                                 QStringLiteral("Loc"), programFolder));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(Header(this));
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 0, 8, 0);
    body->addWidget(ss_);
    layout->addLayout(body);
    resize(640, 440);
}

CustomizerWindow::~CustomizerWindow() = default;

QPushButton* CustomizerWindow::button(const char* name, const QString& caption,
                                      void (CustomizerWindow::*slot)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, slot);
    return b;
}

QListWidget* CustomizerWindow::list(const char* name, const QString& accessibleName) {
    auto* widget = new QListWidget(this);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

QPushButton* CustomizerWindow::tip(QPushButton* b, const QString& text) {
    platform::SetTip(b, text);
    return b;
}

QLabel* CustomizerWindow::label(const char* name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(name));
    // Folders, version names and messages are shown as written, never as markup.
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

QWidget* CustomizerWindow::buildDatabasePage() {
    auto* page = new QWidget(this);
    text1_ = new QLineEdit(page);
    text1_->setObjectName(QStringLiteral("Text1"));
    text2_ = new QLineEdit(page);
    text2_->setObjectName(QStringLiteral("Text2"));
    text1_->setAccessibleName(QStringLiteral("Lokasi Database Sumber"));
    text2_->setAccessibleName(QStringLiteral("Lokasi Database Baru"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(label("Label3", QStringLiteral("Pilih database sumber. Gunakanlah database "
                                                   "VERMARA2000.DAT versi lengkap yang terdapat "
                                                   "pada folder di CD program Vermara.")),
                    0, 0, 1, 2);
    grid->addWidget(label("Label4", QStringLiteral("Lokasi Database Sumber")), 1, 0, 1, 2);
    grid->addWidget(text1_, 2, 0);
    grid->addWidget(
        tip(button("Command1", QStringLiteral("Browse..."), &CustomizerWindow::browseSource),
            QStringLiteral("Pilih folder database sumber")),
        2, 1);
    grid->addWidget(label("Label5", QStringLiteral("Lokasi Database Baru")), 3, 0, 1, 2);
    grid->addWidget(text2_, 4, 0);
    grid->addWidget(
        tip(button("Command2", QStringLiteral("Browse..."), &CustomizerWindow::browseDestination),
            QStringLiteral("Pilih folder database baru")),
        4, 1);
    grid->setRowStretch(5, 1);
    grid->addLayout(ButtonRow({button("Command3", QStringLiteral("Lanjut"),
                                      &CustomizerWindow::nextFromDatabase)}),
                    6, 0, 1, 2);
    return page;
}

QWidget* CustomizerWindow::buildVersionsPage() {
    auto* page = new QWidget(this);
    list1_ = list("List1", QStringLiteral("Versi di database sumber"));
    list2_ = list("List2", QStringLiteral("Versi untuk database baru"));
    label7_ = label("Label7", QString());
    label14_ = label("Label14", QString());
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(tip(button("Command4", QStringLiteral(">"), &CustomizerWindow::chooseVersion),
                         QStringLiteral("Pilih versi ini")));
    moves->addWidget(
        tip(button("Command5", QStringLiteral(">>"), &CustomizerWindow::chooseAllVersions),
            QStringLiteral("Pilih semua versi")));
    moves->addWidget(tip(button("Command6", QStringLiteral("<"), &CustomizerWindow::returnVersion),
                         QStringLiteral("Batalkan pilihan versi ini")));
    moves->addWidget(
        tip(button("Command7", QStringLiteral("<<"), &CustomizerWindow::returnAllVersions),
            QStringLiteral("Batalkan semua pilihan versi")));
    moves->addStretch();
    auto* grid = new QGridLayout(page);
    grid->addLayout(Folders(label("Label6", QStringLiteral("Database Sumber")), label7_,
                            label("Label8", QStringLiteral("Database Tujuan")), label14_),
                    0, 0, 1, 3);
    grid->addWidget(list1_, 2, 0);
    grid->addLayout(moves, 2, 1);
    grid->addWidget(list2_, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->addLayout(
        ButtonRow(
            {button("Command12", QStringLiteral("Kembali"), &CustomizerWindow::backToDatabase),
             button("Command13", QStringLiteral("Lanjut"), &CustomizerWindow::nextFromVersions)}),
        3, 0, 1, 3);
    return page;
}

QWidget* CustomizerWindow::buildModulesPage() {
    auto* page = new QWidget(this);
    list4_ = list("List4", QStringLiteral("Modul di database sumber"));
    list3_ = list("List3", QStringLiteral("Modul untuk database baru"));
    sourceOnModules_ = label("lblSumber", QString());
    destinationOnModules_ = label("lblTujuan", QString());
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(tip(button("Command11", QStringLiteral(">"), &CustomizerWindow::chooseModule),
                         QStringLiteral("Pilih modul ini")));
    moves->addWidget(
        tip(button("Command8", QStringLiteral(">>"), &CustomizerWindow::chooseAllModules),
            QStringLiteral("Pilih semua modul")));
    moves->addWidget(tip(button("Command10", QStringLiteral("<"), &CustomizerWindow::returnModule),
                         QStringLiteral("Batalkan pilihan modul ini")));
    moves->addWidget(
        tip(button("Command9", QStringLiteral("<<"), &CustomizerWindow::returnAllModules),
            QStringLiteral("Batalkan semua pilihan modul")));
    moves->addStretch();
    auto* grid = new QGridLayout(page);
    grid->addLayout(Folders(label("Label11", QStringLiteral("Database Sumber")), sourceOnModules_,
                            label("Label9", QStringLiteral("Database Tujuan")),
                            destinationOnModules_),
                    0, 0, 1, 3);
    grid->addWidget(list4_, 2, 0);
    grid->addLayout(moves, 2, 1);
    grid->addWidget(list3_, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->addLayout(
        ButtonRow(
            {button("Command16", QStringLiteral("Kembali"), &CustomizerWindow::backToVersions),
             button("Command14", QStringLiteral("Lanjut"), &CustomizerWindow::nextFromModules)}),
        3, 0, 1, 3);
    return page;
}

QWidget* CustomizerWindow::buildConfirmPage() {
    auto* page = new QWidget(this);
    label13_ =
        label("Label13", QStringLiteral("Klik button \"Lanjut\" untuk mulai membuat database "
                                        "yang diinginkan atau klik pada button \"Kembali\" "
                                        "untuk mengubah konfigurasi data."));
    lblProgress_ = label("lblProgress", texts::Waiting());
    progressBar_ = new QProgressBar(page);
    progressBar_->setObjectName(QStringLiteral("ProgressBar"));
    progressBar_->setTextVisible(false);
    lblProgress_->hide();
    progressBar_->hide();
    // The chosen columns are kept out of sight, as the build's working list.
    list5_ = list("List5", QStringLiteral("Kolom yang akan di-copy"));
    list5_->hide();
    command15_ = button("Command15", QStringLiteral("Lanjut"), &CustomizerWindow::startBuild);
    command17_ = button("Command17", QStringLiteral("Kembali"), &CustomizerWindow::backToModules);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label13_);
    layout->addSpacing(16);
    layout->addWidget(lblProgress_);
    layout->addWidget(progressBar_);
    layout->addStretch();
    layout->addLayout(ButtonRow({command17_, command15_}));
    return page;
}

QWidget* CustomizerWindow::buildFinishPage() {
    auto* page = new QWidget(this);
    label12_ = label("Label12", QStringLiteral("Database anda telah selesai dikerjakan!"));
    label12_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label12_);
    layout->addStretch();
    layout->addLayout(
        ButtonRow({button("Command18", QStringLiteral("Tutup"), &CustomizerWindow::closeWizard)}));
    return page;
}

void CustomizerWindow::closeWizard() {
    close();
}

void CustomizerWindow::tell(const QString& text) {
    dialogs_.message(text, platform::MessageButtons::Ok, platform::MessageIcon::None, QString());
}

void CustomizerWindow::goTo(int tab) {
    ss_->setTabEnabled(tab, true);
    ss_->setCurrentIndex(tab);
}

void CustomizerWindow::closeLaterPages(int tab) {
    for (int later = tab + 1; later <= kFinish; ++later)
        ss_->setTabEnabled(later, false);
}

void CustomizerWindow::browseSource() {
    const QString folder = platform::BrowseForFolder(dialogs_);
    if (!folder.trimmed().isEmpty())
        text1_->setText(folder);
}

void CustomizerWindow::browseDestination() {
    const QString folder = platform::BrowseForFolder(dialogs_);
    if (!folder.trimmed().isEmpty())
        text2_->setText(folder);
}

void CustomizerWindow::nextFromDatabase() {
    const FolderCheck check = CheckFolders(text1_->text(), text2_->text());
    if (!check.ok()) {
        tell(check.message);
        if (check.focusDestination)
            text2_->setFocus();
        return;
    }
    source_ = LoadSourceCatalogue(SourceStorePath(text1_->text()));
    if (!source_.store) {
        tell(source_.problem);
        return;
    }
    for (QLabel* l : {label7_, sourceOnModules_}) {
        l->setText(text1_->text());
        l->setToolTip(platform::PlainToolTip(text1_->text()));
    }
    for (QLabel* l : {label14_, destinationOnModules_}) {
        l->setText(text2_->text());
        l->setToolTip(platform::PlainToolTip(text2_->text()));
    }
    showLists();
    goTo(kVersions);
}

void CustomizerWindow::nextFromVersions() {
    const QString problem = source_.lists.versionsProblem();
    if (!problem.isEmpty()) {
        tell(problem);
        return;
    }
    goTo(kModules);
}

void CustomizerWindow::nextFromModules() {
    goTo(kConfirm);
}

void CustomizerWindow::backToDatabase() {
    goTo(kDatabase);
}

void CustomizerWindow::backToVersions() {
    goTo(kVersions);
}

void CustomizerWindow::backToModules() {
    goTo(kModules);
}

void CustomizerWindow::showLists() {
    Fill(list1_, source_.lists.availableVersions());
    Fill(list2_, source_.lists.chosenVersions());
    Fill(list4_, source_.lists.availableModules());
    Fill(list3_, source_.lists.chosenModules());
}

void CustomizerWindow::chooseVersion() {
    if (!list1_->currentItem())
        return;
    source_.lists.chooseVersion(list1_->currentRow());
    showLists();
    if (list1_->count() > 0)
        list1_->setCurrentRow(0);
}

void CustomizerWindow::chooseAllVersions() {
    source_.lists.chooseAllVersions();
    showLists();
}

void CustomizerWindow::returnVersion() {
    if (!list2_->currentItem())
        return;
    if (!source_.lists.returnVersion(list2_->currentRow())) {
        tell(texts::KeptVersion(source_.lists.keptVersion()));
        return;
    }
    showLists();
}

void CustomizerWindow::returnAllVersions() {
    source_.lists.returnAllVersions();
    showLists();
}

void CustomizerWindow::chooseModule() {
    if (!list4_->currentItem())
        return;
    source_.lists.chooseModule(list4_->currentRow());
    showLists();
    if (list4_->count() > 0)
        list4_->setCurrentRow(0);
}

void CustomizerWindow::chooseAllModules() {
    source_.lists.chooseAllModules();
    showLists();
}

void CustomizerWindow::returnModule() {
    if (!list3_->currentItem())
        return;
    source_.lists.returnModule(list3_->currentRow());
    showLists();
}

void CustomizerWindow::returnAllModules() {
    source_.lists.returnAllModules();
    showLists();
}

void CustomizerWindow::startBuild() {
    const BuildCheck check = CheckBeforeBuild(text1_->text(), text2_->text(), source_.lists);
    if (!check.ok()) {
        refuseBuild(check);
        return;
    }
    label13_->setText(texts::Building());
    lblProgress_->setText(texts::Waiting());
    lblProgress_->show();
    progressBar_->show();
    progressBar_->setValue(0);
    Fill(list5_, check.plan.columns);
    command15_->setEnabled(false);
    command17_->setEnabled(false);
    BuildHooks hooks;
    hooks.caption = [this](const QString& text) { lblProgress_->setText(text); };
    hooks.UpdateProgress = [this](int copied, int total) { UpdateProgress(copied, total); };
    hooks.stop = &stop_;
    CustomBuild build(check.plan, dialogs_, hooks);
    building_ = true;
    sinceEvents_.start();
    const BuildOutcome outcome = build.BuildCustomStore();
    building_ = false;
    if (outcome.status == BuildStatus::Finished) {
        label12_->setText(WithLineFeeds(outcome.text));
        goTo(kFinish);
        for (int tab = kDatabase; tab < kFinish; ++tab)
            ss_->setTabEnabled(tab, false);
        command15_->setEnabled(true);
        progressBar_->setValue(0);
        return;
    }
    restoreConfirmPage();
    if (closeWhenStopped_)
        close();
}

// Back to the page whose check failed, so the user sees what to change there.
void CustomizerWindow::refuseBuild(const BuildCheck& check) {
    goTo(check.page == CheckedPage::Versions ? kVersions : kDatabase);
    tell(check.problem);
    if (check.focusDestination)
        text2_->setFocus();
}

void CustomizerWindow::restoreConfirmPage() {
    label13_->clear();
    lblProgress_->clear();
    command15_->setEnabled(true);
    command17_->setEnabled(true);
}

void CustomizerWindow::UpdateProgress(int copied, int total) {
    progressBar_->setMaximum(total);
    progressBar_->setValue(std::min(copied, total));
    if (sinceEvents_.elapsed() < kEventSliceMs)
        return;
    QCoreApplication::processEvents();
    sinceEvents_.restart();
}

void CustomizerWindow::closeEvent(QCloseEvent* event) {
    if (!building_) {
        event->accept();
        return;
    }
    // The build is still on the stack below this event: ask it to stop and close after.
    stop_.request();
    closeWhenStopped_ = true;
    event->ignore();
}

} // namespace customizer
