#include "study/ThematicWindow.h"

#include "store/Store.h"
#include "study/StudyLookups.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTextEdit>

namespace study {

namespace {

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

ThematicWindow::ThematicWindow(const StudyContext& context)
    : StudyWindow(context, QStringLiteral("Form18"), QStringLiteral("Kumpulan Ayat-Ayat Tematik")),
      cbTopik_(new QComboBox(this)), label4_(NamedLabel(QStringLiteral("Label4"), QString(), this)),
      lstAyat_(new QListWidget(this)), rtfAyat_(new QTextEdit(this)),
      mnuCopy_(new QMenu(QStringLiteral("popupCopy"), this)),
      mnuClipBook_(new QAction(QStringLiteral("Copy ke ClipBook"), mnuCopy_)) {
    cbTopik_->setObjectName(QStringLiteral("cbTopik"));
    cbTopik_->setAccessibleName(QStringLiteral("Topik"));
    // Measuring thousands of topics for the width would slow the first opening.
    cbTopik_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbTopik_->setMinimumContentsLength(20);
    lstAyat_->setObjectName(QStringLiteral("lstAyat"));
    lstAyat_->setAccessibleName(QStringLiteral("Daftar ayat"));
    rtfAyat_->setObjectName(QStringLiteral("rtfAyat"));
    rtfAyat_->setAccessibleName(QStringLiteral("Teks ayat"));
    rtfAyat_->setReadOnly(true);
    rtfAyat_->setContextMenuPolicy(Qt::CustomContextMenu);
    mnuCopy_->setObjectName(QStringLiteral("mnuCopy"));
    auto* pilihSemua = mnuCopy_->addAction(QStringLiteral("Pilih Semua"));
    pilihSemua->setObjectName(QStringLiteral("mnuPilihSemua"));
    mnuClipBook_->setObjectName(QStringLiteral("mnuClipBook"));
    mnuCopy_->addAction(mnuClipBook_);

    auto* body = new QGridLayout;
    body->addWidget(NamedLabel(QStringLiteral("Label2"), QStringLiteral("Topik"), this), 0, 0);
    body->addWidget(cbTopik_, 1, 0);
    body->addWidget(NamedLabel(QStringLiteral("Label3"), QStringLiteral("Daftar Ayat"), this), 2,
                    0);
    body->addWidget(lstAyat_, 3, 0);
    body->addWidget(NamedLabel(QStringLiteral("Label1"), QStringLiteral("Ayat-Ayat Tematik"), this),
                    0, 1);
    body->addWidget(label4_, 1, 1);
    body->addWidget(rtfAyat_, 2, 1, 2, 1);
    body->setColumnStretch(0, 1);
    body->setColumnStretch(1, 3);
    body->setRowStretch(3, 1);
    setBodyLayout(body);
    sizeFromScreen(500, 400);

    connect(cbTopik_, &QComboBox::activated, this, &ThematicWindow::onTopic);
    connect(lstAyat_, &QListWidget::currentRowChanged, this, &ThematicWindow::onReference);
    connect(rtfAyat_, &QTextEdit::customContextMenuRequested, this, &ThematicWindow::showPopup);
    connect(pilihSemua, &QAction::triggered, rtfAyat_, &QTextEdit::selectAll);
    connect(mnuClipBook_, &QAction::triggered, this, &ThematicWindow::copySelection);
    FillTopics();
}

void ThematicWindow::showFor(int topic) {
    if (topic < 0 || topic >= cbTopik_->count())
        return;
    cbTopik_->setCurrentIndex(topic);
    onTopic(topic);
}

void ThematicWindow::FillTopics() {
    cbTopik_->clear();
    cbTopik_->addItems(context_.store.topics());
    showFor(0);
}

void ThematicWindow::onTopic(int index) {
    const QString topic = cbTopik_->itemText(index);
    label4_->setText(topic);
    lstAyat_->clear();
    lstAyat_->addItems(ThematicReferences(context_.store.thematic(), topic));
    lstAyat_->setCurrentRow(0);
}

void ThematicWindow::onReference(int row) {
    if (row >= 0)
        showPassage(rtfAyat_, lstAyat_->item(row)->text());
}

void ThematicWindow::showPopup(const QPoint& pos) {
    mnuClipBook_->setEnabled(rtfAyat_->textCursor().hasSelection());
    mnuCopy_->popup(rtfAyat_->viewport()->mapToGlobal(pos));
}

void ThematicWindow::copySelection() {
    if (!rtfAyat_->textCursor().hasSelection())
        return;
    const QListWidgetItem* reference = lstAyat_->currentItem();
    const QString heading =
        ThematicHeading(cbTopik_->currentText(), reference ? reference->text() : QString());
    emit copyToClipBook(ClipBookEntry(heading, SelectedViewText(rtfAyat_)));
}

void ThematicWindow::activated(const std::optional<StudyLook>& look) {
    if (!look)
        return;
    TakeFont(cbTopik_, look->verseFont, false);
    TakeFont(lstAyat_, look->verseFont, false);
    TakeFont(rtfAyat_, look->verseFont, true);
}

} // namespace study
