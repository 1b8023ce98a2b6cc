#include "platform/SettingsStore.h"

#include "platform/AnsiCodePage.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <sys/stat.h>

namespace platform {

namespace {

// Long enough for another instance to finish a write, short enough not to hang the window.
constexpr int kLockWaitMs = 3000;

} // namespace

SettingsFileAccess DefaultFileAccess() {
    return {[](const QString& path, bool* ok) { return ReadTextFile(path, ok); }, WriteTextFile};
}

SettingsStore::SettingsStore(QString filePath, SettingsFileAccess access)
    : filePath_(std::move(filePath)), access_(std::move(access)) {}

QString SettingsStore::DefaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/Vermara/vermara.ini");
}

QString SettingsStore::get(const QString& app, const QString& section, const QString& key,
                           const QString& defaultValue) const {
    const IniDocument* file = document();
    return file ? file->value(app, section, key).value_or(defaultValue) : defaultValue;
}

bool SettingsStore::contains(const QString& app, const QString& section, const QString& key) const {
    const IniDocument* file = document();
    return file && file->value(app, section, key).has_value();
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

SettingsStore::Stamp SettingsStore::StampOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, quint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

const IniDocument* SettingsStore::document() const {
    const Stamp stamp = StampOf(filePath_);
    if (cachedStamp_ != stamp) {
        bool readable = true;
        const QString text = stamp.exists ? access_.read(filePath_, &readable) : QString();
        cached_.reset();
        cachedStamp_.reset();
        // An unreadable file is tried again at the next call, even if it did not change.
        if (readable) {
            cached_ = IniDocument::Parse(text);
            cachedStamp_ = stamp;
        }
    }
    return cached_ ? &*cached_ : nullptr;
}

bool SettingsStore::change(const std::function<bool(IniDocument&)>& edit) {
    const QFileInfo info(filePath_);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    // Without the lock the change is still written; the lock only narrows the window in
    // which two instances could both read the old file.
    QLockFile lock(filePath_ + QLatin1String(".lock"));
    lock.tryLock(kLockWaitMs);
    // A file that exists but cannot be read must not be replaced by one holding only this key.
    if (!document())
        return false;
    if (!edit(*cached_))
        return true;
    if (!access_.write(filePath_, cached_->toText())) {
        // The edit never reached the file, so the next read parses the file again.
        cachedStamp_.reset();
        return false;
    }
    cachedStamp_ = StampOf(filePath_);
    return true;
}

} // namespace platform
