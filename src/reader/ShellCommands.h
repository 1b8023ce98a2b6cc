#pragma once

#include "reader/CommandBox.h"
#include "reader/ReaderCommand.h"

#include <QObject>
#include <QUrl>
#include <functional>
#include <memory>

namespace reader {

struct AppContext;
class AboutWindow;
class InfoWindow;
class MainWindow;
class TipsWindow;

// The shell's commands of the main window: tips, help, about, the information window and the
// find box's command words. Its windows are made on first use.
class ShellCommands : public QObject {
    Q_OBJECT
public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    ShellCommands(MainWindow& window, AppContext& context);
    ~ShellCommands() override;

    // The desktop's viewer by default; tests see the URL instead.
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }
    // Ends the program at once by default; tests watch it instead.
    void setQuit(std::function<void()> quit) { quit_ = std::move(quit); }
    void setRandom(std::function<double()> random) { random_ = std::move(random); }

    // RunCommand for a find text beginning with two backslashes; false for any other text.
    bool runCommand(const QString& findText);
    void showTips();
    void showHelp();
    void showAbout();
    void showInfo(const QString& topic);

    TipsWindow* tipsWindow() const { return tips_.get(); }
    InfoWindow* infoWindow() const { return info_.get(); }
    AboutWindow* aboutWindow() const { return about_.get(); }

private:
    CommandActions commandActions();
    void inform(const QString& text);

    MainWindow& window_;
    AppContext& context_;
    UrlOpener openUrl_;
    std::function<void()> quit_;
    std::function<double()> random_;
    std::unique_ptr<TipsWindow> tips_;
    std::unique_ptr<InfoWindow> info_;
    std::unique_ptr<AboutWindow> about_;
};

} // namespace reader
