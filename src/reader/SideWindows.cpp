#include "reader/SideWindows.h"

#include <QScreen>
#include <QWidget>

namespace reader {

namespace {

QRect ScreenArea(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

bool SideWindows::anyShown() const {
    for (const QPointer<QWidget>& side : sides_) {
        if (side && side->isVisible())
            return true;
    }
    return false;
}

void SideWindows::NoteWindowSize() {
    if (anyShown() || main_.isMaximized())
        return;
    heightWidthNow_ = main_.size();
}

void SideWindows::TileSideWindow(QWidget& side) {
    const QRect screen = ScreenArea(main_);
    const int top = main_.geometry().top();
    const int height = main_.height();
    const int sideWidth = int(screen.width() * 0.4);
    // A maximized main window, or one that leaves no room on its right, moves to the left edge.
    const bool noRoom = main_.frameGeometry().right() + sideWidth > screen.right();
    if (main_.isMaximized() || noRoom) {
        main_.showNormal();
        main_.setGeometry(screen.left(), top, int(screen.width() * 0.6), height);
    }
    const int left = main_.frameGeometry().left() + main_.frameGeometry().width();
    side.setGeometry(left, top, sideWidth, height);
    side.show();
    side.raise();
}

void SideWindows::sideHidden() {
    if (anyShown() || !heightWidthNow_.isValid())
        return;
    main_.resize(heightWidthNow_);
    const QRect screen = ScreenArea(main_);
    main_.move(screen.center() - QPoint(main_.width() / 2, main_.height() / 2));
}

} // namespace reader
