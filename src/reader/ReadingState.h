#pragma once

#include <QString>

namespace reader {

// The window state beside the reading position (which the Navigator owns).
struct ReadingState {
    QString isInfo = QStringLiteral("kitab"); // view mode of the book panel
    bool showNext = false;                    // the next show-or-hide step shows the parallel panel
    bool separateIntro = true;
    int caretPos = 0;

    // "kitab": the book panel chooses scripture, not an introduction.
    bool scriptureMode() const { return isInfo == QStringLiteral("kitab"); }
};

} // namespace reader
