#pragma once

#include "platform/Dialogs.h"

#include <QString>

class QWidget;

namespace platform {

// The programs' Dialogs: Qt's message box and common dialogs, modal to the window the user
// works in (the parent widget when no window of the program is active).
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void setParentWidget(QWidget* parent) { parent_ = parent; }

    DialogResult message(const QString& text, MessageButtons buttons, MessageIcon icon,
                         const QString& title) override;
    QString chooseFolder(const QString& title) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    std::optional<quint32> chooseColor(quint32 initial) override;

private:
    QWidget* owner() const;
    // Files are opened and saved first in the documents folder, then where the last one was.
    QString startFolder() const;
    QString remember(const QString& file);

    QWidget* parent_;
    QString lastFolder_;
};

} // namespace platform
