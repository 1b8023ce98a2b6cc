#include "reader/ReadingArea.h"

#include "reader/ReferenceField.h"
#include "reader/ScriptureView.h"
#include "reader/UiMetrics.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

namespace reader {

namespace {

constexpr int kGapTwips = 40;

QWidget* StudyChoices(QWidget* parent) {
    auto* box = new QWidget(parent);
    box->setObjectName(QStringLiteral("Picture4"));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, const char*> choices[] = {
        {"Option6", "Pengantar"}, {"Option5", "Ciri Khas"}, {"Option4", "Survai"}};
    for (const auto& [name, caption] : choices) {
        auto* option = new QRadioButton(QString::fromUtf8(caption), box);
        option->setObjectName(QString::fromUtf8(name));
        layout->addWidget(option);
    }
    box->hide();
    return box;
}

QLabel* VersionCaption(const QString& name, QWidget* parent) {
    auto* caption = new QLabel(parent);
    caption->setObjectName(name);
    caption->setTextFormat(Qt::PlainText); // the store's version name
    QFont small = caption->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    small.setItalic(true);
    caption->setFont(small);
    caption->setStyleSheet(QStringLiteral("color: #1f4e8c;"));
    return caption;
}

} // namespace

ReadingArea::ReadingArea(QWidget* parent)
    : QWidget(parent), label1_(new QLabel(this)),
      command5_(new QPushButton(QStringLiteral("Kitab"), this)), picture4_(StudyChoices(this)),
      reference_(new ReferenceField(this, this)),
      activeCaption_(VersionCaption(QStringLiteral("lblVersiAktif"), this)),
      splitter_(new QSplitter(Qt::Vertical, this)),
      rtf1_(new ScriptureView(QStringLiteral("rtf1"), splitter_)), frame2_(new QFrame(splitter_)),
      rtf2_(new ScriptureView(QStringLiteral("rtf2"), frame2_)),
      parallelCaption_(VersionCaption(QStringLiteral("lblVersiPadanan"), frame2_)) {
    label1_->setObjectName(QStringLiteral("Label1"));
    // Book names and references come from the store: never markup.
    label1_->setTextFormat(Qt::PlainText);
    QFont titleFont = label1_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() + 2);
    label1_->setFont(titleFont);
    command5_->setObjectName(QStringLiteral("Command5"));
    command5_->hide();
    auto* header = new QHBoxLayout;
    header->setContentsMargins(4, 2, 4, 2);
    header->addWidget(label1_);
    header->addWidget(command5_);
    header->addWidget(picture4_);
    header->addStretch();
    header->addWidget(reference_);

    layOutParallelFrame();
    splitter_->setObjectName(QStringLiteral("splitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->setHandleWidth(Twips(this, kGapTwips));
    rtf1_->setAccessibleName(QStringLiteral("Teks Alkitab"));
    rtf2_->setAccessibleName(QStringLiteral("Padanan Ayat"));
    splitter_->addWidget(rtf1_);
    splitter_->addWidget(frame2_);
    frame2_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    activeCaption_->setContentsMargins(6, 0, 4, 1);
    layout->addWidget(activeCaption_);
    layout->addWidget(splitter_, 1);
}

void ReadingArea::layOutParallelFrame() {
    frame2_->setObjectName(QStringLiteral("Frame2"));
    auto* caption = new QLabel(QStringLiteral(" Padanan Ayat"), frame2_);
    caption->setObjectName(QStringLiteral("Frame2Caption"));
    QFont captionFont = caption->font();
    captionFont.setBold(true);
    caption->setFont(captionFont);
    auto* captions = new QHBoxLayout;
    captions->setContentsMargins(0, 0, 4, 0);
    captions->addWidget(caption);
    captions->addStretch();
    captions->addWidget(parallelCaption_);
    auto* panel = new QVBoxLayout(frame2_);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(1);
    panel->addLayout(captions);
    panel->addWidget(rtf2_);
}

void ReadingArea::showVersionNames(const QString& active, const QString& parallel) {
    activeCaption_->setText(active);
    parallelCaption_->setText(parallel);
}

void ReadingArea::showParallel(bool show) {
    if (!show) {
        frame2_->hide();
        return;
    }
    const int gap = splitter_->handleWidth();
    const int total = splitter_->height();
    const int quarter = total / 4;
    frame2_->show();
    splitter_->setSizes({total - quarter, std::max(quarter - gap, 1)});
}

} // namespace reader
