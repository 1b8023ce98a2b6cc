#pragma once

#include "platform/LookFonts.h"
#include "results/ViewSelection.h"
#include "study/StudyContext.h"

#include <QFrame>
#include <QWidget>
#include <optional>

class QLabel;
class QListWidget;
class QTextEdit;

namespace study {

// picStatusBar with its labelStatus, at the foot of every study window.
class StudyStatusBar : public QFrame {
    Q_OBJECT
public:
    explicit StudyStatusBar(QWidget* parent);
    QLabel* label() const { return label_; }

private:
    QLabel* label_;
};

// Gives a study window's status bar the look of the main window's (its colours, its
// label's font and colour) and the caption "Vermara versi 2.0.0". Without a main status
// bar only the caption is set.
void CopyStatusBarStyle(const QWidget* mainStatusBar, StudyStatusBar& bar);

// The common frame of the study windows: a top-level window sized from the screen, with a
// status bar, that takes the main window's status bar look whenever it becomes active and the
// reading look then and whenever that changes.
class StudyWindow : public QWidget {
    Q_OBJECT
public:
    StudyWindow(const StudyContext& context, const QString& name, const QString& caption);

    // Shows the window modeless and brings it to the front.
    void open();
    StudyStatusBar* statusBar() const { return statusBar_; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Escape closes the window, as its close button does.
    void keyPressEvent(QKeyEvent* event) override;
    // Called on every activation after the status bar is styled, and when the reading look
    // changes while the window is shown; look is empty when the application gives none.
    virtual void activated(const std::optional<StudyLook>& look) = 0;
    // Width 0.8 of the screen; the given height in pixels on a screen taller than 700
    // pixels, else smallHeight.
    void sizeFromScreen(int height, int smallHeight);
    // 11 points on a screen taller than 700 pixels, else 10.
    int fontSize() const;
    // The passage of a location key, as plain text; a key the store cannot show leaves
    // the view as it was.
    void showPassage(QTextEdit* view, const QString& key) const;
    void setBodyLayout(QLayout* body);

    const StudyContext& context_;

private:
    void takeLook();

    StudyStatusBar* statusBar_;
};

using results::SelectedViewText;
// Unformatted text in a view; stored CR LF breaks become the view's own.
void SetViewText(QTextEdit* view, const QString& text);
using platform::TakeFont;

} // namespace study
