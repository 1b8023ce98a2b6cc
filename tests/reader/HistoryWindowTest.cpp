#include "ReaderHarness.h"
#include "bookmarks/BookmarkWindow.h"
#include "reader/BookmarkCommands.h"
#include "reader/JumpWindow.h"
#include "reader/MainMenus.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

struct HistoryHarness : ReaderHarness {
    HistoryHarness() { open(); }
    QString where() const {
        const reader::Navigator& nav = window->navigator();
        return QStringLiteral("%1 %2").arg(nav.bookName()).arg(nav.chapter());
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window, Qt::Key(key), modifiers);
    }
    // Runs body while the jump window of a cross reference is open, then closes what is left.
    void whileJumpWindowOpen(const QString& caption,
                             const std::function<void(reader::JumpWindow&)>& body) {
        QTimer::singleShot(0, window, [this, body] {
            reader::JumpWindow& jumps = window->jumpWindow();
            body(jumps);
            if (jumps.isVisible())
                jumps.reject();
        });
        window->showCrossReferenceJump(caption);
    }
};

} // namespace

TEST(HistoryWindow, HistoryKeysStepThroughTheChaptersShown) {
    HistoryHarness h;
    h.key(Qt::Key_F3);
    EXPECT_EQ(h.where(), QStringLiteral("Kejadian 1"));
    EXPECT_TRUE(h.window->history().entries().isEmpty());
    h.list2()->setCurrentRow(1);
    h.showNewTestament(0, 5);
    h.chooseVerse(44);
    EXPECT_EQ(h.window->history().entries().last(), QStringLiteral("Kitab1@Matius# 5:44"));
    h.key(Qt::Key_F5);
    EXPECT_EQ(h.where(), QStringLiteral("Matius 5"));
    EXPECT_EQ(h.selectedText(),
              QStringLiteral("5:44 Tetapi Aku berkata kepadamu: Kasihilah musuhmu."));
    h.key(Qt::Key_F3);
    h.key(Qt::Key_F3);
    EXPECT_EQ(h.where(), QStringLiteral("Kejadian 2"));
    EXPECT_TRUE(h.option(1)->isChecked());
    EXPECT_EQ(h.list1()->currentRow(), 0);
    EXPECT_EQ(h.list2()->currentRow(), 1);
    h.key(Qt::Key_F4);
    EXPECT_EQ(h.where(), QStringLiteral("Matius 1"));
}

TEST(HistoryWindow, CtrlF9ShowsAndHidesTheHistoryOverTheReadingView) {
    HistoryHarness h;
    h.showNewTestament(0, 5);
    QListWidget* list = h.find<QListWidget>(QStringLiteral("ListHistory"));
    QWidget* panel = h.find<QWidget>(QStringLiteral("cmdPanel"));
    EXPECT_FALSE(list->isVisible());
    h.key(Qt::Key_F9, Qt::ControlModifier);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(panel->isVisible());
    ASSERT_EQ(list->count(), h.window->history().entries().size());
    EXPECT_EQ(list->item(list->count() - 1)->text(), QStringLiteral("Kitab1@Matius# 5:1"));
    const QPoint viewLeft = h.rtf1()->mapTo(h.window, QPoint(0, 0));
    EXPECT_GT(list->mapTo(h.window, QPoint(0, 0)).x(), viewLeft.x());
    h.key(Qt::Key_F5);
    h.key(Qt::Key_F3);
    EXPECT_EQ(list->currentRow(), list->count() - 2);
    h.key(Qt::Key_F9, Qt::ControlModifier);
    EXPECT_FALSE(list->isVisible());
}

TEST(HistoryWindow, AJumpSelectsTheLineOfTheFirstVerseOnly) {
    HistoryHarness h;
    h.window->JumpLocation({QStringLiteral("Matius"), 5, 44, 45});
    EXPECT_EQ(h.where(), QStringLiteral("Matius 5"));
    EXPECT_EQ(h.selectedText(),
              QStringLiteral("5:44 Tetapi Aku berkata kepadamu: Kasihilah musuhmu."));
    h.window->JumpLocation({QStringLiteral("Zakaria"), 14, 9});
    EXPECT_EQ(h.title(), QStringLiteral("Zakharia  14"));
    EXPECT_TRUE(h.option(1)->isChecked());
    EXPECT_EQ(h.selectedText(),
              QStringLiteral("14:9 Maka TUHAN akan menjadi Raja atas seluruh bumi."));
}

TEST(HistoryWindow, MarkedPlacesOfTheJumpWindowCannotBeConfirmed) {
    HistoryHarness h;
    h.window->ChangeVersion(3); // no Old Testament: the New one is offered and accepted
    ASSERT_EQ(h.window->navigator().OTAvailable(), 0);
    bool checked = false;
    h.whileJumpWindowOpen(
        QStringLiteral("5:44 -> Yesaya 61:1, Lukas 6:27-28"), [&](reader::JumpWindow& jumps) {
            ASSERT_TRUE(jumps.isVisible());
            EXPECT_EQ(jumps.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                      QStringLiteral("Pilih bagian kitab yang dituju"));
            QListWidget* list = jumps.list1();
            ASSERT_EQ(list->count(), 2);
            EXPECT_EQ(list->item(0)->text(), QStringLiteral("Yesaya 61:1*"));
            EXPECT_FALSE(jumps.ok()->isEnabled());
            const QRect first = list->visualItemRect(list->item(0));
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
            EXPECT_TRUE(jumps.isVisible());
            const QRect second = list->visualItemRect(list->item(1));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
            EXPECT_TRUE(jumps.ok()->isEnabled());
            QTest::mouseClick(jumps.ok(), Qt::LeftButton);
            checked = true;
        });
    EXPECT_TRUE(checked);
    EXPECT_FALSE(h.window->jumpWindow().isVisible());
    EXPECT_EQ(h.where(), QStringLiteral("Lukas 6"));
}

TEST(HistoryWindow, ABookmarkJumpIntoAMissingOldTestamentIsExplained) {
    HistoryHarness h;
    reader::BookmarkCommands* commands = h.app->bookmarks();
    h.window->ChangeVersion(3);
    commands->OfferBookmark();
    ASSERT_TRUE(commands->bookmarkWindow().isVisible());
    emit commands->bookmarkWindow().jumpRequested({QStringLiteral("Kejadian"), 1, 1},
                                                  QStringLiteral("Kitab1~~~~TB"));
    ASSERT_FALSE(h.dialogs.messages().isEmpty());
    EXPECT_EQ(h.dialogs.messages().last().text,
              QStringLiteral("Versi yang sedang aktif tidak memiliki Perjanjian Lama"));
    EXPECT_EQ(h.where(), QStringLiteral("Matius 1"));
    emit commands->bookmarkWindow().jumpRequested({QStringLiteral("Matius"), 5, 44},
                                                  QStringLiteral("Kitab1~~~~TB"));
    EXPECT_EQ(h.where(), QStringLiteral("Matius 5"));
    EXPECT_EQ(h.selectedText(), QStringLiteral("5:44 PB Kasihilah musuhmu."));
    // The jump window puts the bookmark window aside.
    h.whileJumpWindowOpen(QStringLiteral("5:44 -> Lukas 6:27-28"), [&](reader::JumpWindow&) {
        EXPECT_FALSE(commands->bookmarkWindow().isVisible());
    });
}
