#include "study/PericopeWindow.h"

#include "reader/Navigator.h"
#include "reader/SideWindows.h"
#include "store/Records.h"
#include "study/PericopeIndex.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace study {

namespace {

// The hovered pair is drawn in blue inside a blue frame, like the overlay it stands for; the
// chosen one keeps the palette's selection colours, so it stays readable in every style.
const QString kListStyle =
    QStringLiteral("QListWidget::item{padding:4px 2px 6px 2px;border:1px solid transparent;}"
                   "QListWidget::item:hover{color:#0000ff;border:1px solid #0000ff;}"
                   "QListWidget::item:selected{color:palette(highlighted-text);"
                   "background:palette(highlight);border:1px solid palette(highlight);}");

} // namespace

PericopeWindow::PericopeWindow(const StudyContext& context, reader::Navigator& navigator,
                               reader::SideWindows& sides)
    : StudyWindow(context, QStringLiteral("Form12"), QStringLiteral("Daftar Perikop Alkitab")),
      nav_(navigator), sides_(sides), labelKitab_(new QLabel(this)), list_(new QListWidget(this)) {
    labelKitab_->setObjectName(QStringLiteral("LabelKitab"));
    labelKitab_->setTextFormat(Qt::PlainText);
    QFont bold = labelKitab_->font();
    bold.setBold(true);
    bold.setPointSize(fontSize() + 1);
    labelKitab_->setFont(bold);
    list_->setObjectName(QStringLiteral("Picture1"));
    list_->setAccessibleName(QStringLiteral("Daftar perikop"));
    list_->setStyleSheet(kListStyle);
    list_->setWordWrap(true);
    // Long headings wrap inside the window's width rather than scroll sideways.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setMouseTracking(true);
    list_->viewport()->setCursor(Qt::PointingHandCursor);
    QFont font = list_->font();
    font.setPointSize(fontSize());
    list_->setFont(font);
    auto* body = new QVBoxLayout;
    body->addWidget(labelKitab_);
    body->addWidget(list_, 1);
    setBodyLayout(body);
    resize(400, 500);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { GoToPericope(list_->row(item)); });
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { GoToPericope(list_->row(item)); });
    connect(&nav_, &reader::Navigator::bookChanged, this, [this] {
        if (isVisible())
            showBook();
    });
    sides_.add(this);
}

void PericopeWindow::openBeside() {
    sides_.NoteWindowSize();
    showBook();
    sides_.TileSideWindow(*this);
    activateWindow();
}

void PericopeWindow::showBook() {
    const store::BookRow* row = nav_.bookRow();
    const QStringList books = nav_.bookNames();
    const int index = nav_.bookIndex();
    setSource(index >= 0 && index < books.size() ? books.at(index) : QString(),
              row ? row->perikop : QString());
}

void PericopeWindow::setSource(const QString& book, const QString& perikop) {
    labelKitab_->setText(book);
    text1_ = perikop;
    GetPerikop();
}

void PericopeWindow::GetPerikop() {
    list_->clear();
    for (const PericopeEntry& entry : PericopeEntries(text1_))
        list_->addItem(entry.heading + u'\n' + entry.reference);
    list_->scrollToTop();
}

void PericopeWindow::GoToPericope(int row) {
    const auto entries = PericopeEntries(text1_);
    if (row < 0 || row >= int(entries.size()))
        return;
    const auto start = PericopeStartOf(entries[std::size_t(row)].reference);
    if (!start)
        return;
    // The index stays in the book shown; the reference's own book name is not consulted.
    if (nav_.goTo(nav_.bookName(), start->chapter, start->verse))
        emit placeShown();
}

void PericopeWindow::activated(const std::optional<StudyLook>& look) {
    if (look)
        TakeFont(list_, look->verseFont, false);
}

void PericopeWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides; the main window may then take its own size back.
    hide();
    event->accept();
    sides_.sideHidden();
}

} // namespace study
