#include "results/Form2.h"

#include "platform/AccessibleNames.h"
#include "platform/Dialogs.h"
#include "platform/LookFonts.h"
#include "platform/ProductName.h"
#include "platform/ReadingLook.h"
#include "results/HighlightWord.h"
#include "results/PrintRichText.h"
#include "results/RichText.h"
#include "results/TextViewFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

// The page icons live in this static library; the linker keeps them only when asked for.
static void LoadResultsIcons() {
    Q_INIT_RESOURCE(ResultsIcons);
}

namespace results {
namespace {

constexpr ResultsPage kCari = ResultsPage::Cari;
constexpr ResultsPage kClipBook = ResultsPage::ClipBook;
constexpr ResultsPage kDaftar = ResultsPage::Daftar;
const QString kFileFilter = QStringLiteral("Text (*.txt);;Rich Text File (*.rtf)");
constexpr int kPrintMargin = 1000; // twips

struct ModeLayout {
    ResultsPage mode;
    int tab;
    QString caption;
    QString icon; // empty: no page icon
};

const ModeLayout kModes[] = {
    {kCari, 0, QStringLiteral("Jendela Hasil Pencarian"), QStringLiteral(":/results/hasil.svg")},
    {kClipBook, 1, QStringLiteral("Jendela ClipBook"), QStringLiteral(":/results/clipbook.svg")},
    {kDaftar, 2, QStringLiteral("jendela Daftar Hasil"), QString()},
};

QPixmap PageIcon(const QString& path) {
    static const bool loaded = (LoadResultsIcons(), true);
    Q_UNUSED(loaded);
    return path.isEmpty() ? QPixmap() : QIcon(path).pixmap(32, 32);
}

template <typename T> T* Named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QToolButton* ToolButton(QWidget* parent, const QString& name, const QString& tip,
                        QStyle::StandardPixmap icon) {
    auto* button = Named(new QToolButton(parent), name);
    platform::SetTip(button, tip);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAutoRaise(true);
    return button;
}

QTextEdit* View(QWidget* parent, const QString& name) {
    auto* view = Named(new QTextEdit(parent), name);
    view->setAcceptRichText(false);
    return view;
}

void PaintSwatch(QToolButton* swatch, const QColor& color) {
    swatch->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid #808080;").arg(color.name()));
}

} // namespace

Form2::Form2(platform::Dialogs& dialogs, const platform::ReadingLook& look, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), look_(look),
      printerSetup_([this](QPrinter& printer) {
          QPrintDialog dialog(&printer, this);
          return dialog.exec() == QDialog::Accepted;
      }),
      tabs_(Named(new QTabBar(this), QStringLiteral("SSTab1"))),
      picture_(Named(new QLabel(this), QStringLiteral("Picture2"))),
      rt1_(View(this, QStringLiteral("rt1"))), rt2_(View(this, QStringLiteral("rt2"))) {
    setObjectName(QStringLiteral("Form2"));
    tabs_->addTab(QStringLiteral("Hasil Pencarian"));
    tabs_->addTab(QStringLiteral("ClipBook"));
    tabs_->addTab(QStringLiteral("Daftar Hasil"));
    picture_->setFixedSize(32, 32);
    auto* top = new QHBoxLayout;
    top->addWidget(picture_);
    top->addWidget(tabs_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(frame1_ = buildTextTools());
    layout->addWidget(rt1_, 1);
    layout->addWidget(rt2_, 1);
    layout->addWidget(frame2_ = buildListTools(), 1);
    rt1_->setAccessibleName(QStringLiteral("Hasil Pencarian"));
    rt2_->setAccessibleName(QStringLiteral("ClipBook"));
    rt1_->viewport()->installEventFilter(this);
    // The results are what was found: read and chosen from, not edited; the ClipBook page is
    // the user's own text and stays editable.
    rt1_->setReadOnly(true);
    rt1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    rt1_->installEventFilter(this);
    // However the tab changes (a click, the arrow keys, Ctrl+Tab), its page follows.
    connect(tabs_, &QTabBar::currentChanged, this, &Form2::tabChosen);
    resize(720, 560);
    SwitchWindow();
    takeLook();
    connect(&look_, &platform::ReadingLook::changed, this, &Form2::takeLook);
}

void Form2::takeLook() {
    const QFont verses = platform::VerseFont(look_);
    for (QWidget* widget : {static_cast<QWidget*>(rt1_), static_cast<QWidget*>(rt2_),
                            static_cast<QWidget*>(list1_), static_cast<QWidget*>(keterangan_)})
        platform::TakeFont(widget, verses, false);
}

QWidget* Form2::buildTextTools() {
    auto* frame = Named(new QWidget(this), QStringLiteral("Frame1"));
    text1_ = Named(new QLineEdit(frame), QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("Kata yang di-highlight"));
    check1_ = Named(new QCheckBox(QStringLiteral("Kata Tepat"), frame), QStringLiteral("Check1"));
    command8_ =
        Named(new QPushButton(QStringLiteral("Highlight"), frame), QStringLiteral("Command8"));
    picClr_ = Named(new QToolButton(frame), QStringLiteral("PicClr"));
    picClr_->setFixedSize(22, 22);
    PaintSwatch(picClr_, color_);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(text1_, 1);
    row->addWidget(check1_);
    row->addWidget(command8_);
    row->addWidget(picClr_);
    const std::tuple<const char*, const char*, QStyle::StandardPixmap, void (Form2::*)()> tools[] =
        {{"Command4", " Hilangkan highlight warna ", QStyle::SP_DialogResetButton, nullptr},
         {"Command3", " Cetak Teks ", QStyle::SP_FileDialogDetailedView, &Form2::print},
         {"Command2", " Simpan Teks ke File ", QStyle::SP_DialogSaveButton, &Form2::save},
         {"Command1", " Buka File Teks ", QStyle::SP_DialogOpenButton, &Form2::open}};
    for (const auto& [name, tip, icon, slot] : tools) {
        QToolButton* button =
            ToolButton(frame, QString::fromLatin1(name), QString::fromUtf8(tip), icon);
        row->addWidget(button);
        if (slot)
            connect(button, &QToolButton::clicked, this, slot);
        else
            connect(button, &QToolButton::clicked, this, [this] { RemoveHighlight(*modeView()); });
    }
    connect(command8_, &QPushButton::clicked, this, &Form2::highlight);
    connect(picClr_, &QToolButton::clicked, this, &Form2::chooseColor);
    return frame;
}

QWidget* Form2::buildListTools() {
    auto* frame = Named(new QWidget(this), QStringLiteral("Frame2"));
    list1_ = Named(new QListWidget(frame), QStringLiteral("List1"));
    list1_->setAccessibleName(QStringLiteral("Daftar Hasil Pencarian"));
    keterangan_ = Named(new QLabel(frame), QStringLiteral("lblKeterangan"));
    keterangan_->setTextFormat(Qt::PlainText);
    keterangan_->setWordWrap(true);
    keterangan_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    keterangan_->setMinimumHeight(90);
    auto* show = Named(new QPushButton(QStringLiteral("Lihat"), frame), QStringLiteral("cmdShow"));
    auto* clear =
        Named(new QPushButton(QStringLiteral("Hapus Daftar"), frame), QStringLiteral("cmdClear"));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Named(new QLabel(QStringLiteral("Daftar Hasil Pencarian"), frame),
                          QStringLiteral("lblHeader")),
                    0, 0, 1, 2);
    grid->addWidget(list1_, 1, 0, 1, 2);
    grid->addWidget(
        Named(new QLabel(QStringLiteral("Keterangan"), frame), QStringLiteral("Label2")), 2, 0, 1,
        2);
    grid->addWidget(keterangan_, 3, 0, 1, 2);
    grid->addWidget(show, 4, 0);
    grid->addWidget(clear, 4, 1);
    grid->setRowStretch(1, 1);
    menuTemp_ = Named(new QMenu(QStringLiteral("Temp Files"), this), QStringLiteral("menuTemp"));
    QAction* hapus = menuTemp_->addAction(QStringLiteral("Hapus"));
    hapus->setObjectName(QStringLiteral("menuTempHapus"));
    QAction* hapusSemua = menuTemp_->addAction(QStringLiteral("Hapus Daftar"));
    hapusSemua->setObjectName(QStringLiteral("menuTempHapusSemua"));
    list1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
        keterangan_->setText(row >= 0 && row < list_.size() ? list_.at(row).summary : QString());
    });
    // Enter shows a kept search, as a double click and "Lihat" do.
    connect(list1_, &QListWidget::itemActivated, this, &Form2::showSelected);
    connect(list1_, &QListWidget::customContextMenuRequested, this, &Form2::listMenu);
    connect(show, &QPushButton::clicked, this, &Form2::showSelected);
    connect(clear, &QPushButton::clicked, this, &Form2::clearList);
    connect(hapus, &QAction::triggered, this, &Form2::deleteSelected);
    // Delete removes a kept search as "Hapus" does.
    list1_->installEventFilter(this);
    connect(hapusSemua, &QAction::triggered, this, &Form2::clearList);
    return frame;
}

void Form2::SwitchWindow() {
    for (const ModeLayout& layout : kModes) {
        if (layout.mode != varLabel_)
            continue;
        mode_ = varLabel_;
        {
            const QSignalBlocker quiet(tabs_);
            tabs_->setCurrentIndex(layout.tab);
        }
        frame1_->setVisible(mode_ != kDaftar);
        frame2_->setVisible(mode_ == kDaftar);
        rt1_->setVisible(mode_ == kCari);
        rt2_->setVisible(mode_ == kClipBook);
        setWindowTitle(layout.caption);
        picture_->setPixmap(PageIcon(layout.icon));
    }
}

void Form2::showMode(ResultsPage mode) {
    setVarLabel(mode);
    SwitchWindow();
    show();
    raise();
}

void Form2::tabChosen(int index) {
    if (index < 0 || index >= int(std::size(kModes)))
        return;
    setVarLabel(kModes[index].mode);
    setWindowTitle(tabs_->tabText(index));
    SwitchWindow();
}

QTextEdit* Form2::modeView() const {
    return mode_ == kCari ? rt1_ : rt2_;
}

void Form2::loadResults(const QString& file) {
    LoadResultsView(*rt1_, file);
}

void Form2::highlightFound(const QStringList& words, bool exact) {
    esc_.clear();
    for (const QString& word : words)
        HighlightWord(*rt1_, word, exact, &esc_, color_, [] { QApplication::processEvents(); });
}

void Form2::AddResultListEntry(const search::ResultListEntry& entry) {
    list_.add(entry);
    refreshList();
}

void Form2::refreshList() {
    list1_->clear();
    for (int k = 0; k < list_.size(); ++k)
        list1_->addItem(list_.at(k).title);
}

void Form2::highlight() {
    if (text1_->text().isEmpty())
        return;
    if (command8_->text() == QStringLiteral("Stop")) {
        command8_->setText(QStringLiteral("Highlight"));
        esc_.request();
        return;
    }
    command8_->setText(QStringLiteral("Stop"));
    esc_.clear();
    HighlightWord(*modeView(), text1_->text(), check1_->isChecked(), &esc_, color_,
                  [] { QApplication::processEvents(); });
    command8_->setText(QStringLiteral("Highlight"));
}

void Form2::chooseColor() {
    if (const std::optional<quint32> chosen = dialogs_.chooseColor(color_.rgb() & 0xffffff)) {
        color_ = QColor::fromRgb(*chosen);
        PaintSwatch(picClr_, color_);
    }
}

void Form2::print() {
    const QString what = mode_ == kCari ? QStringLiteral(" teks di Window hasil pencarian ")
                                        : QStringLiteral(" teks di ClipBook ");
    if (dialogs_.message(QStringLiteral("Cetak") + what + u'?', platform::MessageButtons::OkCancel,
                         platform::MessageIcon::Question,
                         platform::kProductName) != platform::DialogResult::Ok)
        return;
    QPrinter printer;
    if (!printerSetup_(printer))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PrintRichText(*modeView(), printer, kPrintMargin, kPrintMargin, kPrintMargin, kPrintMargin);
    QApplication::restoreOverrideCursor();
}

void Form2::save() {
    const QString file = dialogs_.saveFile(QStringLiteral("Simpan file"), kFileFilter);
    if (file.isEmpty())
        return;
    if (!SaveView(*modeView(), file))
        dialogs_.message(QStringLiteral("File tidak dapat disimpan: ") + file,
                         platform::MessageButtons::Ok, platform::MessageIcon::Critical,
                         platform::kProductName);
}

void Form2::open() {
    const QString file = dialogs_.openFile(QStringLiteral("Buka File"), kFileFilter);
    if (!file.isEmpty())
        LoadView(*modeView(), file);
}

void Form2::showSelected() {
    const int row = list1_->currentRow();
    if (row < 0 || row >= list_.size())
        return;
    setVarLabel(kCari);
    SwitchWindow();
    loadResults(list_.at(row).file);
}

void Form2::deleteSelected() {
    keterangan_->clear();
    list_.remove(list1_->currentRow());
    refreshList();
}

void Form2::clearList() {
    if (dialogs_.message(QStringLiteral("Hapus daftar pencarian ?"),
                         platform::MessageButtons::OkCancel, platform::MessageIcon::Question,
                         platform::kProductName) == platform::DialogResult::Cancel)
        return;
    list_.clear();
    refreshList();
    keterangan_->clear();
}

void Form2::listMenu(const QPoint& pos) {
    if (list_.empty())
        return;
    const int row = list1_->currentRow();
    const QString title = row >= 0 && row < list_.size() ? list_.at(row).title : QString();
    menuTemp_->actions().first()->setText(QStringLiteral("Hapus \"") + title + u'"');
    menuTemp_->popup(list1_->viewport()->mapToGlobal(pos));
}

void Form2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        esc_.request();
    else
        QWidget::keyPressEvent(event);
}

void Form2::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

void Form2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        SwitchWindow();
    QWidget::changeEvent(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list1_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Delete)) {
        deleteSelected();
        return true;
    }
    if (watched == rt1_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        chooseResultLine(rt1_->cursorForPosition(at).blockNumber());
    }
    if (watched == rt1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseResultLine(rt1_->textCursor().blockNumber());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::chooseResultLine(int line) {
    const QString key = ReferenceKeyOfLine(rt1_->toPlainText().split(u'\n'), line);
    if (const auto place = scripture::ParseLocationKey(key))
        emit referenceChosen(*place);
}

} // namespace results
