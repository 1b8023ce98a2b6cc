#include "reader/FindCommands.h"

#include "ReaderHarness.h"
#include "reader/SearchBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

using reader::FindCommands;

namespace {

struct FindHarness : ReaderHarness {
    FindHarness() {
        open();
        commands = app->find();
    }
    reader::SearchBar& bar() const { return window->searchBar(); }
    QPushButton* button(int k) const { return bar().command(k); }
    QString where() const {
        const reader::Navigator& nav = window->navigator();
        return QStringLiteral("%1 %2").arg(nav.bookName()).arg(nav.chapter());
    }
    // Types the text over the old one and clicks "Cari" in that scope.
    void find(const QString& text, int scope) {
        bar().combo2()->setCurrentIndex(scope);
        bar().text1()->clear();
        QTest::keyClicks(bar().text1(), text);
        QTest::mouseClick(button(1), Qt::LeftButton);
    }
    QStringList messages() const {
        QStringList texts;
        for (const platform::RecordedMessage& message : dialogs.messages())
            texts.append(message.text);
        return texts;
    }
    // Text of the reading view in bold, where the find marked the word.
    QString marked() const {
        QString text;
        for (QTextBlock block = rtf1()->document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().fontWeight() == QFont::Bold)
                    text += it.fragment().text() + u'|';
        return text;
    }
    FindCommands* commands;
};

} // namespace

TEST(FindCommands, ABookFindStepsThroughTheBookAndStops) {
    FindHarness h;
    h.find(QStringLiteral("allah"), 1);
    EXPECT_EQ(h.where(), QStringLiteral("Kejadian 1"));
    EXPECT_TRUE(h.marked().startsWith(QStringLiteral("Allah|")));
    EXPECT_TRUE(h.button(3)->isEnabled());
    EXPECT_FALSE(h.button(2)->isEnabled());
    QTest::mouseClick(h.button(3), Qt::LeftButton);
    EXPECT_EQ(h.where(), QStringLiteral("Kejadian 2"));
    EXPECT_TRUE(h.button(2)->isEnabled());
    QTest::mouseClick(h.button(3), Qt::LeftButton);
    EXPECT_EQ(h.messages(), QStringList{QStringLiteral("Kata sudah tidak ditemukan lagi")});
    EXPECT_EQ(h.where(), QStringLiteral("Kejadian 2"));
    EXPECT_FALSE(h.button(3)->isEnabled());
    QTest::mouseClick(h.button(2), Qt::LeftButton);
    EXPECT_EQ(h.where(), QStringLiteral("Kejadian 1"));
}

TEST(FindCommands, TypingDisablesTheArrows) {
    FindHarness h;
    h.find(QStringLiteral("Allah"), 3);
    QTest::mouseClick(h.button(3), Qt::LeftButton);
    ASSERT_TRUE(h.button(2)->isEnabled());
    QTest::keyClick(h.bar().text1(), Qt::Key_H);
    EXPECT_FALSE(h.button(2)->isEnabled());
    EXPECT_FALSE(h.button(3)->isEnabled());
}

TEST(FindCommands, AFindInTheChapterKeepsTheStoredCriterion) {
    FindHarness h;
    h.find(QStringLiteral("Allah"), 3);
    EXPECT_EQ(h.where(), QStringLiteral("Kejadian 1"));
    h.bar().combo2()->setCurrentIndex(0);
    QTest::mouseClick(h.button(1), Qt::LeftButton);
    EXPECT_EQ(h.where(), QStringLiteral("Kejadian 1"));
    QTest::mouseClick(h.button(3), Qt::LeftButton);
    EXPECT_EQ(h.where(), QStringLiteral("Kejadian 2"));
    EXPECT_TRUE(h.messages().isEmpty());
}

TEST(FindCommands, TheDisplayedChapterIsSearchedAsTypedWithItsMessages) {
    FindHarness h;
    h.window->ChangeVersion(3); // its Matius 1:2 reads "anak 'perjanjian'"
    h.dialogs.clear();
    h.find(QStringLiteral("'perjanjian'"), 0);
    EXPECT_TRUE(h.messages().isEmpty());
    EXPECT_EQ(h.marked(), QStringLiteral("'perjanjian'|"));
    h.bar().check1()->setChecked(true);
    h.find(QStringLiteral("'Perjanjian'"), 0);
    h.bar().check1()->setChecked(false);
    h.find(QStringLiteral("musuh"), 0);
    EXPECT_EQ(h.messages(),
              QStringList({QStringLiteral("Kata dengan penulisan tepat tidak ditemukan."),
                           QStringLiteral("Kata tidak ditemukan.")}));
    h.dialogs.clear();
    h.find(QStringLiteral("Henokh"), 3);
    EXPECT_EQ(h.messages(), QStringList{QStringLiteral("Kata tidak ditemukan")});
    EXPECT_EQ(h.where(), QStringLiteral("Matius 1"));
}

TEST(FindCommands, OperatorsAreRefusedAndCommandTextGoesToTheCommandBox) {
    FindHarness h;
    h.find(QStringLiteral("kasih +musuh"), 3);
    EXPECT_EQ(h.messages(),
              QStringList{QStringLiteral("Anda menggunakan ekspresi pencarian + dan ^. \r\n"
                                         "Gunakan tanda-tanda tersebut hanya untuk fungsi \" Cari "
                                         "Semua \".")});
    EXPECT_EQ(h.where(), QStringLiteral("Kejadian 1"));
    h.bar().text1()->clear();
    QTest::keyClicks(h.bar().text1(), QStringLiteral("\\\\ data "));
    EXPECT_EQ(h.button(1)->text(), QStringLiteral("Check"));
    EXPECT_TRUE(h.button(1)->isDefault());
    EXPECT_FALSE(h.button(4)->isDefault());
    h.dialogs.clear();
    QTest::keyClick(h.bar().text1(), Qt::Key_Return);
    EXPECT_EQ(h.messages(), QStringList{QStringLiteral("Data yang sedang digunakan : ") +
                                        h.context().dataFolder});
    // Two backslashes alone are no command: they are looked for in the chapter.
    h.dialogs.clear();
    h.find(QStringLiteral("\\\\"), 0);
    EXPECT_EQ(h.messages(), QStringList{QStringLiteral("Kata tidak ditemukan.")});
    EXPECT_EQ(h.button(1)->text(), QStringLiteral("Check"));
    h.bar().text1()->clear();
    EXPECT_EQ(h.button(1)->text(), QStringLiteral("Cari"));
    EXPECT_TRUE(h.button(4)->isDefault());
}

TEST(FindCommands, TheQueryEditorCopiesBackOnlyWhenConfirmed) {
    FindHarness h;
    QLineEdit* text = h.bar().text1();
    text->setText(QStringLiteral("kasih"));
    QTimer::singleShot(0, [] {
        auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        auto* lines = editor->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        EXPECT_EQ(lines->toPlainText(), QStringLiteral("kasih"));
        lines->setPlainText(QStringLiteral("kasih\nmusuh"));
        QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    });
    QTest::mouseDClick(text, Qt::LeftButton);
    EXPECT_EQ(text->text(), QStringLiteral("kasih musuh"));
    QTimer::singleShot(0, [] {
        QWidget* editor = QApplication::activeModalWidget();
        ASSERT_NE(editor, nullptr);
        editor->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
            ->setPlainText(QStringLiteral("x"));
        QTest::keyClick(editor, Qt::Key_Escape);
    });
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(text->text(), QStringLiteral("kasih musuh"));
}

TEST(FindCommands, TheStripIsDraggedAndPutBack) {
    FindHarness h;
    reader::SearchBar& bar = h.bar();
    QWidget* handle = bar.strip()->childAt(QPoint(10, bar.strip()->height() / 2));
    ASSERT_NE(handle, nullptr);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(45, 5), handle->mapToGlobal(QPointF(45, 5)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(45, 5));
    EXPECT_EQ(bar.stripOffset(), 40);
    EXPECT_EQ(bar.strip()->x(), 40);
    ASSERT_TRUE(bar.resetButton()->isVisible());
    QTest::mouseClick(bar.resetButton(), Qt::LeftButton);
    EXPECT_EQ(bar.stripOffset(), 0);
    EXPECT_FALSE(bar.resetButton()->isVisible());
    bar.moveStrip(-30);
    QTest::mouseDClick(handle, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(bar.stripOffset(), 0);
    // The strip cannot be dragged out of reach.
    bar.moveStrip(100000);
    EXPECT_LT(bar.stripOffset(), bar.width());
}
