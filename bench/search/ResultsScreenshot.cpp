// Saves docs/results-window.png: the results window after a whole-Bible search for "love" on
// the sample store, with "love" highlighted. Usage: results_screenshot FILE [STORE]
#include "platform/ProductName.h"
#include "platform/ReadingLook.h"
#include "platform/ScriptedDialogs.h"
#include "results/Form2.h"
#include "results/SearchRunner.h"
#include "search/CommandLineSearch.h"
#include "search/SearchEngine.h"
#include "store/Store.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: results_screenshot FILE [STORE]\n");
        return 2;
    }
    const QString storePath =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("build/bin/VERMARA2000.DAT");
    const std::unique_ptr<store::Store> store = store::Store::Open(storePath);
    QTemporaryDir temp;
    platform::ScriptedDialogs dialogs;
    platform::ReadingLook look;
    results::Form2 window(dialogs, look);
    search::SearchEngine engine(*store, temp.path());
    results::SearchRunner runner(engine, window, dialogs);
    const store::VersionRow& version = store->versions().front();
    search::SearchRequest request;
    request.text = QStringLiteral("love");
    request.column = version.namaTabel;
    request.versionName = version.namaVersi;
    request.caption = platform::MainWindowCaption(version.hakCipta);
    request.optimal = true;
    runner.CariSemua(request);
    window.resize(900, 640);
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("love"));
    window.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command8")), Qt::LeftButton);
    QTest::qWait(300);
    const bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
    std::printf("%s\n", argv[1]);
    return saved ? 0 : 1;
}
