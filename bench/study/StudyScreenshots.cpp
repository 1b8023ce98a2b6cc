// Saves a picture of every study window on a store: study_screenshots STORE OUTFOLDER.
// The data folder and the program folder are the store's folder, as in an installation.
#include "platform/ScriptedDialogs.h"
#include "store/Store.h"
#include "study/DeuteroWindow.h"
#include "study/DictionaryWindow.h"
#include "study/MapsWindow.h"
#include "study/ParablesWindow.h"
#include "study/ProphecyWindow.h"
#include "study/StudyWindows.h"
#include "study/ThematicWindow.h"
#include "support/WindowPicture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: study_screenshots STORE OUTFOLDER\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString folder = QFileInfo(path).absolutePath() + u'/';
    platform::ScriptedDialogs dialogs;
    const auto store = store::Store::Open(path);
    study::StudyWindows windows({*store, dialogs, folder, folder, {}, nullptr});
    // Every study window is pictured at one size.
    const auto Save = [](QWidget& window, const QString& file) {
        window.resize(1000, 560);
        return bench::SaveWindowPicture(window, file);
    };

    bool ok = Save(windows.parables(), out.filePath(QStringLiteral("study-parables.png")));
    ok &= Save(windows.prophecies(), out.filePath(QStringLiteral("study-prophecies.png")));
    windows.dictionary().showFor(QStringLiteral("Jerusa"));
    ok &= Save(windows.dictionary(), out.filePath(QStringLiteral("study-dictionary.png")));
    ok &= Save(windows.thematic(), out.filePath(QStringLiteral("study-thematic.png")));
    ok &= Save(windows.maps(), out.filePath(QStringLiteral("study-maps.png")));
    windows.deutero().ShowDeutero(1);
    ok &= Save(windows.deutero(), out.filePath(QStringLiteral("study-deuterocanon.png")));
    return ok && dialogs.messages().isEmpty() ? 0 : 1;
}
