#pragma once

#include "reader/ReaderSettings.h"

#include <QObject>
#include <array>

namespace reader {

// The user's check marks of the "Setting" and "Tampilan" menus.
enum class Option {
    AlwaysSaveSettings,  // "Selalu simpan setting program"
    TipsAtStart,         // "Tampilkan Tip di Awal Program"
    DeleteResultsAtExit, // "Hapus Hasil Pencarian saat keluar dari program"
    OptimalSearch,       // "Pencarian Optimal"
    SeparateIntro,       // "Tampilkan Pengantar di Jendela Terpisah"
    StatusLine,
    ToolBar,
    SpecialToolBar, // "Toolbar Khas VR"
    BookPanel,
    SearchBar,
};
inline constexpr int kOptionCount = int(Option::SearchBar) + 1;

// Every checkable option of the reader in one place: menus show it, the frame and the
// commands read it, the settings load and save it. Nothing else keeps a copy.
class ReaderOptions : public QObject {
    Q_OBJECT
public:
    explicit ReaderOptions(QObject* parent = nullptr);

    bool isOn(Option option) const { return on_[std::size_t(option)]; }
    // Announces the option when its value changes.
    void set(Option option, bool on);

    // LoadSettings: every option as the settings hold it.
    void load(const OptionSettings& settings);
    // The options as SaveSettings writes them; the font fields are left as they are.
    void store(OptionSettings& settings) const;

signals:
    void changed(reader::Option option);

private:
    std::array<bool, kOptionCount> on_{};
};

} // namespace reader
