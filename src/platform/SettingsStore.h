#pragma once

#include "platform/IniDocument.h"

#include <QString>
#include <functional>
#include <optional>

namespace platform {

// How the settings file is read and written; tests replace these to provoke failures that
// file permissions cannot provoke for every user.
struct SettingsFileAccess {
    // The file's text; ok is false when an existing file cannot be read.
    std::function<QString(const QString& path, bool* ok)> read;
    // False when the file could not be written; the old file is then left whole.
    std::function<bool(const QString& path, const QString& text)> write;
};

SettingsFileAccess DefaultFileAccess();

// Text settings under an application name, a section and a key, kept in one INI file that
// the reader and the customizer share. Names are compared without regard to case. The file
// is parsed again only when it changed on disk, and every change re-reads a changed file
// first, so two programs running at once do not lose each other's keys.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath, SettingsFileAccess access = DefaultFileAccess());

    // vermara.ini in the "Vermara" folder of the user's config folder (XDG_CONFIG_HOME).
    static QString DefaultFilePath();
    const QString& filePath() const { return filePath_; }

    QString get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue = {}) const;
    bool contains(const QString& app, const QString& section, const QString& key) const;
    // Both return false when the file could not be updated (then it is left as it was).
    bool set(const QString& app, const QString& section, const QString& key, const QString& value);
    bool remove(const QString& app, const QString& section, const QString& key);

private:
    // Identifies one version of the file: a rewrite gets a new inode or time stamp.
    struct Stamp {
        bool exists = false;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const QString& path);
    // The parsed file, read again when its stamp changed; nullptr when it cannot be read.
    const IniDocument* document() const;
    bool change(const std::function<bool(IniDocument&)>& edit);

    QString filePath_;
    SettingsFileAccess access_;
    mutable std::optional<IniDocument> cached_; // unset while the file is unreadable
    mutable std::optional<Stamp> cachedStamp_;
};

} // namespace platform
