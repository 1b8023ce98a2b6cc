// Saves the tips, about and information windows on a store: shell_screenshots STORE OUTFOLDER.
// The tips file is the one beside the store, as the store builder leaves it.
#include "platform/ScriptedDialogs.h"
#include "platform/SettingsStore.h"
#include "reader/AboutWindow.h"
#include "reader/InfoWindow.h"
#include "reader/ReaderSettings.h"
#include "reader/TipList.h"
#include "reader/TipsWindow.h"
#include "store/Store.h"
#include "support/WindowPicture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: shell_screenshots STORE OUTFOLDER\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString folder = QFileInfo(path).absolutePath();
    QTemporaryDir home;
    platform::SettingsStore settingsStore(home.filePath(QStringLiteral("settings.ini")));
    reader::ReaderSettings settings(settingsStore, folder);
    platform::ScriptedDialogs dialogs;
    const auto store = store::Store::Open(path);

    reader::TipsWindow tips(settings,
                            reader::TipList::LoadTips(reader::FindTipsFile(folder, folder)), 0.0);
    tips.prepare(QStringLiteral("Times New Roman"));
    bool ok = bench::SaveWindowPicture(tips, out.filePath(QStringLiteral("tips.png")));
    reader::AboutWindow about(dialogs, store.get());
    ok &= bench::SaveWindowPicture(about, out.filePath(QStringLiteral("about.png")));
    reader::InfoWindow info(settings, store.get());
    info.showTopic(QStringLiteral("Etika"));
    ok &= bench::SaveWindowPicture(info, out.filePath(QStringLiteral("info-window.png")));
    return ok ? 0 : 1;
}
