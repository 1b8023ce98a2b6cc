#include "reader/ReaderCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace reader {

ReaderCommandLine ParseReaderCommandLine(int argc, char** argv) {
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Data file or folder to open."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the main window as PNG and quit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption parallel(
        QStringLiteral("parallel"), QStringLiteral("With --screenshot: show the parallel panel."));
    const QCommandLineOption textOnly(QStringLiteral("text-only"),
                                      QStringLiteral("With --screenshot: the text-only view."));
    parser.addOptions({data, screenshot, parallel, textOnly});
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vermara"));
    parser.process(core);
    return {parser.value(data), parser.value(screenshot), parser.isSet(parallel),
            parser.isSet(textOnly)};
}

} // namespace reader
