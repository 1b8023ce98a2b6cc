#include "reader/InfoWindow.h"

#include "reader/ReaderSettings.h"
#include "reader/StoreRichTextView.h"
#include "store/Store.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace reader {

namespace {

struct Topic {
    QString title;
    qint16 id;
};

// "Etika" and "HakCipta": the title and the UsysInfo id of each text.
std::optional<Topic> TopicOf(const QString& caption) {
    if (caption == QStringLiteral("Etika"))
        return Topic{QStringLiteral("Etika Pengutipan Alkitab"), 3};
    if (caption == QStringLiteral("HakCipta"))
        return Topic{QStringLiteral("Hak Cipta"), 4};
    return std::nullopt;
}

} // namespace

InfoWindow::InfoWindow(ReaderSettings& settings, const store::Store* store, QWidget* parent)
    : QDialog(parent), settings_(settings), store_(store) {
    setObjectName(QStringLiteral("Form14"));
    setModal(true);
    lblEtika_ = new QLabel(QStringLiteral("Etika"), this);
    lblEtika_->setObjectName(QStringLiteral("lblEtika"));
    lblEtika_->hide();
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignHCenter);
    QFont title = label1_->font();
    title.setBold(true);
    title.setPointSize(title.pointSize() + 4);
    label1_->setFont(title);
    richTextBox1_ = new StoreRichTextView(this);
    richTextBox1_->setObjectName(QStringLiteral("RichTextBox1"));
    richTextBox1_->setAccessibleName(QStringLiteral("Isi keterangan"));
    richTextBox1_->setReadOnly(true);
    check1_ = new QCheckBox(
        QStringLiteral("Selalu tampilkan jendela Etika Pengutipan di awal program"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    auto* command1 = new QPushButton(QStringLiteral("Tutup"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(check1_, 1);
    bottom->addWidget(command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addWidget(richTextBox1_, 1);
    layout->addLayout(bottom);
    resize(620, 480);
}

void InfoWindow::showTopic(const QString& topic) {
    lblEtika_->setText(topic);
    check1_->setChecked(settings_.etikaAtStart());
    ChooseInfo();
    setWindowTitle(label1_->text());
    show();
    raise();
    activateWindow();
}

void InfoWindow::ChooseInfo() {
    const auto topic = TopicOf(lblEtika_->text());
    if (!topic)
        return;
    label1_->setText(topic->title);
    const QString text = store_ ? store_->GetInfoText(topic->id) : QString();
    // Stored texts are rich text or plain paragraphs; both are shown as written.
    if (Qt::mightBeRichText(text))
        richTextBox1_->setHtml(text);
    else
        richTextBox1_->setPlainText(text);
}

void InfoWindow::done(int result) {
    settings_.setEtikaAtStart(check1_->isChecked());
    QDialog::done(result);
}

} // namespace reader
