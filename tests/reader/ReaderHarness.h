#pragma once

#include "platform/ScriptedDialogs.h"
#include "platform/SettingsStore.h"
#include "reader/AppContext.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "reader/ReaderApp.h"
#include "store/Store.h"
#include "support/FixtureStore.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

// The reader as the program composes it, on a fixture store, with scripted dialogs and its
// own settings file and folders.
class ReaderHarness {
public:
    // userDataFolder: a folder shared with another harness, as two readers of one user share
    // theirs; empty gives the harness a folder of its own.
    explicit ReaderHarness(const fixture::Options& options = {}, QString userDataFolder = {})
        : userDataFolder_(std::move(userDataFolder)) {
        storePath = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("data")), options);
        app = NewApp();
    }

    static reader::ReaderFolders FoldersIn(const QTemporaryDir& dir);

    reader::AppContext& context() const { return app->context(); }
    platform::SettingsStore& settingsStore() const { return context().settingsStore; }
    QString setting(const QString& section, const QString& key) const {
        return settingsStore().get(context().settings.installationKey(), section, key);
    }
    void setSetting(const QString& section, const QString& key, const QString& value) {
        settingsStore().set(context().settings.installationKey(), section, key, value);
    }
    // A number of section "kitab": versions, last place, parallel panel.
    void saveKitab(const char* key, int value) {
        setSetting(QStringLiteral("kitab"), QString::fromUtf8(key), QString::number(value));
    }

    // Starts the reader on the store, shows its window and waits for its first activation.
    reader::MainWindow& open() {
        EXPECT_TRUE(app->start(storePath));
        window = &app->window();
        QSignalSpy shown(window, &reader::MainWindow::firstChapterShown);
        window->show();
        EXPECT_TRUE(shown.wait(5000));
        return *window;
    }

    // A new run of the program on the same settings, folders and store, as after a restart.
    reader::MainWindow& restart() {
        window = nullptr;
        app = NewApp();
        return open();
    }

    template <typename T> T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QListWidget* list1() const { return find<QListWidget>(QStringLiteral("List1")); }
    QListWidget* list2() const { return find<QListWidget>(QStringLiteral("List2")); }
    QComboBox* combo1() const { return find<QComboBox>(QStringLiteral("Combo1")); }
    QTextEdit* rtf1() const { return find<QTextEdit>(QStringLiteral("rtf1")); }
    QTextEdit* rtf2() const { return find<QTextEdit>(QStringLiteral("rtf2")); }
    QRadioButton* option(int k) const {
        return find<QRadioButton>(QStringLiteral("Option%1").arg(k));
    }
    QString title() const;
    QAction* action(const QString& name) const;

    // The New Testament, the given book (list position) and chapter.
    void showNewTestament(int book, int chapter) {
        QTest::mouseClick(option(2), Qt::LeftButton);
        list1()->setCurrentRow(book);
        list2()->setCurrentRow(chapter - 1);
    }
    void chooseVerse(int verse) {
        combo1()->setCurrentIndex(verse - 1);
        emit combo1()->activated(verse - 1);
    }
    // A left click on the reading view at a text position.
    void clickAt(int position) {
        QTextCursor cursor(rtf1()->document());
        cursor.setPosition(position);
        const QRect rect = rtf1()->cursorRect(cursor);
        QTest::mouseClick(rtf1()->viewport(), Qt::LeftButton, {}, rect.center() + QPoint(1, 0));
    }
    QString selectedText() const {
        return rtf1()->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
    }

    QTemporaryDir dir;
    QString storePath;
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<reader::ReaderApp> app;
    reader::MainWindow* window = nullptr;

private:
    std::unique_ptr<reader::ReaderApp> NewApp() {
        reader::ReaderFolders folders = FoldersIn(dir);
        if (!userDataFolder_.isEmpty())
            folders.userDataFolder = userDataFolder_;
        return std::make_unique<reader::ReaderApp>(
            dialogs, dir.filePath(QStringLiteral("settings.ini")), folders);
    }

    QString userDataFolder_;
};
