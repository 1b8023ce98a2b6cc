#pragma once

#include <QString>

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
inline QString SourceUnreadable(const QString& cause) {
    return QStringLiteral("Database sumber tidak dapat dibuka.") + kCrLf + cause;
}
inline QString NoActiveVersion() {
    return QStringLiteral("Database sumber tidak memiliki versi Alkitab yang aktif.");
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
