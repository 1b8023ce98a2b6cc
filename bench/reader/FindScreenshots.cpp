// Saves the jump window of a cross reference and the main window after a find in the book,
// on the sample store, and with HISTORY_PNG the history list (Ctrl+F9) over it.
// Usage: find_screenshots JUMP_PNG FIND_PNG [STORE [HISTORY_PNG]]
#include "platform/ScriptedDialogs.h"
#include "reader/FindCommands.h"
#include "reader/JumpWindow.h"
#include "reader/MainWindow.h"
#include "reader/ReaderApp.h"
#include "reader/SearchBar.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: find_screenshots JUMP_PNG FIND_PNG [STORE [HISTORY_PNG]]\n");
        return 2;
    }
    const QString storePath =
        argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("build/bin/VERMARA2000.DAT");
    QTemporaryDir dir;
    platform::ScriptedDialogs dialogs;
    reader::ReaderApp reader(dialogs, dir.filePath(QStringLiteral("settings.ini")),
                             {dir.path(), dir.path(), dir.path(), dir.path()});
    if (!reader.start(storePath) || !reader.context().store)
        return 1;
    reader::MainWindow& window = reader.window();
    reader::FindCommands* find = reader.find();
    window.resize(900, 640);
    window.show();
    QTest::qWait(300);

    bool jumpSaved = false;
    QTimer::singleShot(200, &window, [&] {
        reader::JumpWindow& jumps = window.jumpWindow();
        jumps.list1()->setCurrentRow(0);
        jumpSaved = jumps.grab().save(QString::fromLocal8Bit(argv[1]));
        jumps.reject();
    });
    window.showCrossReferenceJump(
        QStringLiteral("5:44 -> Lukas 6:27-28, Roma 12:14, Amsal 25:21, Keluaran 23:4"));

    window.JumpLocation({QStringLiteral("Matius"), 5, 1});
    reader::SearchBar& bar = window.searchBar();
    bar.combo2()->setCurrentIndex(1);
    bar.text1()->setText(QStringLiteral("kingdom"));
    find->Find();
    find->findNext();
    bar.moveStrip(60);
    QTest::qWait(300);
    const bool findSaved = window.grab().save(QString::fromLocal8Bit(argv[2]));
    bool historySaved = true;
    if (argc > 4) {
        window.execute(reader::ReaderCommand::ToggleHistory);
        QTest::qWait(100);
        historySaved = window.grab().save(QString::fromLocal8Bit(argv[4]));
    }
    std::printf("%s\n%s\n", argv[1], argv[2]);
    return jumpSaved && findSaved && historySaved ? 0 : 1;
}
