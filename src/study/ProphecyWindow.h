#pragma once

#include "study/StudyWindow.h"

namespace study {

// Form5: prophecies, each with its Old Testament passage beside its fulfilment.
class ProphecyWindow : public StudyWindow {
    Q_OBJECT
public:
    explicit ProphecyWindow(const StudyContext& context);

    // Selects a prophecy by its row in the list, as a click does.
    void showFor(int row);

protected:
    void activated(const std::optional<StudyLook>& look) override;

private:
    void onProphecy(int row);

    QListWidget* list_;
    QLabel* label1_;
    QLabel* label3_;
    QLabel* label4_;
    QTextEdit* rt1_;
    QTextEdit* rt2_;
};

} // namespace study
