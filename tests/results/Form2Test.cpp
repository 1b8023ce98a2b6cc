#include "results/Form2.h"

#include "platform/AnsiCodePage.h"
#include "platform/ReadingLook.h"
#include "platform/ScriptedDialogs.h"
#include "results/HighlightWord.h"
#include "support/WriteFailures.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace results;

namespace {

class Form2Test : public testing::Test {
protected:
    template <typename T> T* child(const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QTextCharFormat formatAt(QTextEdit* view, int pos) {
        QTextCursor cursor(view->document());
        cursor.setPosition(pos + 1);
        return cursor.charFormat();
    }
    bool boldAt(QTextEdit* view, int pos) {
        return formatAt(view, pos).fontWeight() >= QFont::Bold;
    }
    QColor colorAt(QTextEdit* view, int pos) { return formatAt(view, pos).foreground().color(); }
    void highlight(const QString& word, bool exact) {
        child<QLineEdit>("Text1")->setText(word);
        child<QCheckBox>("Check1")->setChecked(exact);
        QTest::mouseClick(child<QPushButton>("Command8"), Qt::LeftButton);
    }
    search::ResultListEntry entry(const QString& name, const QString& text) {
        const QString file = temp.filePath(name);
        platform::WriteTextFile(file, text);
        return {name, file, QStringLiteral("ringkasan ") + name};
    }

    QTemporaryDir temp;
    platform::ScriptedDialogs dialogs;
    platform::ReadingLook look;
    Form2 window{dialogs, look};
};

TEST_F(Form2Test, EachModeShowsItsPageToolsAndCaption) {
    window.show();
    auto* tabs = child<QTabBar>("SSTab1");
    auto* frame1 = child<QWidget>("Frame1");
    auto* frame2 = child<QWidget>("Frame2");
    window.setVarLabel(results::ResultsPage::Daftar);
    window.SwitchWindow();
    EXPECT_FALSE(window.rt1()->isVisible());
    EXPECT_FALSE(window.rt2()->isVisible());
    EXPECT_FALSE(frame1->isVisible());
    EXPECT_TRUE(frame2->isVisible());
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("jendela Daftar Hasil"));
    EXPECT_TRUE(child<QLabel>("Picture2")->pixmap().isNull());

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(window.mode(), results::ResultsPage::ClipBook);
    EXPECT_TRUE(window.rt2()->isVisible());
    EXPECT_FALSE(window.rt1()->isVisible());
    EXPECT_TRUE(frame1->isVisible());
    EXPECT_FALSE(frame2->isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Jendela ClipBook"));
    EXPECT_FALSE(child<QLabel>("Picture2")->pixmap().isNull());

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_TRUE(window.rt1()->isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Jendela Hasil Pencarian"));
    EXPECT_EQ(window.mode(), results::ResultsPage::Cari);
}

TEST_F(Form2Test, HighlightMarksEveryCaseBoldAndColoursOnlyExactMatches) {
    window.show();
    window.rt1()->setPlainText(QStringLiteral("Kasih dan kasih"));
    highlight(QStringLiteral("kasih"), false);
    EXPECT_TRUE(boldAt(window.rt1(), 0));
    EXPECT_TRUE(boldAt(window.rt1(), 14));
    EXPECT_FALSE(boldAt(window.rt1(), 6));
    EXPECT_EQ(colorAt(window.rt1(), 10), QColor(Qt::black));

    window.rt1()->setPlainText(QStringLiteral("Kasih dan kasih"));
    highlight(QStringLiteral("kasih"), true);
    EXPECT_TRUE(boldAt(window.rt1(), 0));
    EXPECT_EQ(colorAt(window.rt1(), 0), QColor(Qt::black));
    EXPECT_EQ(colorAt(window.rt1(), 10), QColor(0, 0, 255));
    EXPECT_EQ(child<QPushButton>("Command8")->text(), QStringLiteral("Highlight"));
}

TEST_F(Form2Test, HighlightPassesOverAMatchRightAfterThePreviousOne) {
    window.rt1()->setPlainText(QStringLiteral("kasihkasih kasih''"));
    EXPECT_EQ(HighlightWord(*window.rt1(), QStringLiteral("kasih"), false, nullptr), 2);
    EXPECT_TRUE(boldAt(window.rt1(), 0));
    EXPECT_FALSE(boldAt(window.rt1(), 5));
    EXPECT_TRUE(boldAt(window.rt1(), 11));
    window.rt1()->setPlainText(QStringLiteral("it's"));
    EXPECT_EQ(HighlightWord(*window.rt1(), QStringLiteral("it''s"), false, nullptr), 1);
    EXPECT_EQ(HighlightWord(*window.rt1(), QString(), false, nullptr), 0);
}

TEST_F(Form2Test, StopButtonEndsHighlightingAndKeepsWhatIsMarked) {
    window.show();
    window.rt1()->setPlainText(QStringLiteral("kasih ").repeated(60000));
    auto* button = child<QPushButton>("Command8");
    QTimer::singleShot(0, button, [button] {
        if (button->text() == QStringLiteral("Stop"))
            QTest::mouseClick(button, Qt::LeftButton);
    });
    highlight(QStringLiteral("kasih"), false);
    EXPECT_EQ(button->text(), QStringLiteral("Highlight"));
    EXPECT_TRUE(boldAt(window.rt1(), 0));
    EXPECT_FALSE(boldAt(window.rt1(), 6 * 59999));
}

TEST_F(Form2Test, RemovingHighlightDropsFormatsAndKeepsTheCaret) {
    window.show();
    window.rt1()->setPlainText(QStringLiteral("Kasih dan kasih"));
    highlight(QStringLiteral("kasih"), true);
    QTextCursor caret = window.rt1()->textCursor();
    caret.setPosition(7);
    window.rt1()->setTextCursor(caret);
    QTest::mouseClick(child<QToolButton>("Command4"), Qt::LeftButton);
    EXPECT_FALSE(boldAt(window.rt1(), 0));
    EXPECT_FALSE(boldAt(window.rt1(), 10));
    EXPECT_EQ(window.rt1()->toPlainText(), QStringLiteral("Kasih dan kasih"));
    EXPECT_EQ(window.rt1()->textCursor().position(), 7);
}

TEST_F(Form2Test, ASaveCutShortByAFullDiskIsReportedAndKeepsTheOldFile) {
    window.show();
    window.rt1()->setPlainText(QStringLiteral("5:44 Kasihilah musuhmu. ").repeated(100));
    highlight(QStringLiteral("kasih"), false);
    const QString folder = temp.filePath(QStringLiteral("simpan"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& name : {QStringLiteral("hasil.rtf"), QStringLiteral("hasil.txt")}) {
        SCOPED_TRACE(name.toStdString());
        const QString file = folder + u'/' + name;
        dialogs.queueFile(file);
        QTest::mouseClick(child<QToolButton>("Command2"), Qt::LeftButton);
        const qint64 size = QFileInfo(file).size();
        ASSERT_GE(size, 2400);
        ASSERT_TRUE(QFile::remove(file));
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("isi lama");
        old.close();
        support::ExpectEveryCutReportedAndFolderKept(folder, size, [&] {
            const qsizetype before = dialogs.messages().size();
            dialogs.queueFile(file);
            QTest::mouseClick(child<QToolButton>("Command2"), Qt::LeftButton);
            if (dialogs.messages().size() == before)
                return true;
            EXPECT_EQ(dialogs.messages().back().text,
                      QStringLiteral("File tidak dapat disimpan: ") + file);
            return false;
        });
        ASSERT_TRUE(QFile::remove(file));
    }
}

TEST_F(Form2Test, SavesRichTextByExtensionInAnyCaseAndOpensItAgain) {
    window.show();
    window.rt1()->setPlainText(QStringLiteral("Matius 5\n5:44 Kasihilah musuhmu."));
    highlight(QStringLiteral("kasih"), false);
    const QString rtf = temp.filePath(QStringLiteral("hasil.RTF"));
    const QString txt = temp.filePath(QStringLiteral("hasil.txt"));
    dialogs.queueFile(rtf);
    dialogs.queueFile(txt);
    QTest::mouseClick(child<QToolButton>("Command2"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(dialogs.requests(), QStringList({"Simpan file", "Simpan file"}));
    QFile saved(rtf);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("{\\rtf1"));
    EXPECT_EQ(platform::ReadTextFile(txt), QStringLiteral("Matius 5\r\n5:44 Kasihilah musuhmu."));

    window.showMode(results::ResultsPage::ClipBook);
    dialogs.queueFile(rtf);
    QTest::mouseClick(child<QToolButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(window.rt2()->toPlainText(), QStringLiteral("Matius 5\n5:44 Kasihilah musuhmu."));
    EXPECT_TRUE(boldAt(window.rt2(), 14));
    EXPECT_FALSE(boldAt(window.rt2(), 20));

    QTest::mouseClick(child<QToolButton>("Command1"), Qt::LeftButton); // cancelled
    EXPECT_EQ(window.rt2()->toPlainText(), QStringLiteral("Matius 5\n5:44 Kasihilah musuhmu."));
}

TEST_F(Form2Test, PrintsToThePrinterAfterAskingAndNotWhenCancelled) {
    window.show();
    window.rt1()->setPlainText(QStringLiteral("5:44 Kasihilah musuhmu.\n").repeated(200));
    const QString pdf = temp.filePath(QStringLiteral("cetak.pdf"));
    window.setPrinterSetup([pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    dialogs.queueAnswer(platform::DialogResult::Cancel);
    QTest::mouseClick(child<QToolButton>("Command3"), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(pdf));
    QTest::mouseClick(child<QToolButton>("Command3"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Cetak teks di Window hasil pencarian ?"));
    EXPECT_EQ(dialogs.messages()[0].buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(dialogs.messages()[0].icon, platform::MessageIcon::Question);
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray bytes = printed.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page "),
              2);

    window.showMode(results::ResultsPage::ClipBook);
    dialogs.queueAnswer(platform::DialogResult::Cancel);
    QTest::mouseClick(child<QToolButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages().last().text, QStringLiteral("Cetak teks di ClipBook ?"));
}

TEST_F(Form2Test, ResultListShowsSummaryOpensFileAndDeletesEntries) {
    const auto first = entry(QStringLiteral("satu"), QStringLiteral("Hasil satu\r\nbaris"));
    const auto second = entry(QStringLiteral("dua"), QStringLiteral("Hasil dua"));
    window.AddResultListEntry(first);
    window.AddResultListEntry(second);
    window.showMode(results::ResultsPage::Daftar);
    auto* list = child<QListWidget>("List1");
    auto* summary = child<QLabel>("lblKeterangan");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(summary->text(), QStringLiteral("ringkasan satu"));
    QTest::mouseClick(child<QPushButton>("cmdShow"), Qt::LeftButton);
    EXPECT_EQ(window.mode(), results::ResultsPage::Cari);
    EXPECT_EQ(window.rt1()->toPlainText(), QStringLiteral("Hasil satu\nbaris"));

    window.showMode(results::ResultsPage::Daftar);
    list->setCurrentRow(1);
    const QPoint at = list->visualItemRect(list->item(1)).center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &menuEvent);
    auto* menu = window.findChild<QMenu*>(QStringLiteral("menuTemp"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().first()->text(), QStringLiteral("Hapus \"dua\""));
    menu->hide();
    menu->actions().first()->trigger();
    EXPECT_EQ(list->count(), 1);
    EXPECT_FALSE(QFile::exists(second.file));
    EXPECT_TRUE(summary->text().isEmpty());

    dialogs.queueAnswer(platform::DialogResult::Cancel);
    QTest::mouseClick(child<QPushButton>("cmdClear"), Qt::LeftButton);
    EXPECT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    menu->actions().first()->trigger();
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(window.resultList().empty());
    EXPECT_TRUE(summary->text().isEmpty());
    EXPECT_FALSE(QFile::exists(first.file));
    EXPECT_EQ(dialogs.messages().last().text, QStringLiteral("Hapus daftar pencarian ?"));
}

TEST_F(Form2Test, ClearingTheListDeletesEveryFileAfterTheQuestion) {
    const auto only = entry(QStringLiteral("satu"), QStringLiteral("x"));
    window.AddResultListEntry(only);
    window.showMode(results::ResultsPage::Daftar);
    QTest::mouseClick(child<QPushButton>("cmdClear"), Qt::LeftButton);
    EXPECT_EQ(child<QListWidget>("List1")->count(), 0);
    EXPECT_FALSE(QFile::exists(only.file));
}

TEST_F(Form2Test, ClosingHidesTheWindowAndKeepsItsTexts) {
    window.showMode(results::ResultsPage::Cari);
    window.rt1()->setPlainText(QStringLiteral("hasil"));
    window.rt2()->setPlainText(QStringLiteral("klip"));
    EXPECT_FALSE(window.close());
    EXPECT_FALSE(window.isVisible());
    window.showMode(results::ResultsPage::ClipBook);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.rt1()->toPlainText(), QStringLiteral("hasil"));
    EXPECT_EQ(window.rt2()->toPlainText(), QStringLiteral("klip"));
}

TEST_F(Form2Test, ColourDialogChangesTheHighlightColour) {
    dialogs.queueColor(0x00ff00);
    QTest::mouseClick(child<QToolButton>("PicClr"), Qt::LeftButton);
    EXPECT_EQ(window.highlightColor(), QColor(0, 255, 0));
    QTest::mouseClick(child<QToolButton>("PicClr"), Qt::LeftButton); // cancelled
    EXPECT_EQ(window.highlightColor(), QColor(0, 255, 0));
}

TEST_F(Form2Test, DoubleClickOnAVerseLineOffersItsLocationKey) {
    window.show();
    window.rt1()->setPlainText(QStringLiteral("judul\n\n\nMatius 5\n5:44 Kasihilah musuhmu."));
    QSignalSpy chosen(&window, &Form2::referenceChosen);
    QTextCursor cursor(window.rt1()->document()->findBlockByNumber(4));
    const QPoint point = window.rt1()->cursorRect(cursor).center() + QPoint(20, 0);
    QTest::mouseDClick(window.rt1()->viewport(), Qt::LeftButton, {}, point);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].value<scripture::LocationKey>(),
              (scripture::LocationKey{QStringLiteral("Matius"), 5, 44}));
}

} // namespace

namespace {

TEST_F(Form2Test, TheKeyboardChangesThePageAndWorksTheListOfKeptSearches) {
    window.show();
    auto* tabs = child<QTabBar>("SSTab1");
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(window.mode(), results::ResultsPage::ClipBook);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Jendela ClipBook"));
    EXPECT_TRUE(window.rt2()->isVisible());
    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(window.mode(), results::ResultsPage::Daftar);
    EXPECT_TRUE(child<QWidget>("Frame2")->isVisible());

    window.AddResultListEntry(entry(QStringLiteral("~vr1.tmp"), QStringLiteral("kasih")));
    window.AddResultListEntry(entry(QStringLiteral("~vr2.tmp"), QStringLiteral("damai")));
    auto* list = child<QListWidget>("List1");
    list->setFocus();
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(window.mode(), results::ResultsPage::Cari);
    EXPECT_EQ(window.rt1()->toPlainText(), QStringLiteral("damai"));

    window.showMode(results::ResultsPage::Daftar);
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_FALSE(QFile::exists(temp.filePath(QStringLiteral("~vr1.tmp"))));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("~vr2.tmp"));
}

} // namespace
