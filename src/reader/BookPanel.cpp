#include "reader/BookPanel.h"

#include "platform/AccessibleNames.h"
#include "reader/HoverLabel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace reader {

namespace {

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

BookPanel::BookPanel(QWidget* overlayParent, QWidget* parent)
    : QFrame(parent), option1_(new QRadioButton(QStringLiteral("PL"), this)),
      option2_(new QRadioButton(QStringLiteral("PB"), this)), list1_(new ChoiceList(this)),
      list2_(new ChoiceList(this)), combo1_(new QComboBox(this)) {
    setObjectName(QStringLiteral("Frame1"));
    option1_->setObjectName(QStringLiteral("Option1"));
    option2_->setObjectName(QStringLiteral("Option2"));
    option1_->setToolTip(QStringLiteral("Perjanjian Lama"));
    option2_->setToolTip(QStringLiteral("Perjanjian Baru"));
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setAccessibleName(QStringLiteral("Daftar Kitab"));
    list2_->setObjectName(QStringLiteral("List2"));
    list2_->setAccessibleName(QStringLiteral("Pasal"));
    combo1_->setObjectName(QStringLiteral("Combo1"));
    platform::SetTip(combo1_, QStringLiteral("Pilih ayat"));
    combo1_->setPlaceholderText(QStringLiteral("Ayat"));
    // The chapter column holds numbers only; the book names get the rest of the panel.
    const int numbers = fontMetrics().horizontalAdvance(QStringLiteral(" 150")) + 28;
    combo1_->setFixedWidth(numbers);
    list2_->setFixedWidth(numbers);
    // Styles that pop the list up like a menu ignore the row limit unless told otherwise.
    combo1_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    combo1_->setMaxVisibleItems(20);
    list2_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);
    auto* testaments = new QHBoxLayout;
    testaments->addWidget(option1_);
    testaments->addWidget(option2_);
    testaments->addStretch();
    grid->addLayout(testaments, 0, 0, 1, 2);
    grid->addWidget(Caption(QStringLiteral(" Daftar Kitab"), this), 1, 0);
    grid->addWidget(Caption(QStringLiteral(" Pasal"), this), 1, 1);
    grid->addWidget(list1_, 2, 0, 2, 1);
    grid->addWidget(combo1_, 2, 1);
    grid->addWidget(list2_, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(3, 1);
    hover_ = new HoverLabel(list1_, overlayParent);
}

} // namespace reader
