#include "support/WindowPicture.h"

#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <cstdio>

namespace bench {

bool SaveWindowPicture(QWidget& window, const QString& file) {
    window.show();
    window.activateWindow();
    QTest::qWait(200);
    const bool saved = window.grab().save(file);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(file));
    window.hide();
    return saved;
}

} // namespace bench
