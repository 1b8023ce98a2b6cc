#pragma once

#include "reader/History.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

namespace platform {
class Dialogs;
}

namespace reader {

class Navigator;

// Moves to a named place on behalf of the history keys, the jump window, the bookmark window
// and the find bar, and records every chapter and verse the navigator shows in the history.
class Jumps : public QObject {
    Q_OBJECT
public:
    Jumps(Navigator& navigator, History& history, platform::Dialogs& dialogs,
          QObject* parent = nullptr);

    // Whether the bookmark window is on screen: only then is a jump into an Old Testament
    // the active version lacks explained in a message.
    void setBookmarkWindowShown(std::function<bool()> shown) { bookmarkShown_ = std::move(shown); }

    // JumpLocation: shows the key's book and chapter ("Matius#5:44-45", "Zakaria#1:1") and
    // answers the verse whose line is to be selected (0 for none); nullopt when the key names
    // no place the navigator can show, which then stays where it was.
    std::optional<int> JumpLocation(QString& key);
    // NavigateHistory: shows the entry a step reaches without recording it again.
    std::optional<int> NavigateHistory(History::Step mode);
    // SetDataLocation: shows the chapter at that index of the store's chapters.
    bool SetDataLocation(int chapterRow);

private:
    void record(int verse);

    Navigator& nav_;
    History& history_;
    platform::Dialogs& dialogs_;
    std::function<bool()> bookmarkShown_;
};

// FillJumpList: the display references after " -> " of a cross-reference line, each marked
// with "*" when it lies in an Old Testament the active version lacks.
QStringList JumpItems(const QString& crossReferenceLine, bool otAvailable);
// A "*" item names a place the active version cannot show.
bool CanConfirmJumpItem(const QString& item);

} // namespace reader
