#include "results/HighlightWord.h"

#include "search/LineMatch.h"
#include "search/StopToken.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTextCursor>
#include <QTextEdit>

namespace results {
namespace {

constexpr qint64 kYieldMilliseconds = 20;

void Mark(QTextCursor& cursor, qsizetype pos, qsizetype length, const QTextCharFormat& format) {
    cursor.setPosition(int(pos));
    cursor.setPosition(int(pos + length), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

} // namespace

int HighlightWord(QTextEdit& view, const QString& word, bool exact, search::StopToken* stop,
                  const QColor& color, const std::function<void()>& yield) {
    const QString target = search::UndoubleApostrophes(word);
    if (target.isEmpty())
        return 0;
    const QString text = view.toPlainText();
    QTextCharFormat boldBlack;
    boldBlack.setFontWeight(QFont::Bold);
    boldBlack.setForeground(Qt::black);
    QTextCharFormat colored;
    colored.setForeground(color);
    QTextCursor cursor(view.document());
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
        Mark(cursor, pos, target.size(), boldBlack);
        if (exact && text.mid(pos, target.size()).trimmed() == target.trimmed())
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
