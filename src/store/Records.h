#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Typed rows of the store's tables. A Null text is a null QString (isNull()).
namespace store {

struct ChapterRow { // UsysAlkitab without its text columns
    qint32 id = 0;
    QString perjanjian;
    qint32 urutan = 0;
    QString buku;
    qint32 bab = 0;
    qint16 ayat = 0;

    // Stores write "Lama"/"Baru"; code that asks a row's testament asks here, so the
    // letter case of the stored value never decides.
    bool oldTestament() const {
        return perjanjian.compare(QLatin1String("lama"), Qt::CaseInsensitive) == 0;
    }
};

struct BookRow { // UsysKitab
    qint32 urutan = 0;
    QString perjanjian;
    qint32 jumlahBuku = 0;
    QString intro;
    QString pengantar;
    QString perikop;
    QString referensi;
    QString ciriKhas;
    QString survai;
    QStringList names; // Kitab1..Kitab50 at 0..49

    // The book's name in a version column such as "Kitab2"; empty when unknown.
    QString name(const QString& column) const;
};

struct VersionRow { // UsysVersi
    qint32 nr = 0;
    QString namaVersi;
    QString sourceFolder;
    QString namaTabel;
    qint32 aktif = 0;
    QString hakCipta;
    qint16 lama = 0;
    qint16 baru = 0;
};

struct ModuleRow { // UsysMenu
    qint32 id = 0;
    QString namaMenu;
    qint32 aktif = 0;
};

struct InfoRow { // UsysInfo
    qint16 id = 0;
    QString keterangan;
};

struct ParableRow { // UsysUmpama
    qint32 urutan = 0;
    QString perumpamaan;
    QString markus;
    QString matius;
    QString lukas;
    QString yohanes;
};

struct ProphecyRow { // UsysNubuat
    qint16 urutan = 0;
    QString nubuat;
    QString lama;
    QString baru;
};

struct PictureRow { // UsysGambar
    QString kategori;
    QString judul;
    QString gambar;
    QString keterangan;
};

struct DictionaryRow { // UsysKamus
    QString entri;
    QString penjelasan;
};

struct DeuteroRow { // UsysDeuterokanonika; buku3/kitab3 stay null in a two-version table
    qint16 urutan = 0;
    QString buku1;
    QString buku2;
    QString buku3;
    qint16 bab = 0;
    QString kitab1;
    QString kitab2;
    QString kitab3;
};

struct ThematicRow { // UsysTematik
    qint32 id = 0;
    QString topik;
    QString ayat;
};

} // namespace store
