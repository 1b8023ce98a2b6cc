#include "reader/ClipBookCommands.h"

#include "ReaderHarness.h"
#include "reader/MainMenus.h"
#include "reader/SearchCommands.h"
#include "results/Form2.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

namespace {

const QString kVerse1 =
    QStringLiteral("5:1 Ketika Yesus melihat orang banyak itu, naiklah Ia ke atas bukit.");

// The reader with its search and ClipBook commands, on Matius 5.
struct ClipBookHarness : ReaderHarness {
    ClipBookHarness() {
        open();
        search = app->search();
        clipBook = app->clipBook();
        showNewTestament(0, 5);
    }
    void trigger(const char* name) { action(QString::fromUtf8(name))->trigger(); }
    QString clipBookText() const { return search->resultsWindow().rt2()->toPlainText(); }
    void select(int start, int end) {
        QTextCursor cursor(rtf1()->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        rtf1()->setTextCursor(cursor);
    }

    reader::SearchCommands* search;
    reader::ClipBookCommands* clipBook;
};

} // namespace

TEST(ClipBook, VersesCollectInOrderEachEndingInTwoLineBreaks) {
    ClipBookHarness h;
    h.clickAt(2);
    h.trigger("MenuPilihAyat");
    h.trigger("MenuCopyClipBook");
    h.chooseVerse(44);
    h.trigger("MenuCopyClipBook");
    EXPECT_EQ(h.clipBookText(),
              QStringLiteral("Matius ") + kVerse1 + QStringLiteral("\n\n\nMatius ") +
                  QStringLiteral("5:44 Tetapi Aku berkata kepadamu: Kasihilah musuhmu.\n\n\n"));
    // Collecting does not bring the results window up.
    EXPECT_FALSE(h.search->resultsWindow().isVisible());
}

TEST(ClipBook, NothingSelectedAppendsTheLabelAndTheLineBreaks) {
    ClipBookHarness h;
    h.clickAt(3);
    h.trigger("MenuCopyClipBook");
    EXPECT_EQ(h.clipBookText(), QStringLiteral("Matius \n\n"));
}

TEST(ClipBook, ASelectionIsTakenExactlyFromTheStartOrFromTheMiddle) {
    ClipBookHarness h;
    h.select(0, 3);
    h.trigger("MenuCopyClipBook");
    h.select(4, 10);
    h.trigger("MenuCopyClipBook");
    EXPECT_EQ(h.clipBookText(), QStringLiteral("Matius 5:1\n\nMatius Ketika\n\n"));
}

TEST(ClipBook, EntriesFollowWhatTheUserWroteInTheClipBook) {
    ClipBookHarness h;
    QTextEdit* rt2 = h.search->resultsWindow().rt2();
    rt2->setPlainText(QStringLiteral("Catatan saya"));
    h.select(0, 3);
    h.trigger("MenuCopyClipBook");
    EXPECT_EQ(h.clipBookText(), QStringLiteral("Catatan sayaMatius 5:1\n\n"));
}

TEST(ClipBook, SelectAllThenCopyPutsTheWholeChapterAndOneLineBreakOnTheClipboard) {
    ClipBookHarness h;
    QApplication::clipboard()->setText(QStringLiteral("lama"));
    h.trigger("MenuPilihSemua");
    h.trigger("menuCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), h.rtf1()->toPlainText() + u'\n');
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(kVerse1));
}

TEST(ClipBook, TheParallelPanelCopiesItsOwnSelection) {
    ClipBookHarness h;
    h.clickAt(2);
    const QString parallel = h.rtf2()->toPlainText();
    ASSERT_FALSE(parallel.isEmpty());
    h.trigger("menuPadananPilihSemua");
    h.trigger("menuCopyPadanan");
    EXPECT_EQ(h.clipBookText(), QStringLiteral("Matius ") + parallel + QStringLiteral("\n\n"));
}

TEST(ClipBook, ACallerWithoutALabelIsLabelledWithTheChosenBook) {
    ClipBookHarness h;
    h.select(0, 3);
    h.clipBook->CopyToClipBook(h.rtf1(), QStringLiteral(" -- "));
    h.clipBook->CopyToClipBook(h.rtf1(), QStringLiteral("Awal "), QString());
    EXPECT_EQ(h.clipBookText(), QStringLiteral("Matius -- 5:1\n\nAwal 5:1\n\n"));
}
