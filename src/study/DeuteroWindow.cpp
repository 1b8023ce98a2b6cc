#include "study/DeuteroWindow.h"

#include "reader/HoverLabel.h"
#include "store/Store.h"
#include "study/DeuteroBooks.h"
#include "study/StudyLookups.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>

namespace study {

namespace {
const QString kNoText = QStringLiteral("Teks pasal ini tidak terdapat dalam database.");
} // namespace

DeuteroWindow::DeuteroWindow(const StudyContext& context)
    : StudyWindow(context, QStringLiteral("Form11"), QStringLiteral("Deuterokanonika")),
      label1_(new QLabel(this)), label2_(new QLabel(this)), list1_(new QListWidget(this)),
      list2_(new QListWidget(this)), rt1_(new QTextEdit(this)), text1_(new QLineEdit(this)),
      check1_(new QCheckBox(QStringLiteral(" Kata Tepat"), this)),
      mnuPopup_(new QMenu(QStringLiteral("popupCopy"), this)),
      mnuCopy_(new QAction(QStringLiteral("Copy"), mnuPopup_)),
      mnuCopyClipbook_(new QAction(QStringLiteral("Copy ke ClipBook"), mnuPopup_)) {
    label1_->setObjectName(QStringLiteral("Label1"));
    label2_->setObjectName(QStringLiteral("Label2"));
    label1_->setTextFormat(Qt::PlainText);
    label2_->setTextFormat(Qt::PlainText);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setAccessibleName(QStringLiteral("Daftar Kitab"));
    list2_->setObjectName(QStringLiteral("List2"));
    list2_->setAccessibleName(QStringLiteral("Pasal"));
    rt1_->setObjectName(QStringLiteral("rt1"));
    rt1_->setAccessibleName(QStringLiteral("Teks Deuterokanonika"));
    rt1_->setReadOnly(true);
    rt1_->setContextMenuPolicy(Qt::CustomContextMenu);
    QFont bold = label1_->font();
    bold.setBold(true);
    label1_->setFont(bold);

    auto* titles = new QHBoxLayout;
    titles->addWidget(label1_);
    titles->addSpacing(7); // 100 twips
    titles->addWidget(label2_, 1);
    auto* body = new QGridLayout;
    body->addLayout(titles, 0, 0, 1, 3);
    body->addWidget(list1_, 1, 0);
    body->addWidget(list2_, 1, 1);
    body->addWidget(rt1_, 1, 2);
    body->addWidget(buildSearchBar(), 2, 0, 1, 3);
    body->setColumnStretch(0, 3);
    body->setColumnStretch(1, 1);
    body->setColumnStretch(2, 8);
    setBodyLayout(body);
    buildMenus();
    new reader::HoverLabel(list1_, this);
    sizeFromScreen(500, 400);

    connect(list1_, &QListWidget::currentRowChanged, this, &DeuteroWindow::onBook);
    connect(list2_, &QListWidget::currentRowChanged, this, &DeuteroWindow::onChapter);
    connect(rt1_, &QTextEdit::customContextMenuRequested, this, &DeuteroWindow::showPopup);
    DeuteroList(1);
    label1_->setText(DeuteroTitle(context_.store.info(), 1));
    versionItems_[0]->setChecked(true);
}

QWidget* DeuteroWindow::buildSearchBar() {
    auto* bar = new QWidget(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("Kata yang dicari"));
    check1_->setObjectName(QStringLiteral("Check1"));
    auto* command1 = new QPushButton(QStringLiteral("Cari Semua"), bar);
    command1->setObjectName(QStringLiteral("Command1"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text1_, 1);
    layout->addWidget(check1_);
    layout->addWidget(command1);
    connect(command1, &QPushButton::clicked, this, &DeuteroWindow::search);
    connect(text1_, &QLineEdit::returnPressed, this, &DeuteroWindow::search);
    return bar;
}

void DeuteroWindow::buildMenus() {
    auto* menuBar = new QMenuBar(this);
    QMenu* menu = menuBar->addMenu(QStringLiteral("&Deuterokanonika"));
    menu->setObjectName(QStringLiteral("MenuDeutero"));
    for (int n = 1; n <= kDeuteroVersionCount; ++n) {
        QAction* item = menu->addAction(DeuteroTitle(context_.store.info(), n));
        item->setObjectName(QStringLiteral("MenuDeuterokanonika%1").arg(n));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, n] { ShowDeutero(n); });
        versionItems_[n - 1] = item;
    }
    layout()->setMenuBar(menuBar);

    auto* pilihSemua = mnuPopup_->addAction(QStringLiteral("Pilih Semua"));
    auto* pilihAyat = mnuPopup_->addAction(QStringLiteral("Pilih Ayat"));
    mnuPopup_->setObjectName(QStringLiteral("mnuPopup"));
    mnuCopy_->setObjectName(QStringLiteral("mnuCopy"));
    mnuCopyClipbook_->setObjectName(QStringLiteral("mnuCopyClipbook"));
    mnuPopup_->addAction(mnuCopy_);
    mnuPopup_->addAction(mnuCopyClipbook_);
    connect(pilihSemua, &QAction::triggered, rt1_, &QTextEdit::selectAll);
    connect(pilihAyat, &QAction::triggered, this, &DeuteroWindow::selectVerseAtCaret);
    connect(mnuCopy_, &QAction::triggered, this, &DeuteroWindow::copySelection);
    connect(mnuCopyClipbook_, &QAction::triggered, this, &DeuteroWindow::copySelectionToClipBook);
}

void DeuteroWindow::setVersionsOffered(const std::array<bool, kDeuteroVersionCount>& offered) {
    for (std::size_t k = 0; k < offered.size(); ++k)
        versionItems_[k]->setVisible(offered[k]);
}

void DeuteroWindow::showFor(int version) {
    ShowDeutero(version);
    open();
}

void DeuteroWindow::DeuteroList(int version) {
    const QSignalBlocker quiet(list1_);
    list1_->clear();
    list1_->addItems(DeuteroBookNames(version));
}

void DeuteroWindow::ShowDeutero(int version) {
    if (version < 1 || version > kDeuteroVersionCount)
        return;
    // The book stays chosen under its name in the new version, so the chapter list that
    // stays on screen still finds its chapters.
    const int book = list1_->currentRow();
    DeuteroList(version);
    for (int n = 1; n <= kDeuteroVersionCount; ++n)
        versionItems_[n - 1]->setChecked(n == version);
    version_ = version;
    const QString title = DeuteroTitle(context_.store.info(), version);
    setWindowTitle(title);
    label1_->setText(title);
    {
        const QSignalBlocker quiet(list1_);
        list1_->setCurrentRow(book);
    }
    label2_->setText(book >= 0 ? list1_->item(book)->text() : QString());
    showChapterText();
}

void DeuteroWindow::showChapterText() {
    const auto& rows = context_.store.deuterocanon();
    const QString text = currentRow_ >= 0 && currentRow_ < static_cast<int>(rows.size())
                             ? DeuteroText(rows[std::size_t(currentRow_)], version_)
                             : QString();
    // A chapter the store lacks must not leave another book's text under this one's name.
    SetViewText(rt1_, text.trimmed().isEmpty() ? kNoText : text);
}

void DeuteroWindow::onBook(int row) {
    if (row < 0)
        return;
    const QString name = list1_->item(row)->text();
    QSignalBlocker quiet(list2_);
    list2_->clear();
    for (int bab : DeuteroChapters(row, name))
        list2_->addItem(QString::number(bab));
    label2_->setText(name);
    quiet.unblock();
    list2_->setCurrentRow(0);
}

void DeuteroWindow::onChapter(int row) {
    const int book = list1_->currentRow();
    if (row < 0 || book < 0)
        return;
    const auto& rows = context_.store.deuterocanon();
    const int found = FindDeuteroRow(rows, book, list2_->item(row)->text().toInt());
    currentRow_ = found;
    showChapterText();
}

void DeuteroWindow::showPopup(const QPoint& pos) {
    const bool selected = rt1_->textCursor().hasSelection();
    mnuCopy_->setEnabled(selected);
    mnuCopyClipbook_->setEnabled(selected);
    mnuPopup_->popup(rt1_->viewport()->mapToGlobal(pos));
}

void DeuteroWindow::selectVerseAtCaret() {
    QTextCursor cursor = rt1_->textCursor();
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    if (cursor.block().next().isValid())
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    rt1_->setTextCursor(cursor);
}

void DeuteroWindow::copySelection() {
    if (rt1_->textCursor().hasSelection())
        QGuiApplication::clipboard()->setText(SelectedViewText(rt1_) + u'\n');
}

void DeuteroWindow::copySelectionToClipBook() {
    if (!rt1_->textCursor().hasSelection())
        return;
    const QListWidgetItem* book = list1_->currentItem();
    const QString heading =
        QStringLiteral("Deuterokanonika -- ") + (book ? book->text() : QString()) + u' ';
    emit copyToClipBook(ClipBookEntry(heading, SelectedViewText(rt1_)));
}

void DeuteroWindow::search() {
    if (cariDeutro_)
        cariDeutro_({text1_->text(), version_, label1_->text(), check1_->isChecked()});
}

void DeuteroWindow::activated(const std::optional<StudyLook>& look) {
    if (list1_->currentRow() < 0 && list1_->count() > 0)
        list1_->setCurrentRow(0);
    if (!look)
        return;
    TakeFont(list1_, look->verseFont, false);
    TakeFont(list2_, look->verseFont, false);
    TakeFont(rt1_, look->verseFont, true);
}

} // namespace study
