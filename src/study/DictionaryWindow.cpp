#include "study/DictionaryWindow.h"

#include "store/Store.h"
#include "study/TypeAhead.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace study {

DictionaryWindow::DictionaryWindow(const StudyContext& context)
    : StudyWindow(context, QStringLiteral("Form9"), QStringLiteral("Kamus Alkitab")),
      text1_(new QLineEdit(this)), list_(new QListWidget(this)), rtf_(new QTextEdit(this)) {
    auto* label1 = new QLabel(QStringLiteral("Kamus Alkitab"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("Entri yang dicari"));
    list_->setObjectName(QStringLiteral("List1"));
    list_->setAccessibleName(QStringLiteral("Daftar entri"));
    rtf_->setObjectName(QStringLiteral("rtf"));
    rtf_->setAccessibleName(QStringLiteral("Penjelasan"));
    rtf_->setReadOnly(true);
    auto* left = new QVBoxLayout;
    left->addWidget(text1_);
    left->addWidget(list_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(label1);
    right->addWidget(rtf_, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right, 3);
    setBodyLayout(body);

    sizeFromScreen(500, 400);
    QFont font = this->font();
    font.setPointSize(fontSize());
    for (QWidget* widget :
         {static_cast<QWidget*>(text1_), static_cast<QWidget*>(list_), static_cast<QWidget*>(rtf_)})
        widget->setFont(font);
    for (const auto& row : context_.store.dictionary())
        entries_.append(row.entri);
    list_->addItems(entries_);
    connect(list_, &QListWidget::currentRowChanged, this, &DictionaryWindow::onEntry);
    connect(text1_, &QLineEdit::textChanged, this, &DictionaryWindow::onSearch);
}

void DictionaryWindow::showFor(const QString& text) {
    text1_->setText(text);
}

void DictionaryWindow::onEntry(int row) {
    // The list holds the rows in their order, so a row is its own lookup: headwords that
    // differ only in case, or hold an apostrophe, each show their own explanation.
    const auto& rows = context_.store.dictionary();
    if (row >= 0 && row < static_cast<int>(rows.size()))
        SetViewText(rtf_, rows[row].penjelasan);
}

void DictionaryWindow::onSearch(const QString& text) {
    const int row = FindStringFrom(entries_, text, 0);
    if (row < 0) {
        list_->setCurrentRow(-1);
        list_->clearSelection();
        return;
    }
    list_->setCurrentRow(row);
    list_->scrollToItem(list_->item(row), QAbstractItemView::PositionAtTop);
}

void DictionaryWindow::activated(const std::optional<StudyLook>& look) {
    text1_->setFocus();
    if (!look)
        return;
    TakeFont(list_, look->verseFont, false);
    TakeFont(rtf_, look->verseFont, false);
}

} // namespace study
