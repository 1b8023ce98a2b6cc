#include "reader/SearchBar.h"

#include "search/SearchKeys.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace reader {

SearchBar::SearchBar(QWidget* parent)
    : QFrame(parent), text1_(new QLineEdit(this)), combo2_(new QComboBox(this)),
      check1_(new QCheckBox(QStringLiteral(" Kata Tepat"), this)) {
    setObjectName(QStringLiteral("picSearchBar"));
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setPlaceholderText(QStringLiteral("Kata yang dicari"));
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->addItems(search::ScopeItems());
    check1_->setObjectName(QStringLiteral("Check1"));
    const char* const captions[4] = {"Cari", "<", ">", "Cari Semua"};
    const char* const tips[4] = {" Cari di pasal ini ", " Sebelumnya ", " Berikutnya ",
                                 " Cari di seluruh lingkup "};
    for (int k = 0; k < 4; ++k) {
        commands_[k] = new QPushButton(QString::fromUtf8(captions[k]), this);
        commands_[k]->setObjectName(QStringLiteral("Command%1").arg(k + 1));
        commands_[k]->setToolTip(QString::fromUtf8(tips[k]));
    }
    commands_[1]->setEnabled(false);
    commands_[2]->setEnabled(false);
    commands_[1]->setFixedWidth(28);
    commands_[2]->setFixedWidth(28);
    commands_[3]->setDefault(true);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 3, 6, 3);
    row->addWidget(new QLabel(QStringLiteral("Cari:"), this));
    row->addWidget(text1_, 2);
    row->addWidget(commands_[0]);
    row->addWidget(commands_[1]);
    row->addWidget(commands_[2]);
    row->addWidget(combo2_, 1);
    row->addWidget(check1_);
    row->addWidget(commands_[3]);
}

QPushButton* SearchBar::command(int k) const {
    return commands_[k - 1];
}

void SearchBar::determineComboWidth() {
    const int width =
        combo2_->fontMetrics().horizontalAdvance(QStringLiteral("Pencarian di seluruh Alkitab"));
    combo2_->view()->setMinimumWidth(width + 2 * combo2_->view()->frameWidth() + 24);
}

} // namespace reader
