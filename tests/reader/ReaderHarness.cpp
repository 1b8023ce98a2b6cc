#include "ReaderHarness.h"

#include <QAction>
#include <QDir>
#include <QLabel>

reader::ReaderFolders ReaderHarness::FoldersIn(const QTemporaryDir& dir) {
    const reader::ReaderFolders folders{
        dir.filePath(QStringLiteral("program")), dir.filePath(QStringLiteral("tmp")),
        dir.filePath(QStringLiteral("userdata")), dir.filePath(QStringLiteral("tmp"))};
    for (const QString& folder : {folders.tempFolder, folders.userDataFolder})
        QDir().mkpath(folder);
    return folders;
}

QString ReaderHarness::title() const {
    return find<QLabel>(QStringLiteral("Label1"))->text();
}

QAction* ReaderHarness::action(const QString& name) const {
    QAction* found = window->findChild<QAction*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}
