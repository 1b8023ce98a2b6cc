#pragma once

#include <QString>

namespace platform {

class Dialogs;

// The folder browser titled "Pilih lokasi database Vermara"; empty when cancelled.
QString BrowseForFolder(Dialogs& dialogs);

} // namespace platform
