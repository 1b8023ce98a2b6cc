#pragma once

#include <QString>

namespace reader {

// The reading state the main window shares with the windows of other subsystems.
struct ReadingState {
    QString isInfo = QStringLiteral("kitab"); // view mode of the book panel
    int activeEntry = 0;                      // version table entries, 0 for none
    QString activeColumn;
    QString activeName;
    int parallelEntry = 0;
    QString parallelColumn;
    QString parallelName;
    qint16 otAvailable = 1;
    bool showNext = false; // the next show-or-hide step shows the parallel panel
    bool separateIntro = true;
    int caretPos = 0;

    // "kitab": the book panel chooses scripture, not an introduction.
    bool scriptureMode() const { return isInfo == QStringLiteral("kitab"); }
};

} // namespace reader
