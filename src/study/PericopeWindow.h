#pragma once

#include "study/StudyWindow.h"

namespace reader {
class Navigator;
class SideWindows;
} // namespace reader

namespace study {

// Form12, "Daftar Perikop Alkitab": the headings of the book shown in the main window, each
// with its reference below, in a list that scrolls however long the book. While shown it
// follows the navigator's book; a chosen heading moves the navigator to its first verse.
class PericopeWindow : public StudyWindow {
    Q_OBJECT
public:
    PericopeWindow(const StudyContext& context, reader::Navigator& navigator,
                   reader::SideWindows& sides);

    // MenuPerikop: beside the main window, filled for the book shown.
    void openBeside();
    // The book's name above the list and its Perikop text (Text1), then GetPerikop.
    void setSource(const QString& book, const QString& perikop);
    // Rebuilds the list from the kept Perikop text.
    void GetPerikop();
    // The pericope in that row of the list: its chapter, the caret on its first verse.
    void GoToPericope(int row);

    QListWidget* list() const { return list_; }

signals:
    // A chosen pericope is shown in the main window.
    void placeShown();

protected:
    void activated(const std::optional<StudyLook>& look) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showBook();

    reader::Navigator& nav_;
    reader::SideWindows& sides_;
    QLabel* labelKitab_;
    QListWidget* list_;
    QString text1_; // the Perikop text of the book last shown
};

} // namespace study
