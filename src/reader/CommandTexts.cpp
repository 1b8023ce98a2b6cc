#include "platform/ProductName.h"
#include "reader/CommandBox.h"

namespace reader {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// "2.0.0" and "2.0" of the program version.
QString FullVersion() {
    return platform::VersionText().trimmed();
}

QString ShortVersion() {
    return FullVersion().section(u'.', 0, 1);
}

} // namespace

QString WhoText() {
    return platform::kProductName + QStringLiteral(" versi ") + FullVersion() + kCrLf + kCrLf +
           QStringLiteral("Program pembaca dan penelaah Alkitab berbahasa Indonesia: membaca "
                          "dua versi berdampingan, mencari kata, mengumpulkan ayat di ClipBook, "
                          "menyimpan bookmark dan membuka bahan pelajaran Alkitab.") +
           kCrLf +
           QStringLiteral("Dibuat untuk Linux dengan C++ dan Qt; teks contohnya dibangun dari "
                          "modul SWORD yang bebas dipakai.");
}

QString HistoryText() {
    return QStringLiteral("Riwayat ") + platform::kProductName + QStringLiteral(" ") +
           ShortVersion() + kCrLf + kCrLf +
           QStringLiteral("Vermara lahir dari keinginan agar Alkitab dan bahan pelajarannya "
                          "dapat dibaca dan dicari dengan cepat dalam satu program berbahasa "
                          "Indonesia.") +
           kCrLf +
           QStringLiteral("Versi ini membawa pembaca, pencarian, ClipBook, bookmark dan jendela "
                          "pelajaran ke desktop Linux, bersama versipack untuk menyusun data "
                          "yang lebih kecil dan vermara-import untuk membangun data dari modul "
                          "SWORD.");
}

QString DedicatedText() {
    return QStringLiteral("Dipersembahkan bagi setiap orang yang rindu membaca, merenungkan dan "
                          "membagikan firman Tuhan, dan bagi keluarga serta sahabat yang dengan "
                          "sabar menemani pembuatannya.") +
           kCrLf + kCrLf + QStringLiteral("Soli Deo Gloria.");
}

QString EmailText() {
    return QStringLiteral("Saran, komentar dan laporan kesalahan tentang ") +
           platform::kProductName +
           QStringLiteral(" disampaikan kepada para pengembangnya melalui daftar isu proyek "
                          "Vermara.") +
           kCrLf +
           QStringLiteral("Sebutkan versi program (ketik \\\\WHO di kotak pencarian) dan versi "
                          "database (Info > Tentang, tombol Versi DB).");
}

QString WwwText() {
    return QStringLiteral("Kabar tentang versi baru ") + platform::kProductName +
           QStringLiteral(" diumumkan bersama kode sumbernya, dalam berkas README dan riwayat "
                          "perubahan proyek.") +
           kCrLf + QStringLiteral("Panduan lengkap ada di menu Info > Panduan Program.");
}

} // namespace reader
