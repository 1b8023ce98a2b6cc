#include "reader/ToolBarPanel.h"

#include "platform/AccessibleNames.h"
#include "reader/Icons.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace reader {

namespace {

const char* const kToolTips[kToolButtonCount] = {" Padanan Alkitab ",
                                                 " Daftar Perikop Alkitab ",
                                                 " Pengantar Kitab ",
                                                 " Daftar Perumpamaan Yesus ",
                                                 " Daftar Nubuat dan Penggenapan ",
                                                 " Peta Alkitab ",
                                                 " Kamus Alkitab ",
                                                 " Deuterokanonika ",
                                                 " Bookmark ",
                                                 " Hasil Pencarian ",
                                                 " ClipBook ",
                                                 " Daftar Hasil Pencarian ",
                                                 " Hasil Pencarian "};

// The pages of buttons 11, 12 and 13.
constexpr results::ResultsPage kPages[] = {
    results::ResultsPage::ClipBook, results::ResultsPage::Daftar, results::ResultsPage::Cari};

QFrame* Separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

ToolBarPanel::ToolBarPanel(QWidget* overlayParent, QWidget* parent)
    : QFrame(parent), dropDown_(new QFrame(overlayParent)) {
    setObjectName(QStringLiteral("Picture1"));
    dropDown_->setObjectName(QStringLiteral("picDropDown"));
    dropDown_->setFrameShape(QFrame::StyledPanel);
    dropDown_->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(1);
    addToolButtons(row);
    dropDownButton_ = new QToolButton(this);
    dropDownButton_->setObjectName(QStringLiteral("btnDropDown"));
    dropDownButton_->setArrowType(Qt::DownArrow);
    dropDownButton_->setAutoRaise(true);
    dropDownButton_->setFixedWidth(14);
    platform::SetTip(dropDownButton_, QStringLiteral(" Pilih halaman hasil "));
    row->addWidget(dropDownButton_);
    row->addWidget(Separator(this));
    addFontButtons(row);
    row->addStretch();
    dropDown_->hide();
}

void ToolBarPanel::addToolButtons(QHBoxLayout* row) {
    auto* column = new QVBoxLayout(dropDown_);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(1);
    for (int k = 1; k <= kToolButtonCount; ++k) {
        QWidget* holder = k <= 10 ? static_cast<QWidget*>(this) : dropDown_;
        QToolButton* button = makeButton(QStringLiteral("ToolButton%1").arg(k), ToolButtonIcon(k),
                                         QString::fromUtf8(kToolTips[k - 1]), holder);
        buttons_[std::size_t(k - 1)] = button;
        if (k <= 10) {
            row->addWidget(button);
        } else {
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            button->setText(QString::fromUtf8(kToolTips[k - 1]).trimmed());
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            column->addWidget(button);
        }
        if (k == 1 || k == 8)
            row->addWidget(Separator(this));
    }
}

void ToolBarPanel::addFontButtons(QHBoxLayout* row) {
    fontUp_ = makeButton(QStringLiteral("bFontUp"), NamedIcon(QStringLiteral("fontup")),
                         QStringLiteral(" Perbesar Font "), this);
    fontDown_ = makeButton(QStringLiteral("bFontDown"), NamedIcon(QStringLiteral("fontdown")),
                           QStringLiteral(" Perkecil Font "), this);
    fontReset_ = makeButton(QStringLiteral("bFontReset"), NamedIcon(QStringLiteral("fontreset")),
                            QStringLiteral(" Font Standar "), this);
    textOnly_ = makeButton(QStringLiteral("Command6"), NamedIcon(QStringLiteral("textonly")),
                           QStringLiteral(" Tampilan Teks Saja (F11: Tampilan Normal) "), this);
    for (QToolButton* button : {fontUp_, fontDown_, fontReset_, textOnly_})
        row->addWidget(button);
}

QToolButton* ToolBarPanel::makeButton(const QString& name, const QIcon& icon, const QString& tip,
                                      QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(28, 28));
    button->setAutoRaise(true);
    platform::SetTip(button, tip);
    return button;
}

void ToolBarPanel::chooseResultsPage(int k) {
    QToolButton* chosen = toolButton(k);
    toolButton(10)->setIcon(chosen->icon());
    platform::SetTip(toolButton(10), chosen->toolTip());
    resultsPage_ = kPages[k - 11];
}

void ToolBarPanel::toggleDropDown() {
    if (!dropDown_->isHidden()) {
        hideDropDown();
        return;
    }
    dropDown_->adjustSize();
    const QPoint below =
        dropDownButton_->mapTo(dropDown_->parentWidget(), QPoint(0, dropDownButton_->height()));
    dropDown_->move(std::max(0, below.x() - dropDown_->width() + dropDownButton_->width()),
                    below.y());
    dropDown_->raise();
    dropDown_->show();
}

void ToolBarPanel::hideDropDown() {
    dropDown_->hide();
}

} // namespace reader
