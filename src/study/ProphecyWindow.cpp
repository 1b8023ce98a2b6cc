#include "study/ProphecyWindow.h"

#include "reader/HoverLabel.h"
#include "store/Store.h"
#include "study/StudyLookups.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace study {

ProphecyWindow::ProphecyWindow(const StudyContext& context)
    : StudyWindow(context, QStringLiteral("Form5"),
                  QStringLiteral("Nubuat dan Penggenapannya di Alkitab")),
      list_(new QListWidget(this)), label1_(new QLabel(this)), label3_(new QLabel(this)),
      label4_(new QLabel(this)), rt1_(new QTextEdit(this)), rt2_(new QTextEdit(this)) {
    list_->setObjectName(QStringLiteral("List1"));
    list_->setAccessibleName(QStringLiteral("Daftar nubuat"));
    label1_->setObjectName(QStringLiteral("Label1"));
    label3_->setObjectName(QStringLiteral("Label3"));
    label4_->setObjectName(QStringLiteral("Label4"));
    // Titles and references come from the store: never markup.
    for (QLabel* label : {label1_, label3_, label4_})
        label->setTextFormat(Qt::PlainText);
    rt1_->setObjectName(QStringLiteral("rt1"));
    rt1_->setAccessibleName(QStringLiteral("Nubuat"));
    rt2_->setObjectName(QStringLiteral("rt2"));
    rt2_->setAccessibleName(QStringLiteral("Penggenapan"));
    rt1_->setReadOnly(true);
    rt2_->setReadOnly(true);
    auto* passages = new QGridLayout;
    passages->addWidget(label1_, 0, 0, 1, 2);
    passages->addWidget(label3_, 1, 0);
    passages->addWidget(label4_, 1, 1);
    passages->addWidget(rt1_, 2, 0);
    passages->addWidget(rt2_, 2, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 2);
    body->addLayout(passages, 5);
    setBodyLayout(body);
    auto* hover = new reader::HoverLabel(list_, this);
    hover->label()->setObjectName(QStringLiteral("Label5"));

    sizeFromScreen(500, 400);
    QFont font = this->font();
    font.setPointSize(fontSize());
    for (QWidget* widget :
         {static_cast<QWidget*>(list_), static_cast<QWidget*>(rt1_), static_cast<QWidget*>(rt2_)})
        widget->setFont(font);
    for (const auto& row : context_.store.prophecies())
        list_->addItem(ProperCase(row.nubuat));
    connect(list_, &QListWidget::currentRowChanged, this, &ProphecyWindow::onProphecy);
    showFor(0);
}

void ProphecyWindow::showFor(int row) {
    if (row >= 0 && row < list_->count())
        list_->setCurrentRow(row);
}

void ProphecyWindow::onProphecy(int row) {
    if (row < 0)
        return;
    const store::ProphecyRow* prophecy =
        FindProphecy(context_.store.prophecies(), list_->item(row)->text());
    if (!prophecy)
        return;
    const QString lama = prophecy->lama.trimmed();
    const QString baru = prophecy->baru.trimmed();
    label1_->setText(ProperCase(prophecy->nubuat));
    label3_->setText(QStringLiteral("Nubuat di ") + lama);
    label4_->setText(QStringLiteral("Penggenapan di ") + baru);
    showPassage(rt1_, lama);
    showPassage(rt2_, baru);
}

void ProphecyWindow::activated(const std::optional<StudyLook>& look) {
    if (!look)
        return;
    TakeFont(rt1_, look->verseFont, true);
    TakeFont(rt2_, look->verseFont, true);
    TakeFont(list_, look->listFont, true);
}

} // namespace study
