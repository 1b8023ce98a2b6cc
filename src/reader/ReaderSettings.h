#pragma once

#include "platform/FontRules.h"

#include <QString>
#include <optional>

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

// The user's switches of section "Opsi" and the reading font, with their defaults.
struct OptionSettings {
    bool saveSettings = false;                     // "saveset": "Selalu simpan setting program"
    bool tipsAtStart = false;                      // "Tip"
    bool deleteResults = false;                    // "flush": results files deleted at exit
    bool statusLine = true;                        // "sbar"
    bool toolBar = true;                           // "tbar"
    bool specialToolBar = true;                    // "bbar": "Toolbar Khas VR"
    bool bookPanel = true;                         // "klist"
    bool searchBar = true;                         // "pbar"
    bool optimal = true;                           // "Optimal": "Pencarian Optimal"
    bool separateIntro = true;                     // "splitIntro"
    QString fontName = platform::kDefaultFontName; // "font"/"name"
    double fontSize = platform::kDefaultFontSize;  // "font"/"size"
};

// Everything SaveSettings writes at the end of a run.
struct SavedSettings {
    OptionSettings options;
    qint32 activeNr = 1;
    qint32 parallelNr = 1;
    LastPosition last;
    bool parallelHidden = true; // "padanan"
};

// The reader's settings under its installation key: the QueryKeyHash of the program folder,
// so that copies of the program in other folders keep their own settings. A value of the
// wrong kind (letters for a number, a number out of its range) reads as the key's default.
class ReaderSettings {
public:
    ReaderSettings(platform::SettingsStore& store, const QString& programFolder);

    static QString InstallationKey(const QString& programFolder);
    const QString& installationKey() const { return key_; }
    // The settings file, for messages about it.
    const QString& filePath() const;

    // The stored data path; a stored folder stands for the data file inside it.
    QString location(const QString& defaultPath) const;
    bool setLocation(const QString& dataPath);
    // The command box's reset: a location no file has, so the next start asks for the folder.
    void resetLocation();

    // Catalogue numbers (nr) of the active and the parallel version.
    qint32 activeNr() const;
    qint32 parallelNr() const;
    // "padanan": true while the parallel panel is hidden, so the next step shows it.
    bool parallelHidden() const;
    LastPosition lastPosition() const;
    // "Opsi"/"Tip" and "Opsi"/"Etika": windows the first activation opens. Set by their
    // windows' own check boxes, they outlive a run that deletes its settings at the end.
    bool tipsAtStart() const;
    bool etikaAtStart() const;
    void setTipsAtStart(bool show);
    void setEtikaAtStart(bool show);
    QString fontName() const;
    double fontSize() const;

    OptionSettings LoadSettings() const;
    // Writes every key, or deletes them when "Selalu simpan setting program" is off; then only
    // a start-up window chosen with its check box in this run keeps its key ("Tip" as the
    // saved options hold it at the end). False when the settings file could not be updated
    // (full disk, a folder in its place, a file that cannot be read); every key is still tried.
    bool SaveSettings(const SavedSettings& saved);
    // Every key of the reader except "Location"; false when the file could not be updated.
    bool DeleteSettings();

    // The marker the customizer looks for: "VR2000"/"CDInstall"/"Installed" = "yes".
    void markInstalled();

private:
    QString value(const QString& section, const QString& key, const QString& fallback) const;
    int number(const QString& section, const QString& key, int fallback) const;
    // A number at least 0, or the fallback.
    int position(const QString& key, int fallback) const;
    bool isOne(const QString& key, bool fallback) const;
    bool nonZero(const QString& key, bool fallback) const;
    bool write(const QString& section, const QString& key, const QString& value);
    bool writeFlag(const QString& key, bool on);

    platform::SettingsStore& store_;
    QString key_;
    bool tipsChosen_ = false;
    std::optional<bool> etikaChosen_;
};

} // namespace reader
