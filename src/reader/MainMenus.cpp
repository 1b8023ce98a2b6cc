#include "reader/MainMenus.h"

#include "reader/TwoColumnMenu.h"
#include "reader/VersionTable.h"
#include "store/DataLocation.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QWidgetAction>

namespace reader {

namespace {

struct Item {
    const char* name;
    const char* caption;
    bool checkable;
};

const Item kDeutero[] = {{"MenuDeutero1", "Deuterokanonika Terjemahan Baru", false},
                         {"MenuDeutero2", "Deuterokanonika Toba", false},
                         {"MenuDeutero3", "Deuterokanonika Bahasa Indonesia Sehari-hari", false}};
const Item kArtikel[] = {{"MenuPerikop", "Daftar Perikop Alkitab", false},
                         {nullptr, nullptr, false},
                         {"MenuKeterangan", "Keterangan Alkitab", false},
                         {"MenuPengantar", "Pengantar Kitab", false},
                         {"MenuCommentary", "Tafsiran Alkitab", false},
                         {nullptr, nullptr, false},
                         {"MenuPerumpamaan", "Daftar Perumpamaan Yesus", false},
                         {"MenuNubuat", "Daftar Nubuat dan Penggenapan", false},
                         {nullptr, nullptr, false},
                         {"MenuPeta", "Peta Alkitab", false},
                         {"MenuKamus", "Kamus Alkitab", false},
                         {"MenuTematik", "Ayat-ayat Tematik", false}};
const Item kLihat[] = {{"menuPadanan", "Padanan Alkitab", true},
                       {nullptr, nullptr, false},
                       {"MenuHasil", "Jendela Hasil Pencarian", false},
                       {"MenuDaftar", "Daftar Hasil Pencarian", false},
                       {"MenuClipBook", "ClipBook", false},
                       {nullptr, nullptr, false},
                       {"MenuTips", "Tip Penggunaan Program", false}};
const Item kSetting[] = {
    {"MenuSettingFont", "Ubah Ukuran dan Jenis Font...", false},
    {nullptr, nullptr, false},
    {"MenuPencarianOptimal", "Pencarian Optimal", true},
    {"MenuPencarianHapus", "Hapus Hasil Pencarian saat keluar dari program", true},
    {nullptr, nullptr, false},
    {"menuSettingLokasiData", "Lokasi Data...", false},
    {nullptr, nullptr, false},
    {"menuSettingSimpan", "Selalu simpan setting program", true}};
const Item kTampilan[] = {{"menuToolbarVR", "Toolbar Khas VR", true},
                          {"MenuSettingTerpisah", "Tampilkan Pengantar di Jendela Terpisah", true},
                          {"MenuShowTip", "Tampilkan Tip di Awal Program", true},
                          {nullptr, nullptr, false},
                          {"menuSettingNormal", "Tampilan Normal", false},
                          {nullptr, nullptr, false},
                          {"menuSettingToolbar", "Tampilkan Toolbar", true},
                          {"menuSettingPencarian", "Tampilkan Kotak Pencarian", true},
                          {"menuSettingKitab", "Tampilkan Daftar Kitab", true},
                          {"menuSettingStatus", "Tampilkan Status Bar", true}};
const Item kInfo[] = {{"MenuHelp", "Panduan Program", false},
                      {nullptr, nullptr, false},
                      {"MenuAbout", "", false},
                      {nullptr, nullptr, false},
                      {"menuEtika", "Etika Pengutipan Alkitab", false},
                      {"menuHakCipta", "Hak Cipta", false}};

// A version's item: checkable, hidden while the version is not active in this store.
QAction* VersionItem(QObject* owner, const QString& name, const VersionEntry& entry) {
    auto* item = new QAction(entry.name, owner);
    item->setObjectName(name);
    item->setCheckable(true);
    item->setVisible(entry.active);
    return item;
}

// Items are numbered from 1 like the version entries; 0 checks none.
void CheckOnly(const QList<QAction*>& items, int entry) {
    for (int k = 1; k <= items.size(); ++k)
        items[k - 1]->setChecked(k == entry);
}

} // namespace

MainMenus::MainMenus(QMainWindow* window) : QObject(window), window_(window) {
    buildMenuBar();
    buildPopups();
}

QMenu* MainMenus::addMenu(const QString& title, const QString& name) {
    QMenu* menu = window_->menuBar()->addMenu(title);
    menu->setObjectName(name);
    return menu;
}

QAction* MainMenus::addItem(QMenu* menu, const QString& name, const QString& caption,
                            bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(checkable);
    actions_.insert(name, action);
    return action;
}

void MainMenus::addSeparator(QMenu* menu) {
    menu->addSeparator()->setObjectName(QStringLiteral("sep%1").arg(++separators_));
}

void MainMenus::buildMenuBar() {
    alkitab_ = addMenu(QStringLiteral("&Alkitab"), QStringLiteral("MenuAlkitab"));
    columns_ = new TwoColumnMenu(alkitab_);
    auto* holder = new QWidgetAction(alkitab_);
    holder->setDefaultWidget(columns_);
    alkitab_->addAction(holder);
    const auto fill = [this](QMenu* menu, const auto& items) {
        for (const Item& item : items) {
            if (item.name)
                addItem(menu, QString::fromUtf8(item.name), QString::fromUtf8(item.caption),
                        item.checkable);
            else
                addSeparator(menu);
        }
    };
    // The whole deuterocanon menu is the command that its module switch hides.
    QMenu* deutero = addMenu(QStringLiteral("&Deuterokanonika"), QStringLiteral("MenuDeutero"));
    deutero->menuAction()->setObjectName(QStringLiteral("MenuDeuterokanonika"));
    actions_.insert(QStringLiteral("MenuDeuterokanonika"), deutero->menuAction());
    fill(deutero, kDeutero);
    fill(addMenu(QStringLiteral("A&rtikel"), QStringLiteral("MenuArtikel")), kArtikel);
    fill(addMenu(QStringLiteral("&Lihat"), QStringLiteral("MenuLihat")), kLihat);
    fill(addMenu(QStringLiteral("&Setting"), QStringLiteral("menuSetting")), kSetting);
    fill(addMenu(QStringLiteral("&Tampilan"), QStringLiteral("MenuTampilan")), kTampilan);
    fill(addMenu(QStringLiteral("Info"), QStringLiteral("MenuInfo")), kInfo);
    action(QStringLiteral("MenuAbout"))->setText(QStringLiteral("Tentang ") + store::kProductName);
}

void MainMenus::buildPopups() {
    menuEdit_ = new QMenu(window_);
    menuEdit_->setObjectName(QStringLiteral("MenuEdit"));
    addItem(menuEdit_, QStringLiteral("MenuBookmark"), QStringLiteral("Bookmark"));
    addSeparator(menuEdit_);
    addItem(menuEdit_, QStringLiteral("MenuPilihSemua"), QStringLiteral("Pilih Semua"));
    addItem(menuEdit_, QStringLiteral("MenuPilihAyat"), QStringLiteral("Pilih ayat"));
    addItem(menuEdit_, QStringLiteral("menuCopy"), QStringLiteral("Copy"));
    addItem(menuEdit_, QStringLiteral("MenuCopyClipBook"), QStringLiteral("Copy ke ClipBook"));
    addSeparator(menuEdit_);
    menuRef_ = menuEdit_->addMenu(QStringLiteral("Referensi Silang"));
    menuRef_->setObjectName(QStringLiteral("MenuRefMenu"));
    menuRef_->menuAction()->setObjectName(QStringLiteral("MenuRef"));
    actions_.insert(QStringLiteral("MenuRef"), menuRef_->menuAction());
    addItem(menuRef_, QStringLiteral("MenuRefs0"), QStringLiteral("<tidak ada referensi>"));

    opsiVersiKitab_ = new QMenu(QStringLiteral("Opsi"), window_);
    opsiVersiKitab_->setObjectName(QStringLiteral("OpsiVersiKitab"));

    menuOpsiPadanan_ = new QMenu(window_);
    menuOpsiPadanan_->setObjectName(QStringLiteral("menuOpsiPadanan"));
    addItem(menuOpsiPadanan_, QStringLiteral("menuPadananPilihSemua"),
            QStringLiteral("Pilih Semua"));
    addItem(menuOpsiPadanan_, QStringLiteral("menuCopyPadanan"),
            QStringLiteral("Copy ke ClipBook"));
    addItem(menuOpsiPadanan_, QStringLiteral("menuPadananSeluruh"),
            QStringLiteral("Tampilkan Seluruh Pasal"));
}

QAction* MainMenus::action(const QString& name) const {
    return actions_.value(name);
}

void MainMenus::buildVersionItems(const VersionTable& table) {
    for (int k = 1; k <= table.count(); ++k) {
        QAction* versi = VersionItem(alkitab_, QStringLiteral("VersiKitab%1").arg(k), table.at(k));
        connect(versi, &QAction::triggered, this, [this, k] { emit versionChosen(k); });
        versiKitab_.append(versi);
        QAction* opsi =
            VersionItem(opsiVersiKitab_, QStringLiteral("OpsiKitab%1").arg(k), table.at(k));
        opsiVersiKitab_->addAction(opsi);
        connect(opsi, &QAction::triggered, this, [this, k] { emit parallelChosen(k); });
        opsiKitab_.append(opsi);
    }
    columns_->setItems(versiKitab_);
}

void MainMenus::checkVersion(int entry) {
    CheckOnly(versiKitab_, entry);
}

void MainMenus::checkParallel(int entry) {
    CheckOnly(opsiKitab_, entry);
}

} // namespace reader
