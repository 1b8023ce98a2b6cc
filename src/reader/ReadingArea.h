#pragma once

#include "reader/ScriptureView.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QSplitter;

namespace reader {

class ReferenceField;

// The title, the reading view rtf1 and, below it, the parallel panel Frame2 with rtf2.
class ReadingArea : public QWidget {
    Q_OBJECT
public:
    explicit ReadingArea(QWidget* parent);

    QLabel* title() const { return label1_; }
    ScriptureView* rtf1() const { return rtf1_; }
    ScriptureView* rtf2() const { return rtf2_; }
    QPushButton* command5() const { return command5_; }
    QWidget* picture4() const { return picture4_; }
    ReferenceField* referenceField() const { return reference_; }
    QLabel* activeVersionCaption() const { return activeCaption_; }
    QLabel* parallelVersionCaption() const { return parallelCaption_; }

    // The name of the version each pane shows, in the small caption above it.
    void showVersionNames(const QString& active, const QString& parallel);

    // The show-or-hide step: shown, rtf1 gives up a quarter of its height to the panel.
    void showParallel(bool show);

private:
    // Frame2: the caption " Padanan Ayat" above rtf2.
    void layOutParallelFrame();

    QLabel* label1_;
    QPushButton* command5_;
    QWidget* picture4_;
    ReferenceField* reference_;
    QLabel* activeCaption_;
    QSplitter* splitter_;
    ScriptureView* rtf1_;
    QFrame* frame2_;
    ScriptureView* rtf2_;
    QLabel* parallelCaption_;
};

} // namespace reader
