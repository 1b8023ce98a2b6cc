#pragma once

class QCoreApplication;
class QTranslator;

namespace platform {

// Installs the Indonesian translation of the Qt texts the programs show (message-box
// buttons, the file, font, colour and print dialogs, text context menus, the usage text and
// refusals of QCommandLineParser), which Qt itself does not ship. A plain QCoreApplication
// will do, so options can be read in Indonesian before any display is reached. The
// translator belongs to app; nullptr when the translation is missing.
QTranslator* InstallIndonesianQtTranslation(QCoreApplication& app);

} // namespace platform
