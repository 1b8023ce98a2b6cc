#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>

namespace platform {

struct RecordedMessage {
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    QString title;
};

// A Dialogs for tests: records every request and answers from queues filled beforehand.
// With an empty queue a message is answered Ok and every other request is cancelled.
class ScriptedDialogs : public Dialogs {
public:
    DialogResult message(const QString& text, MessageButtons buttons, MessageIcon icon,
                         const QString& title) override;
    QString chooseFolder(const QString& title) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    std::optional<quint32> chooseColor(quint32 initial) override;

    void queueAnswer(DialogResult answer) { answers_.append(answer); }
    void queueFolder(const QString& folder) { folders_.append(folder); }
    void queueFile(const QString& file) { files_.append(file); }
    void queueFont(std::optional<FontChoice> font) { fonts_.append(font); }
    void queueColor(std::optional<quint32> color) { colors_.append(color); }

    const QList<RecordedMessage>& messages() const { return messages_; }
    // Titles of the folder, open and save requests, in order.
    const QStringList& requests() const { return requests_; }
    // The initial font and colour of each font and colour request.
    const QList<FontChoice>& fontRequests() const { return fontRequests_; }
    const QList<quint32>& colorRequests() const { return colorRequests_; }

    // Forgets the records; queued answers stay.
    void clear();

private:
    QList<RecordedMessage> messages_;
    QStringList requests_;
    QList<FontChoice> fontRequests_;
    QList<quint32> colorRequests_;
    QList<DialogResult> answers_;
    QStringList folders_;
    QStringList files_;
    QList<std::optional<FontChoice>> fonts_;
    QList<std::optional<quint32>> colors_;
};

} // namespace platform
