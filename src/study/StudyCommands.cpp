#include "study/StudyCommands.h"

#include "reader/ClipBookCommands.h"
#include "reader/MainWindow.h"
#include "reader/SearchCommands.h"
#include "study/DeuteroWindow.h"
#include "study/PericopeWindow.h"
#include "study/StudyWindows.h"

namespace study {

StudyCommands::StudyCommands(reader::MainWindow& window, StudyWindows& windows,
                             reader::SearchCommands& search, reader::ClipBookCommands& clipBook)
    : QObject(&window), window_(window), windows_(windows) {
    connect(&window, &reader::MainWindow::commandRequested, this, &StudyCommands::answer);
    connect(&windows, &StudyWindows::copyToClipBook, &clipBook,
            &reader::ClipBookCommands::appendEntry);
    windows.setCariDeutro([&search](const DeuteroQuery& query) {
        search::DeuteroRequest request;
        request.text = query.text;
        request.version = query.version;
        request.versionLabel = query.title;
        request.exact = query.exact;
        search.CariDeutro(request);
    });
}

StudyCommands::~StudyCommands() = default;

PericopeWindow& StudyCommands::pericopes() {
    if (!pericopes_)
        pericopes_ = std::make_unique<PericopeWindow>(windows_.context(), window_.navigator(),
                                                      window_.sideWindows());
    return *pericopes_;
}

void StudyCommands::answer(reader::ReaderCommand command) {
    using C = reader::ReaderCommand;
    switch (command) {
    case C::Pericope:
        pericopes().openBeside();
        break;
    case C::Parables:
        windows_.showParables();
        break;
    case C::Prophecies:
        windows_.showProphecies();
        break;
    case C::Dictionary:
        windows_.showDictionary();
        break;
    case C::Thematic:
        windows_.showThematic();
        break;
    case C::Maps:
        windows_.showMaps();
        break;
    case C::Deutero1:
        windows_.showDeutero(1);
        break;
    case C::Deutero2:
        windows_.showDeutero(2);
        break;
    case C::Deutero3:
        windows_.showDeutero(3);
        break;
    default:
        break;
    }
}

} // namespace study
