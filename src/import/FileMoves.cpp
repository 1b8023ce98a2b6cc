#include "import/FileMoves.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef RENAME_EXCHANGE
#define RENAME_EXCHANGE (1 << 1)
#endif

namespace import {

FileMoves::FileMoves(Hook hook) : hook_(std::move(hook)) {}

int FileMoves::before(Step step, const QString& from, const QString& to) const {
    return hook_ ? hook_(step, from, to) : 0;
}

// Called through syscall() so that a C library without the renameat2 wrapper still swaps.
int FileMoves::exchange(const QString& first, const QString& second) const {
    if (const int error = before(Step::Exchange, first, second))
        return error;
    const QByteArray a = QFile::encodeName(first);
    const QByteArray b = QFile::encodeName(second);
    if (::syscall(SYS_renameat2, AT_FDCWD, a.constData(), AT_FDCWD, b.constData(),
                  RENAME_EXCHANGE) == 0)
        return 0;
    return errno;
}

int FileMoves::rename(const QString& from, const QString& to) const {
    if (const int error = before(Step::Rename, from, to))
        return error;
    const QByteArray a = QFile::encodeName(from);
    const QByteArray b = QFile::encodeName(to);
    return std::rename(a.constData(), b.constData()) == 0 ? 0 : errno;
}

void FileMoves::remove(const QString& path) const {
    const std::filesystem::path file(QFile::encodeName(path).toStdString());
    const std::filesystem::path journal(
        QFile::encodeName(path + QStringLiteral("-journal")).toStdString());
    std::error_code error;
    const bool present = std::filesystem::exists(std::filesystem::symlink_status(file, error)) ||
                         std::filesystem::exists(std::filesystem::symlink_status(journal, error));
    if (!present || before(Step::Remove, path, QString()))
        return;
    std::filesystem::remove_all(file, error);
    std::filesystem::remove(journal, error);
}

} // namespace import
