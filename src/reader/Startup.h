#pragma once

#include <QString>
#include <memory>

namespace reader {

struct AppContext;
class SplashWindow;

// The reader's start-up before its main window: the splash, then the data file found, the
// setting "Location" written and the store opened. The main window's loading and first
// activation follow; the first activation closes the splash.
class Startup {
public:
    explicit Startup(AppContext& context);
    ~Startup();

    // Shows the splash window, drawn once.
    void showSplash();
    // False when no data file was found (the program must end); a store that cannot be
    // opened was explained and leaves context.store null.
    bool openStore(const QString& commandLinePath);

    SplashWindow* splash() const { return splash_.get(); }

private:
    AppContext& context_;
    std::unique_ptr<SplashWindow> splash_;
};

} // namespace reader
