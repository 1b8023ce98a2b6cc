#pragma once

#include "study/StudyWindow.h"

#include <QStringList>
#include <array>

class QGroupBox;
class QRadioButton;

namespace store {
struct ParableRow;
}

namespace study {

// Form4: the parables of Jesus, each shown in one of the gospels that tell it.
class ParablesWindow : public StudyWindow {
    Q_OBJECT
public:
    explicit ParablesWindow(const StudyContext& context);

    // Selects a parable by its row in the list, as a click does.
    void showFor(int row);

protected:
    void activated(const std::optional<StudyLook>& look) override;

private:
    void onParable(int row);
    void onGospel(int gospel);

    QListWidget* list_;
    QLabel* label1_;
    QGroupBox* frame_;
    std::array<QRadioButton*, 4> options_{};
    QTextEdit* rt1_;
    QStringList references_; // of the parable shown, Matius to Yohanes
};

} // namespace study
