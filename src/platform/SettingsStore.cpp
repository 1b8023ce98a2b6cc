#include "platform/SettingsStore.h"

#include "platform/AnsiCodePage.h"
#include "platform/IniDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace platform {

namespace {

// Long enough for another instance to finish a write, short enough not to hang the window.
constexpr int kLockWaitMs = 3000;

} // namespace

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString SettingsStore::DefaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/Vermara/vermara.ini");
}

QString SettingsStore::get(const QString& app, const QString& section, const QString& key,
                           const QString& defaultValue) const {
    return load().value(app, section, key).value_or(defaultValue);
}

bool SettingsStore::contains(const QString& app, const QString& section, const QString& key) const {
    return load().value(app, section, key).has_value();
}

bool SettingsStore::set(const QString& app, const QString& section, const QString& key,
                        const QString& value) {
    // An empty key could not be read back from the file.
    if (key.isEmpty())
        return false;
    return change(
        [&](IniDocument& document) { return document.setValue(app, section, key, value); });
}

bool SettingsStore::remove(const QString& app, const QString& section, const QString& key) {
    return change([&](IniDocument& document) { return document.remove(app, section, key); });
}

IniDocument SettingsStore::load() const {
    return IniDocument::Parse(ReadTextFile(filePath_));
}

bool SettingsStore::change(const std::function<bool(IniDocument&)>& edit) {
    const QFileInfo info(filePath_);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    // Without the lock the change is still written; the lock only narrows the window in
    // which two instances could both read the old file.
    QLockFile lock(filePath_ + QLatin1String(".lock"));
    lock.tryLock(kLockWaitMs);
    bool readable = true;
    const QString text = ReadTextFile(filePath_, &readable);
    // A file that exists but cannot be read must not be replaced by one holding only this key.
    if (!readable && QFileInfo::exists(filePath_))
        return false;
    IniDocument document = IniDocument::Parse(text);
    if (!edit(document))
        return true;
    return WriteTextFile(filePath_, document.toText());
}

} // namespace platform
