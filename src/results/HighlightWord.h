#pragma once

#include <QColor>
#include <QString>
#include <functional>

class QTextEdit;

namespace search {
class StopToken;
}

namespace results {

// Marks every occurrence of word in the view, found without regard to letter case: bold and
// black, and with exact also the colour where the letter case agrees. A match that begins
// right after the previous one is passed over. yield runs about every 20 ms so that a stop
// request can arrive; what was marked before a stop stays marked. Returns the matches marked.
int HighlightWord(QTextEdit& view, const QString& word, bool exact, search::StopToken* stop,
                  const QColor& color = Qt::black, const std::function<void()>& yield = {});

// Drops every character format of the view, keeping its text and caret.
void RemoveHighlight(QTextEdit& view);

} // namespace results
