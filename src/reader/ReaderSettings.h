#pragma once

#include <QString>

namespace platform {
class SettingsStore;
}

namespace reader {

// Where the reader stopped: "kitab"/"perj", "buku", "pasal".
struct LastPosition {
    bool oldTestament = true;
    int book = 0;
    int chapter = 0;
};

// The reader's settings under its installation key: the QueryKeyHash of the program folder,
// so that copies of the program in other folders keep their own settings.
class ReaderSettings {
public:
    ReaderSettings(platform::SettingsStore& store, const QString& programFolder);

    static QString InstallationKey(const QString& programFolder);
    const QString& installationKey() const { return key_; }

    QString location(const QString& defaultPath) const;
    bool setLocation(const QString& dataPath);

    // Catalogue numbers (nr) of the active and the parallel version.
    qint32 activeNr() const;
    qint32 parallelNr() const;
    // "padanan": true while the parallel panel is hidden, so the next step shows it.
    bool parallelHidden() const;
    LastPosition lastPosition() const;
    // "Opsi"/"Tip" and "Opsi"/"Etika": windows the first activation opens.
    bool tipsAtStart() const;
    bool etikaAtStart() const;
    QString fontName() const;
    double fontSize() const;

    // The marker the customizer looks for: "VR2000"/"CDInstall"/"Installed" = "yes".
    void markInstalled();

private:
    QString value(const QString& section, const QString& key, const QString& fallback) const;
    int number(const QString& section, const QString& key, int fallback) const;

    platform::SettingsStore& store_;
    QString key_;
};

} // namespace reader
