#include "results/HighlightWord.h"

#include "search/StopToken.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QColor kBlue(0, 0, 255);

// One letter per character of the view: '.' unmarked, 'b' bold and black, 'c' bold in the
// highlight colour, '?' anything else.
QString MarksOf(const QTextEdit& view) {
    QString marks(view.document()->characterCount() - 1, u'.');
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool bold = format.fontWeight() >= QFont::Bold;
            const bool colored = format.hasProperty(QTextFormat::ForegroundBrush);
            QChar mark = u'?';
            if (!bold && !colored)
                mark = u'.';
            else if (bold && format.foreground().color() == Qt::black)
                mark = u'b';
            else if (bold && format.foreground().color() == kBlue)
                mark = u'c';
            for (int k = 0; k < it.fragment().length(); ++k)
                marks[it.fragment().position() + k] = mark;
        }
    }
    return marks;
}

struct Expected {
    QString marks;
    int matches = 0;
};

// The marks as a plain walk over every position gives them: a match compares without regard
// to case, the character after a match is passed over, and with exact a match whose letters
// agree (blanks at the ends aside) takes the colour. Stops after limit matches.
Expected ExpectedMarks(const QString& text, QString word, bool exact, int limit = -1) {
    word.replace(QStringLiteral("''"), QStringLiteral("'"));
    Expected expected{QString(text.size(), u'.'), 0};
    for (qsizetype pos = 0; pos + word.size() <= text.size() && expected.matches != limit; ++pos) {
        const QString piece = text.mid(pos, word.size());
        if (piece.compare(word, Qt::CaseInsensitive) != 0)
            continue;
        const bool colored = exact && piece.trimmed() == word.trimmed();
        for (qsizetype k = 0; k < word.size(); ++k)
            expected.marks[pos + k] = colored ? u'c' : u'b';
        ++expected.matches;
        pos += word.size();
    }
    return expected;
}

// Verse-like text in which "kasih" stands in three letter cases; with lines, one verse a line.
QString Verses(qsizetype size, bool lines) {
    const QString verse = QStringLiteral("Kasih itu sabar; kasih itu murah hati; ia tidak "
                                         "cemburu, KASIH tidak memegahkan diri.") +
                          (lines ? u'\n' : u' ');
    return verse.repeated(size / verse.size());
}

// "kasih" ten times a line, so that marking takes longer than a yield.
QString Kasih(qsizetype size, bool lines) {
    const QString line =
        QStringLiteral("Kasih kasih KASIH kasih kasih kasih kasih kasih kasih kasih") +
        (lines ? u'\n' : u' ');
    return line.repeated(size / line.size());
}

class HighlightWordTest : public testing::Test {
protected:
    void SetUp() override {
        view_.resize(300, 200);
        view_.show();
    }

    int highlight(const QString& text, const QString& word, bool exact,
                  const std::function<void()>& yield = {}) {
        view_.setPlainText(text);
        QApplication::processEvents();
        return results::HighlightWord(view_, word, exact, &stop_, kBlue, yield);
    }

    QTextEdit view_;
    search::StopToken stop_;
};

} // namespace

TEST_F(HighlightWordTest, MarksTheSameRangesAsAWalkOverEveryPosition) {
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("Kasih dan kasih"), QStringLiteral("kasih")},
        {QStringLiteral("kasih di awal, di akhir KASIH"), QStringLiteral("kasih")},
        {QStringLiteral("aaaaa"), QStringLiteral("aaa")},
        {QStringLiteral("aAaAaAa"), QStringLiteral("aa")},
        {QStringLiteral("kasihkasih kasih"), QStringLiteral("kasih")},
        {QStringLiteral("kasih\nKasih\n\nkasih kasih\n"), QStringLiteral("kasih")},
        {QStringLiteral("a Kasih b kasih c"), QStringLiteral(" kasih ")},
        {QStringLiteral("Ämter ämter ÄMTER"), QStringLiteral("ämter")},
        {QStringLiteral("Σοφία σοφία ΣΟΦΊΑ"), QStringLiteral("σοφία")},
        {QStringLiteral("Yoél YOÉL yoél"), QStringLiteral("Yoél")},
        {QStringLiteral("It's it's"), QStringLiteral("it''s")},
        {QStringLiteral("tidak ada di sini"), QStringLiteral("kasih")},
        {QStringLiteral("x"), QStringLiteral("x")},
        // One paragraph of many lines in the view, and the same text one verse a line.
        {Verses(20000, false), QStringLiteral("kasih")},
        {Verses(20000, true), QStringLiteral("Kasih")},
    };
    for (const auto& [text, word] : cases) {
        for (const bool exact : {false, true}) {
            const Expected expected = ExpectedMarks(text, word, exact);
            EXPECT_EQ(highlight(text, word, exact), expected.matches)
                << text.left(40).toStdString();
            EXPECT_EQ(MarksOf(view_), expected.marks)
                << text.left(40).toStdString() << (exact ? " (exact)" : "");
        }
    }
}

// A stop request is honoured at the next match: the matches before it stay marked and no
// other. The view lays out again the paragraph it marked.
TEST_F(HighlightWordTest, AStopKeepsTheMatchesMarkedSoFarAndTheViewLaidOut) {
    const QString text = Verses(1'000'000, false);
    int yields = 0;
    const int marked = highlight(text, QStringLiteral("kasih"), true, [&] {
        ++yields;
        stop_.request();
    });
    QApplication::processEvents();
    ASSERT_EQ(yields, 1);
    EXPECT_GT(marked, 0);
    const Expected all = ExpectedMarks(text, QStringLiteral("kasih"), true);
    EXPECT_LT(marked, all.matches);
    EXPECT_EQ(MarksOf(view_), ExpectedMarks(text, QStringLiteral("kasih"), true, marked).marks);
    EXPECT_FALSE(stop_.requested());
    EXPECT_GT(view_.document()->firstBlock().layout()->lineCount(), 1000);
}

// While marking, a blinking caret would measure its whole paragraph again after each mark: the
// view takes no keys then, and has its own keys back afterwards, even after a stop.
TEST_F(HighlightWordTest, TheViewTakesNoKeysWhileMarkingAndGetsThemBackAfter) {
    const Qt::TextInteractionFlags before = view_.textInteractionFlags();
    ASSERT_TRUE(before.testFlag(Qt::TextEditable));
    std::optional<Qt::TextInteractionFlags> during;
    highlight(Kasih(1'000'000, false), QStringLiteral("kasih"), false, [&] {
        during = view_.textInteractionFlags();
        stop_.request();
    });
    ASSERT_TRUE(during.has_value()) << "the marking ended before its first yield";
    EXPECT_FALSE(during->testFlag(Qt::TextEditable));
    EXPECT_FALSE(during->testFlag(Qt::TextSelectableByKeyboard));
    EXPECT_EQ(view_.textInteractionFlags(), before);
}
