#pragma once

#include "study/StudyWindow.h"

class QComboBox;
class QPushButton;

namespace study {

class PictureView;

// Form6: the maps and pictures, by category, with the chosen picture and its caption.
class MapsWindow : public StudyWindow {
    Q_OBJECT
public:
    explicit MapsWindow(const StudyContext& context);

    // Chooses a title by its row in the list, as a click does.
    void showFor(int row);
    PictureView* pictureView() const { return view_; }

protected:
    void activated(const std::optional<StudyLook>& look) override;

private:
    void onCategory(int index);
    void onTitle(int row);
    // Loads the picture file; a failure is reported and the previous picture stays.
    bool loadPicture(const QString& path);
    void toggleList();

    QWidget* picListPanel_;
    QComboBox* combo1_;
    QListWidget* list_;
    PictureView* view_;
    QTextEdit* rt1_;
    QPushButton* command1_;
};

} // namespace study
