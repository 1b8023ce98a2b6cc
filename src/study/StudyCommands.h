#pragma once

#include "reader/ReaderCommand.h"

#include <QObject>

namespace reader {
class MainWindow;
class SearchCommands;
} // namespace reader

namespace study {

class StudyWindows;

// The main window's study commands open their windows; the deuterocanon reader searches
// through the main window's search engine.
class StudyCommands : public QObject {
    Q_OBJECT
public:
    StudyCommands(reader::MainWindow& window, StudyWindows& windows,
                  reader::SearchCommands& search);

private:
    void answer(reader::ReaderCommand command);

    StudyWindows& windows_;
};

} // namespace study
