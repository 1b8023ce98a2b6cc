#include "reader/ShellCommands.h"

#include "platform/Dialogs.h"
#include "platform/ProductName.h"
#include "reader/AboutWindow.h"
#include "reader/AppContext.h"
#include "reader/ChapterView.h"
#include "reader/HelpFile.h"
#include "reader/InfoWindow.h"
#include "reader/MainWindow.h"
#include "reader/TipList.h"
#include "reader/TipsWindow.h"

#include <QDesktopServices>
#include <QRandomGenerator>
#include <cstdlib>

namespace reader {

ShellCommands::ShellCommands(MainWindow& window, AppContext& context)
    : QObject(&window), window_(window), context_(context),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      quit_([] { std::_Exit(0); }),
      random_([] { return QRandomGenerator::global()->generateDouble(); }) {
    CommandBindings& commands = window.commands();
    commands.bind(ReaderCommand::Tips, [this] { showTips(); });
    commands.bind(ReaderCommand::Help, [this] { showHelp(); });
    commands.bind(ReaderCommand::About, [this] { showAbout(); });
    commands.bind(ReaderCommand::Etika, [this] { showInfo(QStringLiteral("Etika")); });
    commands.bind(ReaderCommand::HakCipta, [this] { showInfo(QStringLiteral("HakCipta")); });
}

ShellCommands::~ShellCommands() = default;

bool ShellCommands::runCommand(const QString& findText) {
    const auto word = CommandWord(findText);
    if (!word)
        return false;
    CommandBox(context_.settings, context_.store.get(), context_.dataFolder, commandActions())
        .RunCommand(*word);
    return true;
}

CommandActions ShellCommands::commandActions() {
    return {[this](const QString& text) { inform(text); },
            [this](const QString& ref, const QString& lines) {
                window_.chapterView().showQuotation(ref, lines);
            },
            [this] { quit_(); }, [this] { return random_(); }};
}

void ShellCommands::inform(const QString& text) {
    context_.dialogs.message(text, platform::MessageButtons::Ok, platform::MessageIcon::None,
                             platform::kProductName);
}

void ShellCommands::showTips() {
    if (!tips_) {
        const QString file = FindTipsFile(context_.programFolder, context_.dataFolder);
        tips_ = std::make_unique<TipsWindow>(context_.settings, TipList::LoadTips(file), random_(),
                                             &window_);
        connect(tips_.get(), &TipsWindow::tipsAtStartChanged, this,
                [this](bool show) { window_.options().set(Option::TipsAtStart, show); });
    }
    tips_->prepare(window_.models().look.fontName());
    tips_->show();
    tips_->raise();
}

void ShellCommands::showHelp() {
    const QString guide = FindHelpFile(context_.dataFolder, context_.programFolder);
    if (guide.isEmpty())
        inform(MissingHelpMessage(context_.programFolder));
    else if (!openUrl_(QUrl::fromLocalFile(guide)))
        inform(HelpNotOpenedMessage(guide));
}

void ShellCommands::showAbout() {
    if (!about_)
        about_ = std::make_unique<AboutWindow>(context_.dialogs, context_.store.get(), &window_);
    about_->show();
    about_->raise();
}

void ShellCommands::showInfo(const QString& topic) {
    if (!info_)
        info_ = std::make_unique<InfoWindow>(context_.settings, context_.store.get(), &window_);
    info_->showTopic(topic);
}

} // namespace reader
