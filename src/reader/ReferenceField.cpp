#include "reader/ReferenceField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace reader {

ReferenceField::ReferenceField(QWidget* overlayParent, QWidget* parent)
    : QWidget(parent), overlayParent_(overlayParent), edit_(new QLineEdit(this)),
      problem_(new QLabel(overlayParent)) {
    setObjectName(QStringLiteral("picBukaAyat"));
    edit_->setObjectName(QStringLiteral("txtBukaAyat"));
    edit_->setAccessibleName(QStringLiteral("Buka Ayat"));
    edit_->setPlaceholderText(QStringLiteral("Buka ayat (Ctrl+L), mis. Yoh 3:16"));
    edit_->setToolTip(QStringLiteral("Buka Ayat: ketik referensi lalu tekan Enter"));
    edit_->setClearButtonEnabled(true);
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(edit_->placeholderText()) + 40);
    problem_->setObjectName(QStringLiteral("lblBukaAyat"));
    problem_->setTextFormat(Qt::PlainText); // it repeats what the user typed
    problem_->setStyleSheet(QStringLiteral(
        "background-color: #fff3cd; color: #6b4a00; border: 1px solid #d9b44a; padding: 2px 6px;"));
    problem_->hide();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_);
    connect(edit_, &QLineEdit::returnPressed, this, [this] { emit entered(edit_->text()); });
    connect(edit_, &QLineEdit::textEdited, this, [this] { showProblem({}); });
}

void ReferenceField::takeKeyboard() {
    edit_->setFocus(Qt::ShortcutFocusReason);
    edit_->selectAll();
}

void ReferenceField::showProblem(const QString& problem) {
    // A screen reader hears the line as the box's description.
    edit_->setAccessibleDescription(problem);
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    if (!problem.isEmpty())
        placeProblem();
}

void ReferenceField::placeProblem() {
    problem_->adjustSize();
    const QPoint below = edit_->mapTo(overlayParent_, QPoint(0, edit_->height() + 1));
    const int left = std::max(0, std::min(below.x(), overlayParent_->width() - problem_->width()));
    problem_->move(left, below.y());
    problem_->raise();
}

} // namespace reader
