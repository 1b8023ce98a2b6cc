#include "reader/SplashWindow.h"

#include "platform/ProductName.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace reader {

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Pembuka"));
    setStyleSheet(QStringLiteral("#frmSplash { background: #1f3b63; border: 1px solid #0d1f38; }"
                                 "QLabel { color: white; }"));
    auto* product = new QLabel(platform::kProductName, this);
    product->setObjectName(QStringLiteral("lblProductName"));
    QFont big = product->font();
    big.setPointSize(28);
    big.setBold(true);
    product->setFont(big);
    auto* subtitle = new QLabel(QStringLiteral("Alkitab dan bahan pelajarannya"), this);
    auto* version =
        new QLabel(QStringLiteral("Version ") + platform::VersionText().trimmed(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 24);
    for (QLabel* label : {product, subtitle, version}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
}

void SplashWindow::showCentred() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    show();
    // The one pass of pending events that draws the window before the store is opened.
    QCoreApplication::processEvents();
}

void SplashWindow::mouseDoubleClickEvent(QMouseEvent*) {
    close();
}

} // namespace reader
