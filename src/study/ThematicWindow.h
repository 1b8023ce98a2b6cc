#pragma once

#include "study/StudyWindow.h"

class QAction;
class QComboBox;
class QMenu;

namespace study {

// Form18: verses gathered under topics; a passage, or part of it, goes to the ClipBook.
class ThematicWindow : public StudyWindow {
    Q_OBJECT
public:
    explicit ThematicWindow(const StudyContext& context);

    // Chooses a topic by its index in the drop-down, as a click does.
    void showFor(int topic);

signals:
    // A ClipBook entry: the heading (topic, book part of the reference) and the selection.
    void copyToClipBook(const QString& entry);

protected:
    void activated(const std::optional<StudyLook>& look) override;

private:
    void FillTopics();
    void onTopic(int index);
    void onReference(int row);
    void showPopup(const QPoint& pos);
    void copySelection();

    QComboBox* cbTopik_;
    QLabel* label4_;
    QListWidget* lstAyat_;
    QTextEdit* rtfAyat_;
    QMenu* mnuCopy_;
    QAction* mnuClipBook_;
};

} // namespace study
