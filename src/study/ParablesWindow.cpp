#include "study/ParablesWindow.h"

#include "reader/HoverLabel.h"
#include "store/Store.h"
#include "study/StudyLookups.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace study {

ParablesWindow::ParablesWindow(const StudyContext& context)
    : StudyWindow(context, QStringLiteral("Form4"), QStringLiteral("Perumpamaan Yesus")),
      list_(new QListWidget(this)), label1_(new QLabel(this)),
      frame_(new QGroupBox(QStringLiteral("Perumpamaan Menurut Kitab"), this)),
      rt1_(new QTextEdit(this)) {
    list_->setObjectName(QStringLiteral("List1"));
    list_->setAccessibleName(QStringLiteral("Daftar perumpamaan"));
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setTextFormat(Qt::PlainText);
    rt1_->setObjectName(QStringLiteral("rt1"));
    rt1_->setAccessibleName(QStringLiteral("Teks perumpamaan"));
    rt1_->setReadOnly(true);
    const char* const gospels[] = {"Matius", "Markus", "Lukas", "Yohanes"};
    auto* optionRow = new QHBoxLayout(frame_);
    for (int i = 0; i < 4; ++i) {
        options_[i] = new QRadioButton(QString::fromUtf8(gospels[i]), frame_);
        options_[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        options_[i]->setEnabled(false);
        optionRow->addWidget(options_[i]);
        connect(options_[i], &QRadioButton::clicked, this, [this, i] { onGospel(i); });
    }
    auto* right = new QVBoxLayout;
    right->addWidget(label1_);
    right->addWidget(frame_);
    right->addWidget(rt1_, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(right, 2);
    setBodyLayout(body);
    new reader::HoverLabel(list_, this);

    sizeFromScreen(500, 400);
    QFont font = this->font();
    font.setPointSize(fontSize());
    list_->setFont(font);
    rt1_->setFont(font);
    for (const auto& row : context_.store.parables())
        list_->addItem(ProperCase(row.perumpamaan));
    connect(list_, &QListWidget::currentRowChanged, this, &ParablesWindow::onParable);
    showFor(0);
}

void ParablesWindow::showFor(int row) {
    if (row >= 0 && row < list_->count())
        list_->setCurrentRow(row);
}

void ParablesWindow::onParable(int row) {
    if (row < 0)
        return;
    const QString name = list_->item(row)->text();
    label1_->setText(name);
    const store::ParableRow* parable = FindParable(context_.store.parables(), name);
    if (!parable)
        return;
    references_ = GospelReferences(*parable);
    for (int i = 0; i < 4; ++i)
        options_[i]->setEnabled(!references_[i].trimmed().isEmpty());
    const int first = FirstGospel(references_);
    if (first < 0)
        return;
    showPassage(rt1_, references_[first]);
    options_[first]->setChecked(true);
}

void ParablesWindow::onGospel(int gospel) {
    const QListWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    const QString reference = references_.value(gospel);
    label1_->setText(item->text() + QStringLiteral(" (") + reference + u')');
    showPassage(rt1_, reference);
}

void ParablesWindow::activated(const std::optional<StudyLook>& look) {
    if (!look)
        return;
    TakeFont(rt1_, look->verseFont, true);
    TakeFont(list_, look->listFont, true);
}

} // namespace study
