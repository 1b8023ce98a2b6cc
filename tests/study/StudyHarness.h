#pragma once

#include "platform/ScriptedDialogs.h"
#include "store/Store.h"
#include "store/StoreWriter.h"
#include "study/StudyWindows.h"
#include "support/FixtureStore.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

// The study windows on a fixture store, with scripted dialogs and their own data and
// program folders. Rows added before open() go into the fixture.
class StudyHarness {
public:
    explicit StudyHarness(const fixture::Options& options = {});

    void add(const QString& table, const store::StoreWriter::Row& row);
    study::StudyWindows& open();

    QString dataFolder() const { return dir.filePath(QStringLiteral("data/")); }
    QString programFolder() const { return dir.filePath(QStringLiteral("program")); }

    QTemporaryDir dir;
    QString storePath;
    platform::ScriptedDialogs dialogs;
    const QWidget* mainStatusBar = nullptr; // set before open()
    std::unique_ptr<store::Store> store;
    std::unique_ptr<study::StudyWindows> windows;
};

template <typename T> T* Find(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QStringList Items(const QListWidget* list);
// Opens a view's pop-up menu as a right click does and returns it.
QMenu* RightClick(QTextEdit* view, const char* menuName);
// Waits until the window is shown and active.
void Activate(QWidget& window);
