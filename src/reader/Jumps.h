#pragma once

#include "reader/Navigator.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

namespace platform {
class Dialogs;
}

namespace reader {

// Moves to a named place on behalf of the history keys, the jump window, the bookmark window
// and the find bar.
class Jumps : public QObject {
    Q_OBJECT
public:
    Jumps(Navigator& navigator, platform::Dialogs& dialogs, QObject* parent = nullptr);

    // Whether the bookmark window is on screen: only then is a jump into an Old Testament
    // the active version lacks explained in a message.
    void setBookmarkWindowShown(std::function<bool()> shown) { bookmarkShown_ = std::move(shown); }

    // JumpLocation: shows the key's book and chapter ("Matius#5:44-45", "Zakaria#1:1") with
    // the line of its first verse selected; false when the key names no place the navigator
    // can show, which then stays where it was.
    bool JumpLocation(scripture::LocationKey key, Record record = Record::Yes);
    // NavigateHistory: shows the entry a step reaches without recording it again.
    bool NavigateHistory(History::Step mode);
    // The entry chosen in the history list, shown the same way.
    bool showHistoryEntry(int index);
    // SetDataLocation: shows the chapter at that index of the store's chapters.
    bool SetDataLocation(int chapterRow);

private:
    bool showEntry(const std::optional<QString>& entry);

    Navigator& nav_;
    platform::Dialogs& dialogs_;
    std::function<bool()> bookmarkShown_;
};

// FillJumpList: the display references after " -> " of a cross-reference line, each marked
// with "*" when it lies in an Old Testament the active version lacks.
QStringList JumpItems(const QString& crossReferenceLine, bool otAvailable);
// A "*" item names a place the active version cannot show.
bool CanConfirmJumpItem(const QString& item);

} // namespace reader
