#include "results/HighlightWord.h"

#include "search/LineMatch.h"
#include "search/StopToken.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>

namespace results {
namespace {

constexpr qint64 kYieldMilliseconds = 20;
// Every format change resets each laid-out line of its paragraph; past this many lines the
// paragraph's lines are dropped before its first mark instead.
constexpr int kLinesKeptWhileMarking = 64;

void Mark(QTextCursor& cursor, qsizetype pos, qsizetype length, const QTextCharFormat& format) {
    cursor.setPosition(int(pos));
    cursor.setPosition(int(pos + length), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

// Drops the lines of a long paragraph once, before the first mark in it, so that each mark
// costs the same however long the paragraph; the view lays it out again when the marking
// ends, as it would after any change of format.
class LongParagraphs {
public:
    explicit LongParagraphs(QTextDocument& document) : document_(document) {}

    void beforeMark(qsizetype pos) {
        if (pos < blockEnd_)
            return;
        const QTextBlock block = document_.findBlock(int(pos));
        blockEnd_ = block.position() + block.length();
        if (block.layout()->lineCount() > kLinesKeptWhileMarking)
            block.layout()->clearLayout();
    }

private:
    QTextDocument& document_;
    qsizetype blockEnd_ = 0;
};

// While marking, the view takes no keys and so shows no blinking caret: each blink measures the
// caret's paragraph, which after a mark means reading all of it again.
class NoCaret {
public:
    explicit NoCaret(QTextEdit& view) : view_(view), flags_(view.textInteractionFlags()) {
        view.setTextInteractionFlags(flags_ & ~(Qt::TextEditable | Qt::TextSelectableByKeyboard));
    }
    ~NoCaret() { view_.setTextInteractionFlags(flags_); }
    NoCaret(const NoCaret&) = delete;
    NoCaret& operator=(const NoCaret&) = delete;

private:
    QTextEdit& view_;
    Qt::TextInteractionFlags flags_;
};

QTextCharFormat BoldBlack() {
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setForeground(Qt::black);
    return format;
}

} // namespace

int HighlightWord(QTextEdit& view, const QString& word, bool exact, search::StopToken* stop,
                  const QColor& color, const std::function<void()>& yield) {
    const QString target = search::UndoubleApostrophes(word);
    if (target.isEmpty())
        return 0;
    const QString text = view.toPlainText();
    const QStringView trimmedTarget = QStringView(target).trimmed();
    const QTextCharFormat boldBlack = BoldBlack();
    QTextCharFormat colored;
    colored.setForeground(color);
    QTextCursor cursor(view.document());
    LongParagraphs paragraphs(*view.document());
    const NoCaret noCaret(view);
    // One edit block: the view lays the text out once at the end instead of after every mark.
    cursor.beginEditBlock();
    const auto endBlock = qScopeGuard([&cursor] { cursor.endEditBlock(); });
    QElapsedTimer clock;
    clock.start();
    int marked = 0;
    for (qsizetype start = 0;;) {
        if (yield && clock.elapsed() >= kYieldMilliseconds) {
            yield();
            clock.restart();
        }
        const qsizetype pos = text.indexOf(target, start, Qt::CaseInsensitive);
        if (pos < 0 || (stop && stop->take()))
            break;
        paragraphs.beforeMark(pos);
        Mark(cursor, pos, target.size(), boldBlack);
        if (exact && QStringView(text).mid(pos, target.size()).trimmed() == trimmedTarget)
            Mark(cursor, pos, target.size(), colored);
        ++marked;
        // One character after the match is passed over before looking again.
        start = pos + target.size() + 1;
    }
    return marked;
}

void RemoveHighlight(QTextEdit& view) {
    const int caret = view.textCursor().position();
    view.setPlainText(view.toPlainText());
    view.setFocus();
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(qMin(caret, view.document()->characterCount() - 1));
    view.setTextCursor(cursor);
}

} // namespace results
