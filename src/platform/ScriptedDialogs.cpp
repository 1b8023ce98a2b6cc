#include "platform/ScriptedDialogs.h"

namespace platform {

namespace {

template <typename T> T TakeNext(QList<T>& queue, T fallback) {
    return queue.isEmpty() ? fallback : queue.takeFirst();
}

} // namespace

DialogResult ScriptedDialogs::message(const QString& text, MessageButtons buttons, MessageIcon icon,
                                      const QString& title) {
    messages_.append({text, buttons, icon, title});
    return TakeNext(answers_, DialogResult::Ok);
}

QString ScriptedDialogs::chooseFolder(const QString& title) {
    requests_.append(title);
    return TakeNext(folders_, QString());
}

QString ScriptedDialogs::openFile(const QString& title, const QString&) {
    requests_.append(title);
    return TakeNext(files_, QString());
}

QString ScriptedDialogs::saveFile(const QString& title, const QString&) {
    requests_.append(title);
    return TakeNext(files_, QString());
}

std::optional<FontChoice> ScriptedDialogs::chooseFont(const FontChoice& initial) {
    fontRequests_.append(initial);
    return TakeNext(fonts_, std::optional<FontChoice>());
}

std::optional<quint32> ScriptedDialogs::chooseColor(quint32 initial) {
    colorRequests_.append(initial);
    return TakeNext(colors_, std::optional<quint32>());
}

void ScriptedDialogs::clear() {
    messages_.clear();
    requests_.clear();
    fontRequests_.clear();
    colorRequests_.clear();
}

} // namespace platform
