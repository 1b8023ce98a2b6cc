#pragma once

#include <QWidget>

namespace reader {

// The splash window: centred on the screen, above other windows, with the program's
// version. A double click closes it; so does the main window's first activation.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow();

    // Shows the window and draws it once; nothing waits for it.
    void showCentred();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace reader
