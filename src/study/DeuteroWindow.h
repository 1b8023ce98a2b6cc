#pragma once

#include "study/DeuteroBooks.h"
#include "study/StudyWindow.h"

#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;

namespace study {

// What "Cari Semua" hands to the deuterocanon search: the expression, the version shown
// (1 to 3), its title and the " Kata Tepat" switch.
struct DeuteroQuery {
    QString text;
    int version = 1;
    QString title;
    bool exact = false;
};
using CariDeutroHook = std::function<void(const DeuteroQuery&)>;

// Form11: the deuterocanonical books in up to three versions.
class DeuteroWindow : public StudyWindow {
    Q_OBJECT
public:
    explicit DeuteroWindow(const StudyContext& context);

    // ShowDeutero: switches to version 1..3, keeping the chapter on screen.
    void ShowDeutero(int version);
    // Shows the window in a version, as the main window's menu items do.
    void showFor(int version);
    // Without a third version its menu item is hidden.
    // Only the versions the store has text for are offered in the window's menu.
    void setVersionsOffered(const std::array<bool, kDeuteroVersionCount>& offered);
    void setCariDeutro(CariDeutroHook hook) { cariDeutro_ = std::move(hook); }
    int version() const { return version_; }

signals:
    // A ClipBook entry: "Deuterokanonika -- " and the book, then the selection.
    void copyToClipBook(const QString& entry);

protected:
    void activated(const std::optional<StudyLook>& look) override;

private:
    QWidget* buildSearchBar();
    void buildMenus();
    void DeuteroList(int version);
    void onBook(int row);
    void onChapter(int row);
    // The text of the chapter row last found in the version shown.
    void showChapterText();
    void showPopup(const QPoint& pos);
    void selectVerseAtCaret();
    void copySelection();
    void copySelectionToClipBook();
    void search();

    QLabel* label1_;
    QLabel* label2_;
    QListWidget* list1_;
    QListWidget* list2_;
    QTextEdit* rt1_;
    QLineEdit* text1_;
    QCheckBox* check1_;
    std::array<QAction*, 3> versionItems_{};
    QMenu* mnuPopup_;
    QAction* mnuCopy_;
    QAction* mnuCopyClipbook_;
    int version_ = 1;    // VersiKitab: the version whose column is shown
    int currentRow_ = 0; // the chapter row last found; switching version shows it again
    CariDeutroHook cariDeutro_;
};

} // namespace study
