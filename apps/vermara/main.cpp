#include "platform/QtDialogs.h"
#include "platform/QtTranslation.h"
#include "reader/MainWindow.h"
#include "reader/ReaderApp.h"
#include "reader/ReaderCommandLine.h"
#include "search/CommandLineSearch.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (search::IsCommandLineSearch(argc, argv))
        return search::RunCommandLineSearch(argc, argv);
    const reader::ReaderCommandLine options = reader::ParseReaderCommandLine(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vermara"));
    platform::InstallIndonesianQtTranslation(app);
    platform::QtDialogs dialogs;
    reader::ReaderApp reader(dialogs, reader::ReaderApp::UserSettingsFile(),
                             reader::ReaderApp::UserFolders());
    if (!reader.start(options.dataPath))
        return 1;
    if (!options.screenshot.isEmpty())
        reader.screenshotWhenShown(options);
    reader.window().show();
    return QApplication::exec();
}
