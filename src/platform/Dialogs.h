#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace platform {

enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class DialogResult { Ok, Cancel };

struct FontChoice {
    QString name;
    double size = 10;
    bool bold = false;
    bool italic = false;
};

// Every message box and common dialog of the programs goes through this interface, so
// tests can answer them (ScriptedDialogs) while the programs use QtDialogs.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual DialogResult message(const QString& text, MessageButtons buttons, MessageIcon icon,
                                 const QString& title) = 0;
    // A folder of the file system; empty when the user cancels.
    virtual QString chooseFolder(const QString& title) = 0;
    // filter as Qt writes it, e.g. "Teks (*.txt);;Rich Text (*.rtf)"; empty when cancelled.
    virtual QString openFile(const QString& title, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& filter) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    // Colours as 0xRRGGBB.
    virtual std::optional<quint32> chooseColor(quint32 initial) = 0;
};

} // namespace platform
