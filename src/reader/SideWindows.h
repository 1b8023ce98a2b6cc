#pragma once

#include <QList>
#include <QPointer>
#include <QSize>
#include <QWidget>

namespace reader {

// The side windows beside the main window (the introduction window, the pericope index): the
// main window makes room for one on its right and gets its own size back when the last of
// them is hidden.
class SideWindows {
public:
    explicit SideWindows(QWidget& mainWindow) : main_(mainWindow) {}

    void add(QWidget* side) { sides_.append(side); }
    bool anyShown() const;
    // NoteWindowSize: keeps the main window's size, unless a side window already took its room
    // or it is maximized (then there is no size of its own to go back to).
    void NoteWindowSize();
    // TileSideWindow: the side window takes 0.4 of the screen width at the main window's right,
    // at its top and height; a maximized main window, or one without room on its right,
    // first takes 0.6 of the screen width at the left edge.
    void TileSideWindow(QWidget& side);
    // A side window was hidden: unless another is still shown, the kept size comes back and
    // the main window is centred on the screen.
    void sideHidden();
    QSize heightWidthNow() const { return heightWidthNow_; }

private:
    QWidget& main_;
    QList<QPointer<QWidget>> sides_;
    QSize heightWidthNow_;
};

} // namespace reader
