#pragma once

#include "reader/ReaderCommand.h"

#include <QObject>
#include <optional>

class QTextEdit;

namespace reader {

class MainWindow;
class SearchCommands;

// "Copy", "Copy ke ClipBook" of the chapter view and of the parallel panel, and the entries
// the study windows make: all land in the ClipBook page of the search's results window.
class ClipBookCommands : public QObject {
    Q_OBJECT
public:
    ClipBookCommands(MainWindow& window, SearchCommands& search);

    // Appends the view's selection under the label and prefix; the results window stays as it
    // is. Without a label the book chosen in the main window stands in.
    void CopyToClipBook(const QTextEdit* view, const QString& prefix,
                        const std::optional<QString>& label = std::nullopt);
    // An entry that its window has already put together.
    void appendEntry(const QString& entry);
    // "Copy": the chapter view's selection and one line break on the system clipboard.
    void copy();

private:
    // The chosen book's name as the book list shows it.
    QString chosenBook() const;

    MainWindow& window_;
    SearchCommands& search_;
};

} // namespace reader
