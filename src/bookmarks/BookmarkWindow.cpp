#include "bookmarks/BookmarkWindow.h"

#include "platform/Dialogs.h"
#include "platform/LookFonts.h"
#include "platform/PlainText.h"
#include "platform/ProductName.h"
#include "platform/ReadingLook.h"
#include "scripture/Notations.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace bookmarks {

namespace {

const QString kPlaceholder = QStringLiteral("[isi dengan keterangan]");

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter belongs to the note editor, not to a default button.
    button->setAutoDefault(false);
    return button;
}

} // namespace

BookmarkWindow::BookmarkWindow(platform::Dialogs& dialogs, BookmarkList list,
                               const platform::ReadingLook& look, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), look_(look), list_(std::move(list)) {
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("Bookmark"));
    // No close box: the window is left with " Tutup" (which saves) or Esc (which does not).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buildControls();
    buildMenu();
    layOut();
    RetrieveBookmarks();
    takeLook();
    connect(&look_, &platform::ReadingLook::changed, this, &BookmarkWindow::takeLook);
}

void BookmarkWindow::buildControls() {
    notes_ = new QListWidget(this);
    notes_->setObjectName(QStringLiteral("List"));
    notes_->setAccessibleName(QStringLiteral("Daftar bookmark"));
    notes_->setContextMenuPolicy(Qt::CustomContextMenu);
    position_ = new QLineEdit(this);
    position_->setObjectName(QStringLiteral("Text1"));
    position_->setAccessibleName(QStringLiteral("Posisi"));
    position_->setReadOnly(true);
    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("Text2"));
    editor_->setAccessibleName(QStringLiteral("Keterangan"));
    editor_->setFixedHeight(editor_->fontMetrics().lineSpacing() * 3 + 12);
    // A note is one line: Tab leaves the editor instead of writing a tab into it.
    editor_->setTabChangesFocus(true);
    save_ = Button(QStringLiteral("Simpan"), QStringLiteral("Command3"), this);
    jump_ = Button(QStringLiteral("Buka Ayat"), QStringLiteral("Command1"), this);
    close_ = Button(QStringLiteral(" Tutup"), QStringLiteral("Command2"), this);

    connect(notes_, &QListWidget::itemSelectionChanged, this,
            [this] { selectBookmark(selectedRow()); });
    connect(notes_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectBookmark(notes_->row(item)); });
    // Enter on a bookmark jumps, as a double click does.
    connect(notes_, &QListWidget::itemActivated, this, &BookmarkWindow::jump);
    connect(notes_, &QWidget::customContextMenuRequested, this, &BookmarkWindow::showMenu);
    connect(save_, &QPushButton::clicked, this, &BookmarkWindow::confirmNote);
    connect(jump_, &QPushButton::clicked, this, &BookmarkWindow::jump);
    connect(close_, &QPushButton::clicked, this, &BookmarkWindow::closeAndSave);
    setTabOrder(notes_, position_);
    setTabOrder(position_, jump_);
    setTabOrder(jump_, editor_);
    setTabOrder(editor_, save_);
    setTabOrder(save_, close_);
}

void BookmarkWindow::buildMenu() {
    menu_ = new QMenu(QStringLiteral("Hapus"), this);
    menu_->setObjectName(QStringLiteral("MenuHapus"));
    edit_ = menu_->addAction(QStringLiteral("Edit Keterangan Bookmark"), this,
                             &BookmarkWindow::editBookmark);
    edit_->setObjectName(QStringLiteral("MenuEditBookmark"));
    deleteOne_ =
        menu_->addAction(QStringLiteral("Hapus Bookmark"), this, &BookmarkWindow::deleteBookmark);
    deleteOne_->setObjectName(QStringLiteral("MenuHapusBookmark"));
    deleteAll_ = menu_->addAction(QStringLiteral("Hapus Daftar Bookmark"), this,
                                  &BookmarkWindow::deleteList);
    deleteAll_->setObjectName(QStringLiteral("MenuHapusDaftar"));
}

void BookmarkWindow::layOut() {
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Posisi"), this), 0, 0);
    fields->addWidget(position_, 0, 1);
    fields->addWidget(jump_, 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("Keterangan"), this), 1, 0, Qt::AlignTop);
    fields->addWidget(editor_, 1, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notes_, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(440, 400);
}

void BookmarkWindow::OfferBookmark(const scripture::BookmarkPosition& position,
                                   const scripture::VersionTag& version) {
    positionToSave_ = scripture::FormatBookmarkPosition(position);
    versionToSave_ = scripture::FormatVersionTag(version);
    if (mode_ != Mode::Update)
        editor_->setPlainText(kPlaceholder);
    if (!isVisible())
        show();
    // The user came to write a note: the keyboard goes there, over the placeholder.
    activateWindow();
    editor_->setFocus(Qt::OtherFocusReason);
    if (mode_ != Mode::Update)
        editor_->selectAll();
}

bool BookmarkWindow::SaveBookmarks_to_File() {
    switch (list_.SaveBookmarks_to_File()) {
    case BookmarkList::SaveResult::Saved:
        unreadableReported_ = false;
        // The list now holds what the other readers saved as well.
        fillList();
        forgetSelection();
        return true;
    case BookmarkList::SaveResult::Unreadable:
        reportUnreadable();
        return false;
    case BookmarkList::SaveResult::Locked:
        warn(QStringLiteral("Daftar bookmark sedang dipakai program lain, perubahan belum dapat "
                            "disimpan: ") +
             list_.filePath());
        return false;
    case BookmarkList::SaveResult::NotWritten:
        break;
    }
    warn(QStringLiteral("Daftar bookmark tidak dapat disimpan di ") + list_.filePath());
    return false;
}

void BookmarkWindow::RetrieveBookmarks() {
    if (list_.RetrieveBookmarks())
        unreadableReported_ = false;
    else
        reportUnreadable();
    fillList();
    forgetSelection();
}

void BookmarkWindow::reportUnreadable() {
    // Every later save is refused as well, until the file can be read; once is enough.
    if (unreadableReported_)
        return;
    unreadableReported_ = true;
    warn(QStringLiteral("Daftar bookmark tidak dapat dibaca: ") + list_.unreadablePath() +
         QStringLiteral(" (") + list_.unreadableCause() + QStringLiteral(")"));
}

void BookmarkWindow::warn(const QString& text) {
    dialogs_.message(text, platform::MessageButtons::Ok, platform::MessageIcon::Warning,
                     platform::kProductName);
}

void BookmarkWindow::fillList() {
    const QSignalBlocker blocker(notes_);
    notes_->clear();
    for (const Bookmark& bookmark : list_.items())
        notes_->addItem(bookmark.note);
}

int BookmarkWindow::selectedRow() const {
    const QList<QListWidgetItem*> selected = notes_->selectedItems();
    return selected.isEmpty() ? -1 : notes_->row(selected.first());
}

void BookmarkWindow::forgetSelection() {
    const QSignalBlocker blocker(notes_);
    notes_->clearSelection();
    notes_->setCurrentRow(-1);
    notes_->setToolTip({});
    position_->clear();
    jump_->setEnabled(false);
    // The note being edited may be gone; "Update" must not overwrite another bookmark.
    setMode(Mode::Simpan);
}

void BookmarkWindow::confirmNote() {
    const QString note = NoteFromEditor(editor_->toPlainText());
    if (note.isEmpty() || note == kPlaceholder) {
        dialogs_.message(QStringLiteral("Isi dahulu bagian keterangan"),
                         platform::MessageButtons::Ok, platform::MessageIcon::None,
                         platform::kProductName);
        return;
    }
    const platform::DialogResult answer = dialogs_.message(
        QStringLiteral("Pastikan keterangan yang anda tulis sudah benar. ") +
            QStringLiteral("\r\n") +
            QStringLiteral("Simpan posisi Alkitab dan keterangannya sekarang?"),
        platform::MessageButtons::OkCancel, platform::MessageIcon::None, platform::kProductName);
    if (answer == platform::DialogResult::Ok)
        storeNote(note);
    setMode(Mode::Simpan);
    editor_->clear();
}

void BookmarkWindow::storeNote(const QString& note) {
    const int row = selectedRow();
    if (mode_ == Mode::Update && row >= 0) {
        list_.updateNote(row, note);
        notes_->item(row)->setText(note);
        return;
    }
    list_.add({note, versionToSave_, positionToSave_});
    const QSignalBlocker blocker(notes_);
    notes_->addItem(note);
}

void BookmarkWindow::setMode(Mode mode) {
    mode_ = mode;
    save_->setText(mode == Mode::Update ? QStringLiteral("Update") : QStringLiteral("Simpan"));
}

void BookmarkWindow::selectBookmark(int row) {
    if (row < 0 || row >= list_.count())
        return;
    editor_->setPlainText(kPlaceholder);
    setMode(Mode::Simpan);
    position_->setText(list_.items().at(row).position);
    notes_->setToolTip(platform::PlainToolTip(list_.items().at(row).note));
    jump_->setEnabled(true);
}

void BookmarkWindow::showMenu(const QPoint& at) {
    const bool selected = selectedRow() >= 0;
    edit_->setEnabled(selected);
    deleteOne_->setVisible(selected);
    menu_->popup(notes_->viewport()->mapToGlobal(at));
}

void BookmarkWindow::editBookmark() {
    const int row = selectedRow();
    if (row < 0)
        return;
    positionToSave_ = list_.items().at(row).position;
    editor_->setPlainText(list_.items().at(row).note);
    setMode(Mode::Update);
}

void BookmarkWindow::deleteBookmark() {
    const int row = selectedRow();
    if (row < 0)
        return;
    list_.remove(row);
    {
        const QSignalBlocker blocker(notes_);
        delete notes_->takeItem(row);
    }
    forgetSelection();
}

void BookmarkWindow::deleteList() {
    list_.clear();
    fillList();
    forgetSelection();
}

void BookmarkWindow::jump() {
    const int row = selectedRow();
    if (row < 0 || row >= list_.count())
        return;
    const Bookmark& bookmark = list_.items().at(row);
    if (const auto position = scripture::ParseLocationKey(bookmark.position))
        emit jumpRequested(*position, bookmark.version);
}

void BookmarkWindow::closeAndSave() {
    SaveBookmarks_to_File();
    hide();
}

bool BookmarkWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        applyActivation();
    return QDialog::event(event);
}

void BookmarkWindow::closeEvent(QCloseEvent* event) {
    // Closed by the window manager: the list is kept as when the window unloads.
    SaveBookmarks_to_File();
    QDialog::closeEvent(event);
}

void BookmarkWindow::applyActivation() {
    if (selectedRow() < 0)
        jump_->setEnabled(false);
}

void BookmarkWindow::takeLook() {
    const QFont verses = platform::VerseFont(look_);
    platform::TakeFont(notes_, verses, false);
    platform::TakeFont(editor_, verses, false);
}

} // namespace bookmarks
