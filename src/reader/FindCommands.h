#pragma once

#include "reader/ChapterFind.h"
#include "reader/ReaderCommand.h"

#include <QObject>

class QLineEdit;

namespace platform {
class Dialogs;
}
namespace store {
class Store;
}

namespace reader {

class MainWindow;

// "Cari" of the search bar: the word in the displayed chapter, or the chapters of a wider
// scope one after the other with the arrow buttons; the search text's own behaviour (the
// default button, command text, the query editor). Moves go through the navigator.
class FindCommands : public QObject {
    Q_OBJECT
public:
    FindCommands(MainWindow& window, const store::Store& store, platform::Dialogs& dialogs);

    void Find();
    void findPrevious() { step(false); }
    void findNext() { step(true); }
    void openQueryEditor();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTextChanged(const QString& text);
    void findInChapter(const QString& word, bool exact);
    void findInScope(const QString& word, search::Scope scope);
    void step(bool forward);
    // The found chapter on screen with the word marked in black.
    void showFound(int row, const QString& word);
    void tell(const QString& text);

    MainWindow& window_;
    // The search text, known apart from the window: its events still come while the
    // window is being torn down.
    QLineEdit* text1_;
    platform::Dialogs& dialogs_;
    ChapterFind finder_;
    int dataRow_ = -1; // the chapter the arrows step from
};

} // namespace reader
