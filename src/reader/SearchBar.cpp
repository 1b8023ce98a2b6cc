#include "reader/SearchBar.h"

#include "platform/AccessibleNames.h"
#include "search/SearchKeys.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

namespace reader {

namespace {
// Part of the strip that always stays inside the bar, so that it can be dragged back.
constexpr int kKeptVisible = 80;
} // namespace

SearchBar::SearchBar(QWidget* parent)
    : QFrame(parent), strip_(new QWidget(this)), cmdResetPos_(new QToolButton(this)),
      text1_(new QLineEdit(strip_)), combo2_(new QComboBox(strip_)),
      check1_(new QCheckBox(QStringLiteral(" Kata Tepat"), strip_)),
      options_(new QToolButton(strip_)),
      wholeWords_(new QAction(QStringLiteral("Kata Utuh"), options_)),
      fold_(new QAction(QStringLiteral("Abaikan Aksen"), options_)) {
    setObjectName(QStringLiteral("picSearchBar"));
    strip_->setObjectName(QStringLiteral("SearchBar"));
    strip_->installEventFilter(this);
    cmdResetPos_->setObjectName(QStringLiteral("cmdResetPos"));
    cmdResetPos_->setText(QStringLiteral("\u00ab"));
    platform::SetTip(cmdResetPos_, QStringLiteral(" Kembalikan posisi kotak pencarian "));
    cmdResetPos_->hide();
    connect(cmdResetPos_, &QToolButton::clicked, this, &SearchBar::resetStrip);
    buildStrip();
}

void SearchBar::buildStrip() {
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("Kata yang dicari"));
    text1_->setPlaceholderText(QStringLiteral("Kata yang dicari"));
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setAccessibleName(QStringLiteral("Lingkup pencarian"));
    combo2_->addItems(search::ScopeItems());
    check1_->setObjectName(QStringLiteral("Check1"));
    buildOptions();
    const char* const captions[4] = {"Cari", "<", ">", "Cari Semua"};
    const char* const tips[4] = {" Cari di pasal ini ", " Sebelumnya ", " Berikutnya ",
                                 " Cari di seluruh lingkup "};
    for (int k = 0; k < 4; ++k) {
        commands_[k] = new QPushButton(QString::fromUtf8(captions[k]), strip_);
        commands_[k]->setObjectName(QStringLiteral("Command%1").arg(k + 1));
        platform::SetTip(commands_[k], QString::fromUtf8(tips[k]));
    }
    commands_[1]->setEnabled(false);
    commands_[2]->setEnabled(false);
    commands_[1]->setFixedWidth(28);
    commands_[2]->setFixedWidth(28);
    commands_[3]->setDefault(true);

    auto* row = new QHBoxLayout(strip_);
    row->setContentsMargins(6, 3, 6, 3);
    // The label is the strip's handle: its presses reach the strip, which drags.
    auto* handle = new QLabel(QStringLiteral("Cari:"), strip_);
    handle->setCursor(Qt::SizeHorCursor);
    row->addWidget(handle);
    row->addWidget(text1_, 2);
    row->addWidget(commands_[0]);
    row->addWidget(commands_[1]);
    row->addWidget(commands_[2]);
    row->addWidget(combo2_, 1);
    row->addWidget(check1_);
    row->addWidget(options_);
    row->addWidget(commands_[3]);
}

void SearchBar::buildOptions() {
    options_->setObjectName(QStringLiteral("cmdOpsiCari"));
    options_->setAccessibleName(QStringLiteral("Opsi pencarian"));
    options_->setToolTip(
        QStringLiteral("Kata Utuh: kasih tidak menemukan kasihnya\nAbaikan Aksen: "
                       "Jehova menemukan Jehov\u00e1, Lord's menemukan Lord\u2019s"));
    options_->setPopupMode(QToolButton::InstantPopup);
    // The arrow is part of the caption; the style's own indicator would cover its last letter.
    options_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    auto* menu = new QMenu(options_);
    menu->setObjectName(QStringLiteral("mnuOpsiCari"));
    wholeWords_->setObjectName(QStringLiteral("mnuKataUtuh"));
    fold_->setObjectName(QStringLiteral("mnuAbaikanAksen"));
    for (QAction* option : {wholeWords_, fold_}) {
        option->setCheckable(true);
        menu->addAction(option);
        connect(option, &QAction::toggled, this, &SearchBar::markOptions);
    }
    options_->setMenu(menu);
    markOptions();
}

void SearchBar::markOptions() {
    const bool on = wholeWords_->isChecked() || fold_->isChecked();
    options_->setText(on ? QStringLiteral("Opsi \u2713") : QStringLiteral("Opsi \u25be"));
}

QPushButton* SearchBar::command(int k) const {
    return commands_[k - 1];
}

void SearchBar::determineComboWidth() {
    const int width =
        combo2_->fontMetrics().horizontalAdvance(QStringLiteral("Pencarian di seluruh Alkitab"));
    combo2_->view()->setMinimumWidth(width + 2 * combo2_->view()->frameWidth() + 24);
}

QSize SearchBar::sizeHint() const {
    return strip_->sizeHint();
}

QSize SearchBar::minimumSizeHint() const {
    return {kKeptVisible, strip_->minimumSizeHint().height()};
}

void SearchBar::moveStrip(int offset) {
    const int stripWidth = std::max(width(), strip_->minimumSizeHint().width());
    offset_ = std::clamp(offset, kKeptVisible - stripWidth, std::max(0, width() - kKeptVisible));
    placeStrip();
}

void SearchBar::placeStrip() {
    const int stripWidth = std::max(width(), strip_->minimumSizeHint().width());
    strip_->setGeometry(offset_, 0, stripWidth, height());
    cmdResetPos_->setVisible(offset_ != 0);
    cmdResetPos_->setGeometry(offset_ > 0 ? 2 : width() - 26, (height() - 22) / 2, 24, 22);
    cmdResetPos_->raise();
}

void SearchBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    moveStrip(offset_);
}

bool SearchBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != strip_)
        return QFrame::eventFilter(watched, event);
    // Only the mouse events below are QMouseEvents; the cast waits for their cases.
    const auto globalX = [event] {
        return int(static_cast<const QMouseEvent*>(event)->globalPosition().x());
    };
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        resetStrip();
        return true;
    case QEvent::MouseButtonPress:
        dragFrom_ = globalX();
        dragOffset_ = offset_;
        return true;
    case QEvent::MouseMove:
        if (dragFrom_ >= 0)
            moveStrip(dragOffset_ + globalX() - dragFrom_);
        return dragFrom_ >= 0;
    case QEvent::MouseButtonRelease:
        dragFrom_ = -1;
        return true;
    default:
        return false;
    }
}

} // namespace reader
