#include "reader/QueryEditor.h"

#include "reader/UiMetrics.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace reader {

QueryEditor::QueryEditor(QWidget* parent) : QDialog(parent), text1_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Ekspresi Pencarian"));
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("Ekspresi pencarian"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text1_, 1);
    layout->addLayout(buttons);
    resize(420, 160);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void QueryEditor::edit(QLineEdit* searchText, const QWidget* searchBar) {
    text1_->setPlainText(searchText->text());
    text1_->selectAll();
    const int top = searchBar->mapToGlobal(QPoint(0, 0)).y() + Twips(searchBar, 300);
    move(searchText->mapToGlobal(QPoint(0, 0)).x(), top);
    text1_->setFocus();
    if (exec() == QDialog::Accepted)
        searchText->setText(QueryEditorText(text1_->toPlainText()));
}

QString QueryEditorText(const QString& edited) {
    static const QRegularExpression lineBreaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    return QString(edited).replace(lineBreaks, QStringLiteral(" "));
}

} // namespace reader
