#pragma once

#include <QString>
#include <functional>

namespace platform {

class IniDocument;

// Text settings under an application name, a section and a key, kept in one INI file that
// the reader and the customizer share. Names are compared without regard to case. Every
// read looks at the file and every change re-reads it first, so two programs running at
// once do not lose each other's keys.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath);

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
    IniDocument load() const;
    bool change(const std::function<bool(IniDocument&)>& edit);

    QString filePath_;
};

} // namespace platform
