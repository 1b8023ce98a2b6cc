#include "customizer/CommandLine.h"
#include "customizer/CustomizerTexts.h"
#include "customizer/CustomizerWindow.h"
#include "platform/Display.h"
#include "platform/Folders.h"
#include "platform/QtDialogs.h"
#include "platform/QtTranslation.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    // The command-line build must run where there is no display, so it is recognised
    // before any GUI object exists.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (customizer::IsCommandLineBuild(arguments)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("versipack"));
        platform::InstallIndonesianQtTranslation(app);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return customizer::RunCommandLine(arguments, out, err);
    }
    // Without a display Qt would abort with a message of its own; say it in one line.
    if (!platform::HasDisplay(arguments)) {
        QTextStream(stderr) << customizer::texts::NoDisplay() << Qt::endl;
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("versipack"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vermara Database Customizer"));
    platform::InstallIndonesianQtTranslation(app);
    platform::QtDialogs dialogs;
    platform::SettingsStore settings(platform::SettingsStore::DefaultFilePath());
    customizer::CustomizerWindow window(dialogs, settings, platform::ProgramFolder());
    dialogs.setParentWidget(&window);
    window.show();
    return QApplication::exec();
}
