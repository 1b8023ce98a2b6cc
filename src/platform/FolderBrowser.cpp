#include "platform/FolderBrowser.h"

#include "platform/Dialogs.h"
#include "platform/ProductName.h"

namespace platform {

QString BrowseForFolder(Dialogs& dialogs) {
    return dialogs.chooseFolder(QStringLiteral("Pilih lokasi database ") + kProductName);
}

} // namespace platform
