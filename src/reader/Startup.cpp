#include "reader/Startup.h"

#include "platform/Dialogs.h"
#include "platform/ProductName.h"
#include "reader/AppContext.h"
#include "reader/SplashWindow.h"
#include "reader/StoreLocation.h"
#include "store/Store.h"

namespace reader {

Startup::Startup(AppContext& context) : context_(context) {}

Startup::~Startup() {
    context_.closeSplash = nullptr;
}

void Startup::showSplash() {
    splash_ = std::make_unique<SplashWindow>();
    splash_->showCentred();
    context_.closeSplash = [splash = splash_.get()] { splash->close(); };
}

bool Startup::openStore(const QString& commandLinePath) {
    // Neither the folder browser nor a message may open behind the splash.
    const auto hideSplash = [this] {
        if (splash_)
            splash_->hide();
    };
    const StoreLocation location = LocateStore(context_.settings, context_.dialogs,
                                               context_.programFolder, commandLinePath, hideSplash);
    if (!location.found)
        return false;
    context_.dataPath = location.dataPath;
    context_.dataFolder = location.dataFolder;
    context_.store = OpenStoreOrExplain(location.dataPath, context_.dialogs, hideSplash);
    if (context_.store) {
        platform::Dialogs& dialogs = context_.dialogs;
        context_.store->setReadFailureHandler([&dialogs](const QString& message) {
            dialogs.message(message, platform::MessageButtons::Ok, platform::MessageIcon::Critical,
                            platform::kProductName);
        });
    }
    return true;
}

} // namespace reader
