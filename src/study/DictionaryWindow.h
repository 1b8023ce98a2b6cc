#pragma once

#include "study/StudyWindow.h"

#include <QStringList>

class QLineEdit;

namespace study {

// Form9: the Bible dictionary, a headword list with type-ahead and the explanation view.
class DictionaryWindow : public StudyWindow {
    Q_OBJECT
public:
    explicit DictionaryWindow(const StudyContext& context);

    // Types a text into the search box: the first headword beginning with it is shown.
    void showFor(const QString& text);

protected:
    void activated(const std::optional<StudyLook>& look) override;

private:
    void onEntry(int row);
    void onSearch(const QString& text);

    QLineEdit* text1_;
    QListWidget* list_;
    QTextEdit* rtf_;
    QStringList entries_; // the list's items, for the type-ahead
};

} // namespace study
