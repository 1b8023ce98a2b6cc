#include "platform/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

struct SeenBox {
    QString text;
    QString title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = nullptr;
};

// Waits for the modal box, notes what it shows and presses the given button.
void PressWhenShown(QMessageBox::StandardButton press, SeenBox& seen, int triesLeft = 200) {
    QTimer::singleShot(10, [=, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (triesLeft > 0)
                PressWhenShown(press, seen, triesLeft - 1);
            return;
        }
        seen = {box->text(), box->windowTitle(), box->standardButtons(), box->icon(),
                box->parentWidget()};
        box->button(press)->click();
    });
}

TEST(QtDialogs, MessageShowsTextButtonsAndTitleAndReturnsTheButtonPressed) {
    QtDialogs dialogs;
    SeenBox seen;
    PressWhenShown(QMessageBox::Cancel, seen);
    EXPECT_EQ(dialogs.message("Hapus semua hasil?", MessageButtons::OkCancel, MessageIcon::Question,
                              "Vermara"),
              DialogResult::Cancel);
    EXPECT_EQ(seen.text, "Hapus semua hasil?");
    EXPECT_EQ(seen.title, "Vermara");
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(seen.icon, QMessageBox::Question);

    PressWhenShown(QMessageBox::Ok, seen);
    EXPECT_EQ(dialogs.message("Tidak ditemukan", MessageButtons::Ok, MessageIcon::Warning, "VR"),
              DialogResult::Ok);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}

TEST(QtDialogs, AMessageBelongsToTheWindowTheUserWorksInNotToTheMainWindow) {
    QWidget main;
    QWidget results;
    QtDialogs dialogs(&main);
    main.show();
    results.show();
    results.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
    SeenBox seen;
    PressWhenShown(QMessageBox::Ok, seen);
    dialogs.message("Cetak?", MessageButtons::OkCancel, MessageIcon::Question, "Vermara");
    EXPECT_EQ(seen.owner, &results);
    // With no window of the program active, the main window owns it.
    results.hide();
    main.hide();
    PressWhenShown(QMessageBox::Ok, seen);
    dialogs.message("Selesai", MessageButtons::Ok, MessageIcon::None, "Vermara");
    EXPECT_EQ(seen.owner, &main);
}

// Notes the folder the file dialog starts in, then chooses the file (or cancels without one).
void ChooseFileWhenShown(const QString& file, QString& startedIn, int triesLeft = 200) {
    QTimer::singleShot(10, [=, &startedIn] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (triesLeft > 0)
                ChooseFileWhenShown(file, startedIn, triesLeft - 1);
            return;
        }
        startedIn = dialog->directory().absolutePath();
        if (file.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

TEST(QtDialogs, FilesStartInTheDocumentsFolderThenWhereTheLastOneWas) {
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    const QString documents = config.absoluteFilePath(QStringLiteral("../Dokumen"));
    ASSERT_TRUE(QDir().mkpath(documents));
    QFile dirs(config.filePath(QStringLiteral("user-dirs.dirs")));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"" + QDir(documents).absolutePath().toUtf8() + "\"\n");
    dirs.close();
    QTemporaryDir other;
    QtDialogs dialogs;
    QString startedIn;
    ChooseFileWhenShown(other.filePath(QStringLiteral("clipbook.txt")), startedIn);
    EXPECT_EQ(dialogs.saveFile("Simpan file", "Text (*.txt)"),
              other.filePath(QStringLiteral("clipbook.txt")));
    EXPECT_EQ(startedIn, QDir(documents).absolutePath());
    ChooseFileWhenShown({}, startedIn);
    EXPECT_TRUE(dialogs.openFile("Buka File", "Text (*.txt)").isEmpty());
    EXPECT_EQ(startedIn, QDir(other.path()).absolutePath());
    dirs.remove();
}

} // namespace
