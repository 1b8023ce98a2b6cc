#include "results/Form3.h"

#include "search/StopToken.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace results {
namespace {

QLabel* HiddenLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

QLineEdit* Box(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

} // namespace

Form3::Form3(search::StopToken& stop, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), stop_(stop),
      label1_(HiddenLabel(QStringLiteral("Label1"), {}, this)),
      label2_(HiddenLabel(QStringLiteral("Label2"), {}, this)),
      label4_(HiddenLabel(QStringLiteral("Label4"), QStringLiteral("StartTime"), this)),
      status_(Box(QStringLiteral("txtStatus"), this)),
      elapsed_(Box(QStringLiteral("txtElapsed"), this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("PENCARIAN"));
    auto* stopButton = new QPushButton(QStringLiteral("Stop"), this);
    stopButton->setObjectName(QStringLiteral("cmdStop"));
    auto* hint = new QLabel(QStringLiteral("(Tekan ESC untuk menghentikan pencarian)"), this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(status_, 0, 0, 1, 2);
    grid->addWidget(elapsed_, 1, 0);
    grid->addWidget(stopButton, 1, 1);
    grid->addWidget(hint, 2, 0, 1, 2);
    status_->setText(QStringLiteral("Tunggu...sedang melakukan pencarian."));
    status_->setMinimumWidth(260);
    connect(stopButton, &QPushButton::clicked, this, [this] { stop_.request(); });
}

void Form3::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        stop_.request();
    else
        QWidget::keyPressEvent(event);
}

void Form3::start(const QString& startTime) {
    label4_->setText(startTime);
    setElapsed(QStringLiteral("00:00:00"));
    setStatus(QStringLiteral("Tunggu... sedang mencari."));
    show();
    raise();
    activateWindow();
}

void Form3::setStatus(const QString& status) {
    label1_->setText(status);
    status_->setText(status);
}

void Form3::setElapsed(const QString& elapsed) {
    label2_->setText(elapsed);
    elapsed_->setText(elapsed);
}

} // namespace results
