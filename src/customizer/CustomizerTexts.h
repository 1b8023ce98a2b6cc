#pragma once

#include <QString>
#include <QStringList>

// The customizer's own texts, shared by the wizard and the command line.
namespace customizer::texts {

inline const QString kCrLf = QStringLiteral("\r\n");

inline QString SameFolders() {
    return QStringLiteral("Folder sumber dan tujuan tidak boleh sama.");
}
inline QString FoldersRequired() {
    return QStringLiteral("Folder database sumber dan tujuan yang akan dibentuk harus diisi.");
}
inline QString SourceMissing(const QString& sourceText) {
    return QStringLiteral("Database VERMARA2000.DAT tidak ditemukan di path ") + sourceText;
}
// storeMessage is the store's own account of why the source at path failed. When the storage
// engine failed, the store closes that account with the engine's words in parentheses, in
// English ("(no such table: UsysTematik)"); the user reads the Indonesian part only.
inline QString SourceUnreadable(const QString& path, const QString& storeMessage) {
    QString cause = storeMessage;
    const QString prefix = QStringLiteral("Database ") + path + QStringLiteral(": ");
    const qsizetype engine = cause.indexOf(QStringLiteral(" ("), prefix.size());
    if (cause.startsWith(prefix) && engine >= 0 && cause.endsWith(u')'))
        cause = cause.left(engine) + QStringLiteral("; berkasnya mungkin rusak.");
    return QStringLiteral("Database sumber tidak dapat dibuka.") + kCrLf + cause;
}
// A catalogue with no rows, or only rows that offer nothing (Null or inactive).
inline QString NoActiveVersion(const QString& path) {
    return QStringLiteral("Database sumber tidak memiliki versi Alkitab yang aktif.") + kCrLf +
           QStringLiteral("Daftar versi (tabel UsysVersi) di ") + path +
           QStringLiteral(" kosong atau rusak; pilih folder sumber yang berisi database Vermara "
                          "yang lengkap.");
}
inline QString KeptVersion(const QString& name) {
    return QStringLiteral("Maaf, ") + name + QStringLiteral(" harus selalu digunakan.");
}
inline QString TwoVersions() {
    return QStringLiteral("Anda harus memilih minimal 2 versi Alkitab");
}
inline QString Overwrite() {
    return QStringLiteral("VERMARA2000.DAT ada di direktori ini, tindih file ini?");
}
inline QString DestinationUnwritable() {
    return QStringLiteral("Drive/direktori tujuan tidak dapat ditulis.") + kCrLf +
           QStringLiteral("Kembali ke langkah pertama dan pilih direktori tujuan lain. ");
}
// The disk filled up or refused a write part-way; the staged files are gone again.
inline QString DestinationFull(const QString& folder, bool hadStore) {
    return QStringLiteral("Database baru tidak dapat ditulis ke folder ") + folder +
           QStringLiteral(": disk penuh atau folder tidak dapat ditulis.") + kCrLf +
           (hadStore ? QStringLiteral("Database VERMARA2000.DAT yang lama di folder itu tidak "
                                      "berubah.")
                     : QStringLiteral("Tidak ada berkas yang tertinggal di folder itu."));
}
inline QString SourceIncomplete(const QString& path, const QStringList& problems) {
    return QStringLiteral("Database sumber ") + path +
           QStringLiteral(" tidak lengkap atau rusak:") + kCrLf + QStringLiteral("- ") +
           problems.join(kCrLf + QStringLiteral("- "));
}
inline QString DestinationUntouched() {
    return QStringLiteral("Folder tujuan tidak diubah.");
}
// The source failed while the build was reading it.
inline QString SourceFailed(const QString& path, bool hadStore) {
    return QStringLiteral("Database sumber ") + path +
           QStringLiteral(" tidak dapat dibaca sampai selesai; berkasnya mungkin rusak.") + kCrLf +
           (hadStore ? QStringLiteral("Database VERMARA2000.DAT yang lama di folder tujuan tidak "
                                      "berubah.")
                     : DestinationUntouched());
}
inline QString VersionNotInSource(const QString& name) {
    return QStringLiteral("Versi \"%1\" tidak ada di database sumber.").arg(name);
}
inline QString NoDisplay() {
    return QStringLiteral("versipack memerlukan layar grafis, tetapi DISPLAY dan WAYLAND_DISPLAY "
                          "tidak diatur; jalankan dari desktop atau pakai mode baris perintah "
                          "(versipack --help).");
}
inline QString Copying() {
    return QStringLiteral("Meng-copy data dari database sumber...");
}
inline QString Waiting() {
    return QStringLiteral("Tunggu... database sedang disiapkan");
}
inline QString Building() {
    return QStringLiteral("Silahkan tunggu... Database sedang dibuat.");
}

} // namespace customizer::texts
