#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace store {
class Store;
}

namespace reader {

class ReaderSettings;

// AdviceVerses: the nine references "ADVICE" draws from.
const std::array<QString, 9>& AdviceVerses();

// Two backslashes begin a command of the command box.
bool IsCommandText(const QString& text);
// The command word of a find text: after doubling every "'", a text longer than two
// characters that starts with two backslashes gives its rest, trimmed and in upper case.
std::optional<QString> CommandWord(const QString& findText);

// What the commands do outside the core: messages, the advice view and ending the program.
struct CommandActions {
    // A message box with only OK and the program's default title.
    std::function<void(const QString& text)> inform;
    // "Kutipan dari Kitab " + ref over the passage's verse lines (empty when not found).
    std::function<void(const QString& ref, const QString& lines)> showAdvice;
    // Ends the program at once: nothing is saved, no window is unloaded.
    std::function<void()> quit;
    // A uniform random number in [0, 1).
    std::function<double()> random;
};

// The find box's command words ("WHO", "DATA", "RESETLOCATION", "ADVICE", ...).
class CommandBox {
public:
    // store may be null (no store opened); dataFolder is the DataLocation caption.
    CommandBox(ReaderSettings& settings, const store::Store* store, QString dataFolder,
               CommandActions actions);

    // Runs one command word; a word that is not a command does nothing.
    void RunCommand(const QString& word);

private:
    QString infoText(qint16 id) const;
    void advice();

    ReaderSettings& settings_;
    const store::Store* store_;
    QString dataFolder_;
    CommandActions actions_;
};

// The information texts of "WHO", "HISTORY", "DEDICATED", "EMAIL" and "WWW".
QString WhoText();
QString HistoryText();
QString DedicatedText();
QString EmailText();
QString WwwText();

} // namespace reader
