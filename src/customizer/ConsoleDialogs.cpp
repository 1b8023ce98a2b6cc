#include "customizer/ConsoleDialogs.h"

#include <QTextStream>

namespace customizer {

QString WithLineFeeds(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

platform::DialogResult ConsoleDialogs::message(const QString& text,
                                               platform::MessageButtons buttons,
                                               platform::MessageIcon, const QString&) {
    err_ << WithLineFeeds(text);
    if (buttons == platform::MessageButtons::Ok) {
        err_ << Qt::endl;
        return platform::DialogResult::Ok;
    }
    err_ << (answerYes_ ? QStringLiteral(" Ya (--yes)") : QStringLiteral(" Tidak (tanpa --yes)"))
         << Qt::endl;
    return answerYes_ ? platform::DialogResult::Ok : platform::DialogResult::Cancel;
}

} // namespace customizer
