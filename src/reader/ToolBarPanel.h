#pragma once

#include "results/ResultsPage.h"

#include <QFrame>
#include <array>

class QHBoxLayout;
class QToolButton;

namespace reader {

inline constexpr int kToolButtonCount = 13;

// Picture1: tool buttons 1..10 with the drop-down button, the font buttons and the
// text-only toggle; buttons 11..13 sit in the drop-down panel picDropDown.
class ToolBarPanel : public QFrame {
    Q_OBJECT
public:
    ToolBarPanel(QWidget* overlayParent, QWidget* parent);

    QToolButton* toolButton(int k) const { return buttons_[std::size_t(k - 1)]; } // 1..13
    QFrame* dropDown() const { return dropDown_; }
    QToolButton* dropDownButton() const { return dropDownButton_; }
    QToolButton* fontUp() const { return fontUp_; }
    QToolButton* fontDown() const { return fontDown_; }
    QToolButton* fontReset() const { return fontReset_; }
    QToolButton* textOnly() const { return textOnly_; }

    // Button 10 reopens the results page last chosen with button 11, 12 or 13.
    results::ResultsPage resultsPage() const { return resultsPage_; }
    void chooseResultsPage(int k);

    void toggleDropDown();
    void hideDropDown();

private:
    // Buttons 1..10 in the row, 11..13 in the drop-down panel.
    void addToolButtons(QHBoxLayout* row);
    void addFontButtons(QHBoxLayout* row);
    QToolButton* makeButton(const QString& name, const QIcon& icon, const QString& tip,
                            QWidget* parent);

    std::array<QToolButton*, kToolButtonCount> buttons_{};
    QFrame* dropDown_;
    QToolButton* dropDownButton_ = nullptr;
    QToolButton* fontUp_ = nullptr;
    QToolButton* fontDown_ = nullptr;
    QToolButton* fontReset_ = nullptr;
    QToolButton* textOnly_ = nullptr;
    results::ResultsPage resultsPage_ = results::ResultsPage::Cari;
};

} // namespace reader
