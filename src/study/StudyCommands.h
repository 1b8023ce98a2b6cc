#pragma once

#include <QObject>
#include <memory>

namespace reader {
class ClipBookCommands;
class MainWindow;
class SearchCommands;
} // namespace reader

namespace study {

class PericopeWindow;
class StudyWindows;

// The main window's study commands open their windows; the deuterocanon reader searches
// through the main window's search engine, and the study windows' "Copy ke ClipBook" entries
// land in the main window's ClipBook.
class StudyCommands : public QObject {
    Q_OBJECT
public:
    StudyCommands(reader::MainWindow& window, StudyWindows& windows, reader::SearchCommands& search,
                  reader::ClipBookCommands& clipBook);
    ~StudyCommands() override;

    // Form12, made on first use.
    PericopeWindow& pericopes();

private:
    void bindCommands();
    void offerDeuteroVersions();

    reader::MainWindow& window_;
    StudyWindows& windows_;
    std::unique_ptr<PericopeWindow> pericopes_;
};

} // namespace study
