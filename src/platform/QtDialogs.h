#pragma once

#include "platform/Dialogs.h"

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

    QWidget* parent_;
};

} // namespace platform
