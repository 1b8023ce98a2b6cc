#include "reader/CommandTable.h"

#include "platform/ProductName.h"

#include <algorithm>

namespace reader {

namespace {

using C = ReaderCommand;
using M = CommandMenu;

CommandRow Item(M menu, const char* name, const QString& caption, C command,
                const char* module = "", bool separatorBefore = false) {
    return {menu,    QString::fromUtf8(name),   caption,         false,       {},
            command, QString::fromUtf8(module), separatorBefore, std::nullopt};
}

CommandRow Check(M menu, const char* name, const char* caption, C command,
                 std::optional<Option> option, bool separatorBefore = false) {
    return {menu,
            QString::fromUtf8(name),
            QString::fromUtf8(caption),
            true,
            {},
            command,
            {},
            separatorBefore,
            option};
}

CommandRow Item(M menu, const char* name, const char* caption, C command, const char* module = "",
                bool separatorBefore = false) {
    return Item(menu, name, QString::fromUtf8(caption), command, module, separatorBefore);
}

CommandRow WithShortcut(CommandRow row, const char* key) {
    row.shortcut = QString::fromUtf8(key);
    return row;
}

std::vector<CommandRow> BuildRows() {
    return {
        Item(M::Deuterokanonika, "MenuDeutero1", "Deuterokanonika Terjemahan Baru", C::Deutero1),
        Item(M::Deuterokanonika, "MenuDeutero2", "Deuterokanonika Toba", C::Deutero2),
        Item(M::Deuterokanonika, "MenuDeutero3", "Deuterokanonika Bahasa Indonesia Sehari-hari",
             C::Deutero3),
        Item(M::Artikel, "MenuPerikop", "Daftar Perikop Alkitab", C::Pericope, "Perikop"),
        Item(M::Artikel, "MenuKeterangan", "Keterangan Alkitab", C::BookNotes, "Keterangan", true),
        Item(M::Artikel, "MenuPengantar", "Pengantar Kitab", C::BookIntroduction, "Pengantar"),
        Item(M::Artikel, "MenuCommentary", "Tafsiran Alkitab", C::Commentary, "Commentary"),
        Item(M::Artikel, "MenuPerumpamaan", "Daftar Perumpamaan Yesus", C::Parables, "Perumpamaan",
             true),
        Item(M::Artikel, "MenuNubuat", "Daftar Nubuat dan Penggenapan", C::Prophecies, "Nubuat"),
        Item(M::Artikel, "MenuPeta", "Peta Alkitab", C::Maps, "Peta", true),
        Item(M::Artikel, "MenuKamus", "Kamus Alkitab", C::Dictionary, "Kamus"),
        Item(M::Artikel, "MenuTematik", "Ayat-ayat Tematik", C::Thematic, "Tematik"),
        Check(M::Lihat, "menuPadanan", "Padanan Alkitab", C::ToggleParallel, std::nullopt),
        Item(M::Lihat, "MenuHasil", "Jendela Hasil Pencarian", C::ResultsSearch, "", true),
        Item(M::Lihat, "MenuDaftar", "Daftar Hasil Pencarian", C::ResultsList),
        Item(M::Lihat, "MenuClipBook", "ClipBook", C::ResultsClipBook),
        Item(M::Lihat, "MenuTips", "Tip Penggunaan Program", C::Tips, "", true),
        Item(M::Setting, "MenuSettingFont", "Ubah Ukuran dan Jenis Font...", C::ChooseFont),
        Check(M::Setting, "MenuPencarianOptimal", "Pencarian Optimal", C::OptimalSearch,
              Option::OptimalSearch, true),
        Check(M::Setting, "MenuPencarianHapus", "Hapus Hasil Pencarian saat keluar dari program",
              C::DeleteResultsAtExit, Option::DeleteResultsAtExit),
        Item(M::Setting, "menuSettingLokasiData", "Lokasi Data...", C::DataLocation, "", true),
        Check(M::Setting, "menuSettingSimpan", "Selalu simpan setting program",
              C::AlwaysSaveSettings, Option::AlwaysSaveSettings, true),
        Check(M::Tampilan, "menuToolbarVR", "Toolbar Khas VR", C::ToggleSpecialToolBar,
              Option::SpecialToolBar),
        Check(M::Tampilan, "MenuSettingTerpisah", "Tampilkan Pengantar di Jendela Terpisah",
              C::SeparateIntro, Option::SeparateIntro),
        Check(M::Tampilan, "MenuShowTip", "Tampilkan Tip di Awal Program", C::TipsAtStart,
              Option::TipsAtStart),
        // F11 anywhere in the main window gives the normal view back.
        WithShortcut(
            Item(M::Tampilan, "menuSettingNormal", "Tampilan Normal", C::NormalView, "", true),
            "F11"),
        Check(M::Tampilan, "menuSettingToolbar", "Tampilkan Toolbar", C::ToggleToolBar,
              Option::ToolBar, true),
        Check(M::Tampilan, "menuSettingPencarian", "Tampilkan Kotak Pencarian", C::ToggleSearchBar,
              Option::SearchBar),
        Check(M::Tampilan, "menuSettingKitab", "Tampilkan Daftar Kitab", C::ToggleBookPanel,
              Option::BookPanel),
        Check(M::Tampilan, "menuSettingStatus", "Tampilkan Status Bar", C::ToggleStatusLine,
              Option::StatusLine),
        Item(M::Info, "MenuHelp", "Panduan Program", C::Help),
        Item(M::Info, "MenuAbout", QStringLiteral("Tentang ") + platform::kProductName, C::About,
             "", true),
        Item(M::Info, "menuEtika", "Etika Pengutipan Alkitab", C::Etika, "", true),
        Item(M::Info, "menuHakCipta", "Hak Cipta", C::HakCipta),
        Item(M::Edit, "MenuBookmark", "Bookmark", C::Bookmark),
        Item(M::Edit, "MenuPilihSemua", "Pilih Semua", C::SelectAll, "", true),
        Item(M::Edit, "MenuPilihAyat", "Pilih ayat", C::SelectVerse),
        Item(M::Edit, "menuCopy", "Copy", C::Copy),
        Item(M::Edit, "MenuCopyClipBook", "Copy ke ClipBook", C::CopyToClipBook),
        Item(M::OpsiPadanan, "menuPadananPilihSemua", "Pilih Semua", C::ParallelSelectAll),
        Item(M::OpsiPadanan, "menuCopyPadanan", "Copy ke ClipBook", C::CopyParallelToClipBook),
        Item(M::OpsiPadanan, "menuPadananSeluruh", "Tampilkan Seluruh Pasal",
             C::ParallelWholeChapter),
    };
}

} // namespace

const std::vector<MenuRow>& MenuRows() {
    static const std::vector<MenuRow> rows{
        {M::Deuterokanonika, QStringLiteral("MenuDeutero"), QStringLiteral("MenuDeuterokanonika"),
         QStringLiteral("&Deuterokanonika"), QStringLiteral("Deuterokanonika")},
        {M::Artikel, QStringLiteral("MenuArtikel"), {}, QStringLiteral("A&rtikel"), {}},
        {M::Lihat, QStringLiteral("MenuLihat"), {}, QStringLiteral("&Lihat"), {}},
        {M::Setting, QStringLiteral("menuSetting"), {}, QStringLiteral("&Setting"), {}},
        {M::Tampilan, QStringLiteral("MenuTampilan"), {}, QStringLiteral("&Tampilan"), {}},
        {M::Info, QStringLiteral("MenuInfo"), {}, QStringLiteral("&Info"), {}},
        {M::Edit, QStringLiteral("MenuEdit"), {}, {}, {}, true},
        {M::OpsiPadanan, QStringLiteral("menuOpsiPadanan"), {}, {}, {}, true},
    };
    return rows;
}

const std::vector<CommandRow>& CommandRows() {
    static const std::vector<CommandRow> rows = BuildRows();
    return rows;
}

const std::vector<ToolButtonRow>& ToolButtonRows() {
    static const std::vector<ToolButtonRow> rows{
        {1, C::ToggleParallel, {}},
        {2, C::Pericope, QStringLiteral("Perikop")},
        {3, C::BookIntroduction, QStringLiteral("Pengantar")},
        {4, C::Parables, QStringLiteral("Perumpamaan")},
        {5, C::Prophecies, QStringLiteral("Nubuat")},
        {6, C::Maps, QStringLiteral("Peta")},
        {7, C::Dictionary, QStringLiteral("Kamus")},
        {8, C::Deutero1, QStringLiteral("Deuterokanonika")},
        {9, C::Bookmark, {}},
        {11, C::ResultsClipBook, {}},
        {12, C::ResultsList, {}},
        {13, C::ResultsSearch, {}},
    };
    return rows;
}

const std::vector<KeyRow>& KeyRows() {
    static const std::vector<KeyRow> rows{
        {QStringLiteral("keyHistoryBack"), QStringLiteral("F3"), C::HistoryBack},
        {QStringLiteral("keyHistoryForward"), QStringLiteral("F4"), C::HistoryForward},
        {QStringLiteral("keyHistoryNewest"), QStringLiteral("F5"), C::HistoryNewest},
        {QStringLiteral("keyHistoryList"), QStringLiteral("Ctrl+F9"), C::ToggleHistory},
        {QStringLiteral("keyBukaAyat"), QStringLiteral("Ctrl+L"), C::OpenReference},
        {QStringLiteral("keyPasalBerikut"), QStringLiteral("Ctrl+PgDown"), C::NextChapter},
        {QStringLiteral("keyPasalSebelumnya"), QStringLiteral("Ctrl+PgUp"), C::PreviousChapter},
    };
    return rows;
}

const std::vector<SearchButtonRow>& SearchButtonRows() {
    static const std::vector<SearchButtonRow> rows{
        {1, C::Find}, {2, C::FindPrevious}, {3, C::FindNext}, {4, C::SearchAll}};
    return rows;
}

const CommandRow* FindCommandRow(ReaderCommand command) {
    const auto& rows = CommandRows();
    const auto found = std::find_if(rows.begin(), rows.end(), [command](const CommandRow& row) {
        return row.command == command;
    });
    return found == rows.end() ? nullptr : &*found;
}

const ToolButtonRow* FindToolButtonRow(int button) {
    const auto& rows = ToolButtonRows();
    const auto found = std::find_if(rows.begin(), rows.end(), [button](const ToolButtonRow& row) {
        return row.button == button;
    });
    return found == rows.end() ? nullptr : &*found;
}

bool ModuleOn(const std::array<bool, store::kModuleCount>& switches, const QString& module) {
    const qsizetype index = store::ModuleNames().indexOf(module);
    return module.isEmpty() || (index >= 0 && switches[std::size_t(index)]);
}

std::array<QString, kMarkedButtons> ModuleMarks(const std::array<bool, store::kModuleCount>& on) {
    std::array<QString, kMarkedButtons> marks;
    for (const ToolButtonRow& row : ToolButtonRows()) {
        if (row.button <= kMarkedButtons && !ModuleOn(on, row.module))
            marks[std::size_t(row.button - 1)] = kUnavailableMark;
    }
    return marks;
}

} // namespace reader
