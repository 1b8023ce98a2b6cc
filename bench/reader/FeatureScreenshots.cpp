// Saves the main window after a reference typed into "Buka Ayat" (Ctrl+L), the same with a
// reference it did not understand, and the commentary window beside it, on the sample store.
// Usage: feature_screenshots REFERENCE_PNG PROBLEM_PNG COMMENTARY_PNG [STORE]
#include "platform/ScriptedDialogs.h"
#include "reader/MainWindow.h"
#include "reader/ReaderApp.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

// Ctrl+L, the reference typed key by key, and Enter, as a user does it.
void TypeReference(reader::MainWindow& window, const QString& reference) {
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), reference);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(300);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(
            stderr,
            "usage: feature_screenshots REFERENCE_PNG PROBLEM_PNG COMMENTARY_PNG [STORE]\n");
        return 2;
    }
    const QString storePath =
        argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("build/bin/VERMARA2000.DAT");
    QTemporaryDir dir;
    platform::ScriptedDialogs dialogs;
    reader::ReaderApp reader(dialogs, dir.filePath(QStringLiteral("settings.ini")),
                             {dir.path(), dir.path(), dir.path(), dir.path()});
    if (!reader.start(storePath) || !reader.context().store)
        return 1;
    reader::MainWindow& window = reader.window();
    window.resize(900, 640);
    window.show();
    QTest::qWait(500);
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 1;

    TypeReference(window, QStringLiteral("Mzm 119:105"));
    const bool referenceSaved = window.grab().save(QString::fromLocal8Bit(argv[1]));
    TypeReference(window, QStringLiteral("Mzm 151"));
    const bool problemSaved = window.grab().save(QString::fromLocal8Bit(argv[2]));

    TypeReference(window, QStringLiteral("Yoh 3:16"));
    window.execute(reader::ReaderCommand::Commentary);
    QTest::qWait(300);
    QWidget* commentary = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("FormTafsiran"))
            commentary = top;
    }
    const bool commentarySaved =
        commentary && commentary->grab().save(QString::fromLocal8Bit(argv[3]));
    std::printf("%s\n%s\n%s\n", argv[1], argv[2], argv[3]);
    return referenceSaved && problemSaved && commentarySaved ? 0 : 1;
}
