#pragma once

#include "platform/Dialogs.h"

class QTextStream;

namespace customizer {

// The command line's answers: messages go to the error stream, a question is answered
// OK only when the user gave --yes beforehand, and nothing can be chosen.
class ConsoleDialogs : public platform::Dialogs {
public:
    ConsoleDialogs(QTextStream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

    platform::DialogResult message(const QString& text, platform::MessageButtons buttons,
                                   platform::MessageIcon icon, const QString& title) override;
    QString chooseFolder(const QString&) override { return {}; }
    QString openFile(const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&) override { return {}; }
    std::optional<platform::FontChoice> chooseFont(const platform::FontChoice&) override {
        return std::nullopt;
    }
    std::optional<quint32> chooseColor(quint32) override { return std::nullopt; }

private:
    QTextStream& err_;
    bool answerYes_;
};

// A CR LF text with the line feeds that terminals and labels expect.
QString WithLineFeeds(const QString& text);

} // namespace customizer
