#include "reader/TipsWindow.h"

#include "reader/ReaderSettings.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace reader {

namespace {

bool TallScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->size().height() > 700;
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

TipsWindow::TipsWindow(ReaderSettings& settings, TipList tips, double random, QWidget* parent)
    : QDialog(parent), settings_(settings), tips_(std::move(tips)) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Tip Penggunaan Program"));
    auto* label1 = new QLabel(QStringLiteral("Tip Penggunaan Program"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont title = label1->font();
    title.setBold(true);
    title.setPointSize(title.pointSize() + 3);
    label1->setFont(title);
    label2_ = new QLabel(QStringLiteral("Tip penggunaan program tidak tersedia."), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setTextFormat(Qt::PlainText);
    label2_->setWordWrap(true);
    label2_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label2_->setFrameShape(QFrame::StyledPanel);
    label2_->setMargin(12);
    label2_->setStyleSheet(QStringLiteral("background: #fffbe6;"));
    check1_ = new QCheckBox(QStringLiteral("Selalu tampilan tip di awal program"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    QPushButton* previous =
        Button(QStringLiteral("Command3"), QStringLiteral("< &Sebelumnya"), this);
    QPushButton* next = Button(QStringLiteral("Command1"), QStringLiteral("&Berikutnya >"), this);
    command2_ = Button(QStringLiteral("Command2"), QStringLiteral("Tutup"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(check1_, 1);
    for (QPushButton* button : {previous, next, command2_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(label2_, 1);
    layout->addLayout(buttons);

    const bool tall = TallScreen();
    QFont tipFont = label2_->font();
    tipFont.setPointSize(tall ? 11 : 10);
    label2_->setFont(tipFont);
    resize(tall ? 560 : 480, tall ? 500 : 400);
    connect(next, &QPushButton::clicked, this, [this] { ShowTip(tips_.next(number_)); });
    connect(previous, &QPushButton::clicked, this, [this] { ShowTip(tips_.previous(number_)); });
    connect(command2_, &QPushButton::clicked, this, &TipsWindow::tutup);
    if (!tips_.isEmpty())
        ShowTip(tips_.firstTip(random));
}

void TipsWindow::ShowTip(int number) {
    if (tips_.isEmpty())
        return;
    number_ = number;
    label2_->setText(tips_.tip(number));
}

void TipsWindow::prepare(const QString& readingFontName) {
    QFont font = label2_->font();
    font.setFamily(readingFontName);
    label2_->setFont(font);
    check1_->setChecked(settings_.tipsAtStart());
    command2_->setFocus();
}

void TipsWindow::tutup() {
    const bool show = check1_->isChecked();
    settings_.setTipsAtStart(show);
    emit tipsAtStartChanged(show);
    close();
}

} // namespace reader
