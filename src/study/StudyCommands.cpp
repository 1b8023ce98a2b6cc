#include "study/StudyCommands.h"

#include "reader/ClipBookCommands.h"
#include "reader/MainMenus.h"
#include "reader/MainWindow.h"
#include "reader/SearchCommands.h"
#include "store/Store.h"
#include "study/DeuteroBooks.h"
#include "study/DeuteroWindow.h"
#include "study/PericopeWindow.h"
#include "study/StudyWindows.h"

#include <QAction>

namespace study {

StudyCommands::StudyCommands(reader::MainWindow& window, StudyWindows& windows,
                             reader::SearchCommands& search, reader::ClipBookCommands& clipBook)
    : QObject(&window), window_(window), windows_(windows) {
    bindCommands();
    offerDeuteroVersions();
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

void StudyCommands::bindCommands() {
    using C = reader::ReaderCommand;
    const std::pair<C, reader::CommandBindings::Handler> commands[] = {
        {C::Pericope, [this] { pericopes().openBeside(); }},
        {C::Parables, [this] { windows_.showParables(); }},
        {C::Prophecies, [this] { windows_.showProphecies(); }},
        {C::Dictionary, [this] { windows_.showDictionary(); }},
        {C::Thematic, [this] { windows_.showThematic(); }},
        {C::Maps, [this] { windows_.showMaps(); }},
        {C::Deutero1, [this] { windows_.showDeutero(1); }},
        {C::Deutero2, [this] { windows_.showDeutero(2); }},
        {C::Deutero3, [this] { windows_.showDeutero(3); }},
    };
    for (const auto& [command, handler] : commands)
        window_.commands().bind(command, handler);
}

void StudyCommands::offerDeuteroVersions() {
    // Each version is offered under the store's own name, and only when it has text.
    const reader::ReaderCommand commands[] = {reader::ReaderCommand::Deutero1,
                                              reader::ReaderCommand::Deutero2,
                                              reader::ReaderCommand::Deutero3};
    for (int version = 1; version <= kDeuteroVersionCount; ++version) {
        QAction* item = window_.menus().action(commands[version - 1]);
        item->setText(DeuteroTitle(windows_.context().store.info(), version));
        item->setVisible(windows_.deuteroVersionOffered(version));
    }
}

PericopeWindow& StudyCommands::pericopes() {
    if (!pericopes_) {
        pericopes_ = std::make_unique<PericopeWindow>(windows_.context(), window_.navigator(),
                                                      window_.sideWindows());
        // The main window beside the index comes up from behind other windows; the keyboard
        // stays in the index.
        connect(pericopes_.get(), &PericopeWindow::placeShown, &window_, &QWidget::raise);
    }
    return *pericopes_;
}

} // namespace study
