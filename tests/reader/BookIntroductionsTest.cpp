#include "reader/BookIntroductions.h"

#include "ReaderHarness.h"
#include "reader/CrossReferenceMenu.h"
#include "reader/JumpWindow.h"
#include "reader/MainMenus.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace {

struct IntroHarness : ReaderHarness {
    // Opens the reader on Matius 5 with the introductions in the reading view or beside it.
    explicit IntroHarness(bool separate) {
        open();
        if (action(QStringLiteral("MenuSettingTerpisah"))->isChecked() != separate)
            action(QStringLiteral("MenuSettingTerpisah"))->trigger();
        showNewTestament(0, 5);
    }
    QPushButton* kitab() const { return find<QPushButton>(QStringLiteral("Command5")); }
    reader::IntroWindow& form8() const { return window->bookIntroductions().introWindow(); }
    reader::ViewMode mode() const { return window->state().isInfo; }
    void clickChapter(int chapter) {
        QListWidget* list = list2();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(chapter - 1)).center());
    }
};

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions << item->text();
    return captions;
}

} // namespace

TEST(BookIntroductions, AnIntroductionInTheReadingViewStaysOnAChapterClick) {
    IntroHarness h(false);
    h.action(QStringLiteral("MenuPengantar"))->trigger();
    EXPECT_EQ(h.mode(), reader::ViewMode::Intro);
    EXPECT_EQ(h.rtf1()->toPlainText(), QStringLiteral("Intro Matius"));
    EXPECT_EQ(h.title(), QString(22, u' ') + QStringLiteral("Matius"));
    EXPECT_TRUE(h.kitab()->isVisible());
    EXPECT_FALSE(h.rtf2()->isVisible());

    h.clickChapter(1);
    EXPECT_EQ(h.rtf1()->toPlainText(), QStringLiteral("Intro Matius"));
    // "Kitab" brings back the chapter the list points to.
    QTest::mouseClick(h.kitab(), Qt::LeftButton);
    EXPECT_EQ(h.mode(), reader::ViewMode::Kitab);
    EXPECT_FALSE(h.kitab()->isVisible());
    EXPECT_EQ(h.title(), QStringLiteral("Matius  1"));
    EXPECT_TRUE(h.rtf1()->toPlainText().startsWith(QStringLiteral("1:1 ")));
    EXPECT_EQ(h.window->navigator().chapter(), 1);
}

TEST(BookIntroductions, AnotherBookInIntroductionModeShowsItsIntroduction) {
    IntroHarness h(false);
    h.action(QStringLiteral("MenuPengantar"))->trigger();
    h.list1()->setCurrentRow(3);
    EXPECT_EQ(h.rtf1()->toPlainText(), QStringLiteral("Intro Yohanes"));
    EXPECT_EQ(h.title(), QString(22, u' ') + QStringLiteral("Yohanes"));
    h.clickChapter(3);
    QTest::mouseClick(h.kitab(), Qt::LeftButton);
    EXPECT_EQ(h.title(), QStringLiteral("Yohanes  3"));
    EXPECT_TRUE(h.rtf1()->toPlainText().startsWith(QStringLiteral("3:16 ")));
}

TEST(BookIntroductions, BookNotesOfferTheirThreeChoices) {
    IntroHarness h(false);
    h.action(QStringLiteral("MenuKeterangan"))->trigger();
    EXPECT_EQ(h.mode(), reader::ViewMode::Info);
    EXPECT_EQ(h.rtf1()->toPlainText(), QStringLiteral("Pengantar Matius"));
    EXPECT_TRUE(h.find<QWidget>(QStringLiteral("Picture4"))->isVisible());
    QTest::mouseClick(h.option(5), Qt::LeftButton);
    EXPECT_EQ(h.mode(), reader::ViewMode::CiriKhas);
    EXPECT_EQ(h.rtf1()->toPlainText(), QStringLiteral("CiriKhas Matius"));
    // Another book keeps the chosen notes.
    h.list1()->setCurrentRow(1);
    EXPECT_EQ(h.rtf1()->toPlainText(), QStringLiteral("CiriKhas Markus"));
    QTest::mouseClick(h.option(4), Qt::LeftButton);
    EXPECT_EQ(h.mode(), reader::ViewMode::Survai);
    EXPECT_EQ(h.rtf1()->toPlainText(), QStringLiteral("Survai Markus"));
    QTest::mouseClick(h.option(6), Qt::LeftButton);
    EXPECT_EQ(h.mode(), reader::ViewMode::Survai);
    EXPECT_EQ(h.rtf1()->toPlainText(), QStringLiteral("Pengantar Markus"));
}

TEST(BookIntroductions, TheSeparateWindowShowsTheIntroductionAndChapterOneStaysInTheMain) {
    IntroHarness h(true);
    const QSize before = h.window->size();
    h.action(QStringLiteral("MenuPengantar"))->trigger();
    reader::IntroWindow& form8 = h.form8();
    EXPECT_TRUE(form8.isVisible());
    EXPECT_EQ(form8.windowTitle(), QStringLiteral("Pengantar Alkitab"));
    EXPECT_EQ(form8.rtf1()->toPlainText(), QStringLiteral("Intro Matius"));
    EXPECT_EQ(h.title(), QStringLiteral("Matius  1"));
    EXPECT_TRUE(h.rtf1()->toPlainText().startsWith(QStringLiteral("1:1 ")));
    EXPECT_FALSE(h.kitab()->isVisible());

    // Choosing another book shows its first chapter and its introduction beside it.
    h.list1()->setCurrentRow(3);
    EXPECT_EQ(h.title(), QStringLiteral("Yohanes  1"));
    EXPECT_EQ(form8.rtf1()->toPlainText(), QStringLiteral("Intro Yohanes"));

    // Beside the main window, at its top and height.
    EXPECT_EQ(form8.geometry().top(), h.window->geometry().top());
    EXPECT_GT(form8.geometry().left(), h.window->geometry().right());

    QTest::keyClick(form8.rtf1(), Qt::Key_Escape);
    EXPECT_FALSE(form8.isVisible());
    EXPECT_EQ(h.mode(), reader::ViewMode::Kitab);
    // The main window gets its own size back.
    EXPECT_EQ(h.window->size(), before);
}

TEST(BookIntroductions, SeparateNotesFollowTheWindowsOwnChoices) {
    IntroHarness h(true);
    h.action(QStringLiteral("MenuKeterangan"))->trigger();
    reader::IntroWindow& form8 = h.form8();
    EXPECT_EQ(form8.windowTitle(), QStringLiteral("Keterangan Alkitab"));
    EXPECT_EQ(form8.rtf1()->toPlainText(), QStringLiteral("Pengantar Matius"));
    QTest::mouseClick(form8.findChild<QRadioButton*>(QStringLiteral("Option3")), Qt::LeftButton);
    EXPECT_EQ(form8.rtf1()->toPlainText(), QStringLiteral("Survai Matius"));
    h.list1()->setCurrentRow(1);
    EXPECT_EQ(form8.rtf1()->toPlainText(), QStringLiteral("Survai Markus"));
}

TEST(CrossReferenceMenu, TheContextMenuCarriesTheChaptersReferences) {
    IntroHarness h(false);
    QSignalSpy chosen(h.window, &reader::MainWindow::crossReferenceChosen);
    QMenu* edit = h.find<QMenu>(QStringLiteral("MenuEdit"));
    QMenu* refs = h.window->menus().menuRef();
    emit h.rtf1()->customContextMenuRequested(QPoint(5, 5));
    edit->hide();
    EXPECT_EQ(refs->title(), QStringLiteral("Ref. Silang Matius Bab 5"));
    EXPECT_EQ(Captions(refs), (QStringList{QStringLiteral("5:3 -> Lukas 6:20,Yesaya 61:1"),
                                           QStringLiteral("5:44 -> Lukas 6:27-28")}));
    // The chosen item opens the jump window on its places.
    QStringList places;
    QTimer::singleShot(0, h.window, [&] {
        reader::JumpWindow& jumps = h.window->jumpWindow();
        for (int row = 0; row < jumps.list1()->count(); ++row)
            places << jumps.list1()->item(row)->text();
        jumps.reject();
    });
    refs->actions().at(1)->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString(), QStringLiteral("5:44 -> Lukas 6:27-28"));
    EXPECT_EQ(places, QStringList{QStringLiteral("Lukas 6:27-28")});

    // Matius 1 has no line: the single item leads nowhere.
    h.clickChapter(1);
    emit h.rtf1()->customContextMenuRequested(QPoint(5, 5));
    edit->hide();
    EXPECT_EQ(refs->title(), QStringLiteral("Ref. Silang Matius Bab 1"));
    EXPECT_EQ(Captions(refs), QStringList{QStringLiteral("1:1 -> Lukas 3:23")});
    h.list1()->setCurrentRow(3);
    emit h.rtf1()->customContextMenuRequested(QPoint(5, 5));
    edit->hide();
    EXPECT_EQ(Captions(refs), QStringList{QStringLiteral("<tidak ada referensi>")});
    refs->actions().at(0)->trigger();
    EXPECT_EQ(chosen.size(), 1);
}

TEST(CrossReferenceMenu, TheLongestChapterListsEveryItemInAMenuThatScrolls) {
    IntroHarness h(false);
    QString line = QStringLiteral("#119#");
    for (int verse = 1; verse <= 176; ++verse)
        line += QStringLiteral("@119:%1 Ulangan 6:6").arg(verse);
    reader::CrossReferenceMenu& menu = h.window->crossReferences();
    menu.build(QStringLiteral("Mazmur"), 119, line);
    QMenu* refs = h.window->menus().menuRef();
    ASSERT_EQ(refs->actions().size(), 176);
    EXPECT_EQ(refs->actions().last()->text(), QStringLiteral("119:176 -> Ulangan 6:6"));
    EXPECT_EQ(refs->actions().last()->objectName(), QStringLiteral("MenuRefs176"));
    refs->popup(QPoint(0, 0));
    const QRect screen = refs->screen()->availableGeometry();
    EXPECT_LE(refs->height(), screen.height());
    EXPECT_TRUE(refs->style()->styleHint(QStyle::SH_Menu_Scrollable, nullptr, refs));
    refs->hide();
}
