#pragma once

#include <QString>

// Small stores written with the real store writer, for tests of every folder.
//
// Content of the default fixture (three versions):
//  UsysVersi (nr order): 1 "Alkitab Terjemahan Baru" Kitab1 Aktif 1 Lama 1 Baru 1
//                           HakCipta "(c) LAI 1974";
//                        2 "Alkitab Kabar Baik" Kitab2 Aktif 1 Lama 1 Baru 1 HakCipta "(c) BIS";
//                        3 "Perjanjian Baru Saja" Kitab3 Aktif 1 Lama 0 Baru 1 HakCipta "(c) PB".
//  UsysKitab: all 66 books (Urutan 1..66, Perjanjian "Lama"/"Baru", real JumlahBuku),
//    Kitab1 = canonical name, Kitab2 = the same name except "Zakaria" and "Yoél",
//    Kitab3 = "PB " + canonical name for New Testament books (empty for the Old).
//    Intro/Pengantar/CiriKhas/Survai: "Intro <name>", "Pengantar <name>", ...
//    Matius: Perikop "Ucapan bahagia==[Matius#5:3-12]\r\nTentang kasih==[Matius#5:43-48]",
//            Referensi "#5#@5:3 Lukas 6:20,Yesaya 61:1@5:44 Lukas 6:27-28\r\n#1#@1:1 Lukas 3:23".
//  UsysAlkitab (Urutan 1.., id = Urutan): Kejadian 1 (3 verses), Kejadian 2 (2 verses),
//    Zakharia 14 (2 verses: 14:9 ...), Matius 1 (2 verses), Matius 5 (verses 1-6 and 44-45,
//    Ayat 48), Yohanes 3 (verse 16). Perjanjian "Lama"/"Baru". Komentar "Tafsiran Kejadian 1: ..."
//    and two CR LF lines "Tafsiran Matius 5: ..." for those chapters, empty for the others. Verse
//    lines "5:44 text", joined by CR LF. Kitab2 joins 5:3-4 ("5:3-4. text") and is Null for Yohanes
//    3; Kitab3 has only the New Testament chapters and lacks 5:6 (5:1-5:5, 5:44, 5:45); Kitab1 of
//    Matius 5 is
//    "5:1 Ketika Yesus melihat orang banyak itu, naiklah Ia ke atas bukit.\r\n5:2 Maka
//    Yesuspun mulai berbicara ...\r\n5:3 \"Berbahagialah orang yang miskin ...\r\n..."
//    (see FixtureStore.cpp for every line).
//  Every module table filled (2-3 rows each), UsysMenu with the ten modules Aktif 1,
//  UsysInfo ids 1, 3, 4, 99, 100. UsysDeuterokanonika three versions (Tobit 1-2, Tambahan
//  Daniel 3, 13, 14). UsysTematik 4 rows under two topics.
namespace fixture {

struct Options {
    bool withTematik = true;        // false: the table UsysTematik is dropped
    bool twoVersionDeutero = false; // UsysDeuterokanonika without Buku3/Kitab3
    // nr 1 TB Kitab1; 2 "Versi Lama" Kitab4 Aktif 0; 4 "-" Kitab5 Aktif 1;
    // 5 "Alkitab Kabar Baik" Kitab2; 7 "Perjanjian Baru Saja" Kitab3 (no Old Testament)
    bool catalogueWithGaps = false;
    bool missingModuleRow = false;   // the "Kamus" row of UsysMenu is left out
    bool allModulesOff = false;      // every UsysMenu row Aktif 0
    bool withoutInfo99 = false;      // UsysInfo lacks id 99
    bool withoutInfo4And100 = false; // UsysInfo lacks the rights notice and the history record
};

// Writes VERMARA2000.DAT into folder (created if needed) and returns its full path.
QString WriteFixtureStore(const QString& folder, const Options& options = {});

} // namespace fixture
