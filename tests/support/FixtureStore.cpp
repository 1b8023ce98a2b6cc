#include "support/FixtureStore.h"

#include "scripture/BookCatalogue.h"
#include "store/Schema.h"
#include "store/StoreWriter.h"

#include <QDir>
#include <QFile>
#include <array>

using store::StoreWriter;

namespace fixture {
namespace {

const std::array<int, 39> kOldChapters = {50, 40, 27, 36, 34, 24,  21, 4,  31, 24, 22, 25, 29,
                                          36, 10, 13, 10, 42, 150, 31, 12, 8,  66, 52, 5,  48,
                                          12, 14, 3,  9,  1,  4,   7,  3,  3,  3,  2,  14, 4};
const std::array<int, 27> kNewChapters = {28, 16, 24, 21, 28, 16, 16, 13, 6, 6, 4, 4, 5, 3,
                                          6,  4,  3,  1,  13, 5,  5,  3,  5, 1, 1, 1, 22};

QString Lines(std::initializer_list<const char*> lines) {
    QStringList out;
    for (const char* line : lines)
        out << QString::fromUtf8(line);
    return out.join(QStringLiteral("\r\n"));
}

QVariant Null() {
    return QVariant(QString());
}

struct Chapter {
    const char* book;
    int bab;
    int ayat;
    bool oldTestament;
    QString kitab1, kitab2, kitab3;
};

std::vector<Chapter> Chapters() {
    return {
        {"Kejadian",
         1,
         3,
         true,
         Lines({"1:1 Pada mulanya Allah menciptakan langit dan bumi.",
                "1:2 Bumi belum berbentuk dan kosong.",
                "1:3 Berfirmanlah Allah: \"Jadilah terang.\""}),
         Lines({"1:1 Pada mulanya, ketika Allah mulai menciptakan alam semesta,",
                "1:2 bumi belum berbentuk.", "1:3 Allah berkata, \"Jadilah terang!\""}),
         {}},
        {"Kejadian",
         2,
         2,
         true,
         Lines({"2:1 Demikianlah diselesaikan langit dan bumi.",
                "2:2 Ketika Allah pada hari ketujuh."}),
         Lines({"2:1 Demikianlah langit dan bumi selesai.",
                "2:2 Pada hari ketujuh Allah beristirahat."}),
         {}},
        {"Zakharia",
         14,
         2,
         true,
         Lines({"14:8 Pada waktu itu air hidup akan mengalir dari Yerusalem.",
                "14:9 Maka TUHAN akan menjadi Raja atas seluruh bumi."}),
         Lines({"14:8 Pada hari itu air segar mengalir.", "14:9 TUHAN akan menjadi raja."}),
         {}},
        {"Matius", 1, 2, false,
         Lines({"1:1 Inilah silsilah Yesus Kristus, anak Daud, anak Abraham.",
                "1:2 Abraham memperanakkan Ishak."}),
         Lines({"1:1 Ini daftar nenek moyang Yesus Kristus.", "1:2 Abraham ayah Ishak."}),
         Lines({"1:1 PB Silsilah Yesus Kristus.",
                "1:2 PB Abraham memperanakkan Ishak, anak 'perjanjian'."})},
        {"Matius", 5, 48, false,
         Lines({"5:1 Ketika Yesus melihat orang banyak itu, naiklah Ia ke atas bukit.",
                "5:2 Maka Yesuspun mulai berbicara dan mengajar mereka, kata-Nya:",
                "5:3 \"Berbahagialah orang yang miskin di hadapan Allah.",
                "5:4 Berbahagialah orang yang berdukacita.",
                "5:5 Berbahagialah orang yang lemah lembut.",
                "5:6 Berbahagialah orang yang lapar dan haus akan kebenaran.",
                "5:44 Tetapi Aku berkata kepadamu: Kasihilah musuhmu.",
                "5:45 Karena dengan demikianlah kamu menjadi anak-anak Bapamu."}),
         Lines({"5:1 Yesus melihat orang banyak, lalu naik ke bukit.",
                "5:2 Ia mulai mengajar mereka.",
                "5:3-4. Berbahagialah orang yang tahu mereka miskin dan yang bersedih.",
                "5:5 Berbahagialah orang yang rendah hati.",
                "5:6 Berbahagialah orang yang rindu melakukan kehendak Allah.",
                "5:44 Tetapi Aku berkata: cintailah musuhmu.",
                "5:45 Dengan begitu kalian menjadi anak-anak Bapamu."}),
         Lines({"5:1 PB Yesus naik ke bukit.", "5:2 PB Ia mengajar.", "5:3 PB Miskin.",
                "5:4 PB Berdukacita.", "5:5 PB Lemah lembut.", "5:44 PB Kasihilah musuhmu.",
                "5:45 PB Anak-anak Bapamu."})},
        {"Yohanes",
         3,
         1,
         false,
         Lines({"3:16 Karena begitu besar kasih Allah akan dunia ini."}),
         {},
         Lines({"3:16 PB Karena begitu besar kasih Allah."})},
    };
}

// Two chapters carry a commentary; the others have the empty text.
QString Commentary(const Chapter& c) {
    const QString book = QString::fromUtf8(c.book);
    if (book == QLatin1String("Kejadian") && c.bab == 1)
        return QStringLiteral("Tafsiran Kejadian 1: Allah menciptakan dengan firman-Nya.");
    if (book == QLatin1String("Matius") && c.bab == 5)
        return QStringLiteral("Tafsiran Matius 5: Khotbah di Bukit dimulai dengan ucapan "
                              "bahagia.\r\nBaris kedua tafsiran.");
    return QString();
}

void WriteChapters(StoreWriter& w) {
    int urutan = 0;
    for (const Chapter& c : Chapters()) {
        ++urutan;
        w.insert(QStringLiteral("UsysAlkitab"),
                 {{"id", urutan},
                  {"Perjanjian", c.oldTestament ? QStringLiteral("Lama") : QStringLiteral("Baru")},
                  {"Urutan", urutan},
                  {"Buku", QString::fromUtf8(c.book)},
                  {"Bab", c.bab},
                  {"Ayat", c.ayat},
                  {"Komentar", Commentary(c)},
                  {"Kitab1", c.kitab1},
                  {"Kitab2", c.kitab2.isEmpty() ? Null() : QVariant(c.kitab2)},
                  {"Kitab3", c.kitab3.isEmpty() ? Null() : QVariant(c.kitab3)}});
    }
}

QString DisplayName(const QString& name) {
    if (name == QLatin1String("Zakharia"))
        return QStringLiteral("Zakaria");
    if (name == QLatin1String("Yoel"))
        return QStringLiteral("Yoél");
    return name;
}

void WriteBook(StoreWriter& w, int urutan, const QString& name, int chapters, bool oldTestament) {
    StoreWriter::Row row{
        {"Urutan", urutan},
        {"Perjanjian", oldTestament ? QStringLiteral("Lama") : QStringLiteral("Baru")},
        {"JumlahBuku", chapters},
        {"Intro", QStringLiteral("Intro ") + name},
        {"Pengantar", QStringLiteral("Pengantar ") + name},
        {"CiriKhas", QStringLiteral("CiriKhas ") + name},
        {"Survai", QStringLiteral("Survai ") + name},
        {"Kitab1", name},
        {"Kitab2", DisplayName(name)},
        {"Kitab3", oldTestament ? QString(QLatin1String("")) : QStringLiteral("PB ") + name}};
    if (name == QLatin1String("Matius")) {
        row.push_back({"Perikop", QStringLiteral("Ucapan bahagia==[Matius#5:3-12]\r\n"
                                                 "Tentang kasih==[Matius#5:43-48]")});
        row.push_back({"Referensi", QStringLiteral("#5#@5:3 Lukas 6:20,Yesaya 61:1@5:44 Lukas "
                                                   "6:27-28\r\n#1#@1:1 Lukas 3:23")});
    }
    w.insert(QStringLiteral("UsysKitab"), row);
}

void WriteBooks(StoreWriter& w) {
    const QStringList& old = scripture::OldTestamentBooks();
    const QStringList& neu = scripture::NewTestamentBooks();
    for (int i = 0; i < old.size(); ++i)
        WriteBook(w, scripture::CanonicalPosition(old[i]), old[i], kOldChapters[i], true);
    for (int i = 0; i < neu.size(); ++i)
        WriteBook(w, scripture::CanonicalPosition(neu[i]), neu[i], kNewChapters[i], false);
}

void WriteVersion(StoreWriter& w, int nr, const char* name, const char* column, int aktif, int lama,
                  const char* notice) {
    w.insert(QStringLiteral("UsysVersi"), {{"nr", nr},
                                           {"NamaVersi", QString::fromUtf8(name)},
                                           {"SourceFolder", QString(QLatin1String(""))},
                                           {"NamaTabel", QString::fromUtf8(column)},
                                           {"Aktif", aktif},
                                           {"HakCipta", QString::fromUtf8(notice)},
                                           {"Lama", lama},
                                           {"Baru", 1}});
}

void WriteVersions(StoreWriter& w, const Options& o) {
    if (!o.catalogueWithGaps) {
        WriteVersion(w, 1, "Alkitab Terjemahan Baru", "Kitab1", 1, 1, "(c) LAI 1974");
        WriteVersion(w, 2, "Alkitab Kabar Baik", "Kitab2", 1, 1, "(c) BIS");
        WriteVersion(w, 3, "Perjanjian Baru Saja", "Kitab3", 1, 0, "(c) PB");
        return;
    }
    WriteVersion(w, 1, "Alkitab Terjemahan Baru", "Kitab1", 1, 1, "(c) LAI 1974");
    WriteVersion(w, 2, "Versi Lama", "Kitab4", 0, 1, "(c) Lama");
    WriteVersion(w, 4, "-", "Kitab5", 1, 1, "");
    WriteVersion(w, 5, "Alkitab Kabar Baik", "Kitab2", 1, 1, "(c) BIS");
    WriteVersion(w, 7, "Perjanjian Baru Saja", "Kitab3", 1, 0, "(c) PB");
}

void WriteModules(StoreWriter& w, const Options& o) {
    const char* const names[] = {"Perikop",    "Pengantar", "Perumpamaan", "Peta",
                                 "Kamus",      "Nubuat",    "Commentary",  "Deuterokanonika",
                                 "Keterangan", "Tematik"};
    int id = 0;
    for (const char* name : names) {
        ++id;
        if (o.missingModuleRow && QLatin1String(name) == QLatin1String("Kamus"))
            continue;
        w.insert(QStringLiteral("UsysMenu"), {{"id", id},
                                              {"NamaMenu", QString::fromUtf8(name)},
                                              {"Aktif", o.allModulesOff ? 0 : 1}});
    }
}

void WriteInfo(StoreWriter& w, const Options& o) {
    const std::pair<int, const char*> texts[] = {{1, "Tentang database contoh."},
                                                 {3, "Etika pengutipan: sebutkan versi dan ayat."},
                                                 {4, "Hak cipta tiap versi."},
                                                 {99, "Database Uji 1.0"},
                                                 {100, "\r\n01/12/2026 - Customized by uji/mesin"}};
    for (const auto& [id, text] : texts) {
        if ((o.withoutInfo99 && id == 99) || (o.withoutInfo4And100 && (id == 4 || id == 100)))
            continue;
        w.insert(QStringLiteral("UsysInfo"), {{"id", id}, {"Keterangan", QString::fromUtf8(text)}});
    }
}

void WriteStudyTables(StoreWriter& w) {
    w.insert(QStringLiteral("UsysUmpama"), {{"Urutan", 1},
                                            {"Perumpamaan", QStringLiteral("Penabur")},
                                            {"Matius", QStringLiteral("Matius#5:3-4")},
                                            {"Markus", Null()},
                                            {"Lukas", QStringLiteral("Lukas#8:5-8")},
                                            {"Yohanes", Null()}});
    w.insert(QStringLiteral("UsysUmpama"), {{"Urutan", 2},
                                            {"Perumpamaan", QStringLiteral("Anak yang Hilang")},
                                            {"Lukas", QStringLiteral("Lukas#15:11-32")}});
    w.insert(QStringLiteral("UsysNubuat"), {{"Urutan", 1},
                                            {"Nubuat", QStringLiteral("Raja damai")},
                                            {"Lama", QStringLiteral("Zakharia#14:9")},
                                            {"Baru", QStringLiteral("Matius#5:44-45")}});
    w.insert(QStringLiteral("UsysNubuat"), {{"Urutan", 2},
                                            {"Nubuat", QStringLiteral("Kasih Allah")},
                                            {"Lama", QStringLiteral("Kejadian#1:1")},
                                            {"Baru", QStringLiteral("Yohanes#3:16")}});
    const std::tuple<const char*, const char*, const char*> pictures[] = {
        {"Peta", "Peta Israel", "israel.png"},
        {"Bagan", "Bagan Kanon", "kanon.png"},
        {"peta", "Peta Yerusalem", "yerusalem.png"}};
    for (const auto& [kategori, judul, gambar] : pictures) {
        w.insert(QStringLiteral("UsysGambar"),
                 {{"kategori", QString::fromUtf8(kategori)},
                  {"Judul", QString::fromUtf8(judul)},
                  {"Gambar", QString::fromUtf8(gambar)},
                  {"Keterangan", QStringLiteral("Keterangan gambar")}});
    }
    const std::pair<const char*, const char*> entries[] = {
        {"Abraham", "Bapa orang beriman."}, {"Yerusalem", "Kota Daud."}, {"abba", "Bapa."}};
    for (const auto& [entri, penjelasan] : entries) {
        w.insert(QStringLiteral("UsysKamus"), {{"Entri", QString::fromUtf8(entri)},
                                               {"Penjelasan", QString::fromUtf8(penjelasan)}});
    }
}

void WriteDeutero(StoreWriter& w) {
    const std::tuple<int, const char*, const char*, int> rows[] = {
        {1, "Tobit", "Tobit", 1},
        {1, "Tobit", "Tobit", 2},
        {7, "Tambahan Daniel", "Tambatamba ni buku ni buku ni si Daniel", 3},
        {7, "Tambahan Daniel", "Tambatamba ni buku ni buku ni si Daniel", 13},
        {7, "Tambahan Daniel", "Tambatamba ni buku ni buku ni si Daniel", 14}};
    for (const auto& [urutan, buku1, buku2, bab] : rows) {
        const QString label = QStringLiteral("%1:1 ").arg(bab);
        w.insert(QStringLiteral("UsysDeuterokanonika"),
                 {{"Urutan", urutan},
                  {"Buku1", QString::fromUtf8(buku1)},
                  {"Buku2", QString::fromUtf8(buku2)},
                  {"Buku3", QString::fromUtf8(buku1)},
                  {"Bab", bab},
                  {"Kitab1", label + QStringLiteral("Teks TB ") + QString::fromUtf8(buku1)},
                  {"Kitab2", label + QStringLiteral("Teks Toba ") + QString::fromUtf8(buku2)},
                  {"Kitab3", label + QStringLiteral("Teks BIS ") + QString::fromUtf8(buku1)}});
    }
}

void WriteTematik(StoreWriter& w) {
    const std::tuple<int, const char*, const char*> rows[] = {{1, "Kasih", "Yohanes#3:16"},
                                                              {2, "Kasih", "Matius#5:44-45"},
                                                              {3, " kasih ", "Matius#5:3"},
                                                              {4, "Penciptaan", "Kejadian#1:1-3"}};
    for (const auto& [id, topik, ayat] : rows) {
        w.insert(
            QStringLiteral("UsysTematik"),
            {{"id", id}, {"Topik", QString::fromUtf8(topik)}, {"Ayat", QString::fromUtf8(ayat)}});
    }
}

void ApplyVariants(StoreWriter& w, const Options& o) {
    if (!o.withTematik)
        w.dropTable(QStringLiteral("UsysTematik"));
    if (o.twoVersionDeutero) {
        w.dropColumn(QStringLiteral("UsysDeuterokanonika"), QStringLiteral("Buku3"));
        w.dropColumn(QStringLiteral("UsysDeuterokanonika"), QStringLiteral("Kitab3"));
    }
}

} // namespace

QString WriteFixtureStore(const QString& folder, const Options& options) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(store::kDataFileName);
    QFile::remove(path);
    store::CreateDefaultDB(path);
    {
        StoreWriter w(path);
        w.begin();
        WriteChapters(w);
        WriteBooks(w);
        WriteVersions(w, options);
        WriteModules(w, options);
        WriteInfo(w, options);
        WriteStudyTables(w);
        WriteDeutero(w);
        WriteTematik(w);
        w.commit();
        ApplyVariants(w, options);
    }
    return path;
}

} // namespace fixture
