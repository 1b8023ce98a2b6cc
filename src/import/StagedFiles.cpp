#include "import/StagedFiles.h"

#include "import/ImportError.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace import {

namespace {

const QString kRecordName = QStringLiteral(".vermara-import-swap");

// A file or folder as the file system knows it; a rename keeps it, so it tells which name
// holds the new file at any point of a swap.
struct Identity {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const Identity&) const = default;
};

// A staged name and the identity of its new file, as the swap record keeps them.
struct Swap {
    QString name;
    Identity fresh;
};

// The three names a staged file goes by: its place, the new file before the swap and, where
// the file system cannot swap names, the old file while the new one moves in.
struct Names {
    QString target;
    QString temporary;
    QString previous;
};

Names NamesOf(const QString& folder, const QString& name) {
    const QString target = QDir(folder).filePath(name);
    return {target, target + QStringLiteral(".tmp"), target + QStringLiteral(".old")};
}

std::optional<Identity> IdentityOf(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return Identity{quint64(info.st_dev), quint64(info.st_ino)};
}

bool Exists(const QString& path) {
    return IdentityOf(path).has_value();
}

QString Cause(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

void Check(int error, const QString& from, const QString& to) {
    if (error) {
        throw ImportError(
            QStringLiteral("%1 tidak dapat dipindahkan ke %2 (%3)")
                .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), Cause(error)));
    }
}

// Forces a file, or a folder with all it holds, to the disk before the swap record says it is
// complete.
void SyncToDisk(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        const QDir folder(path);
        for (const QString& entry :
             folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            SyncToDisk(folder.filePath(entry));
    }
    ::fsync(fd);
    ::close(fd);
}

QString RecordPath(const QString& folder) {
    return QDir(folder).filePath(kRecordName);
}

// Written under a temporary name and renamed, so the record is either absent or whole.
void WriteRecord(const QString& folder, const std::vector<Swap>& swaps, const FileMoves& moves) {
    const QString path = RecordPath(folder);
    QByteArray text;
    for (const Swap& swap : swaps)
        text += QStringLiteral("%1 %2 %3\n")
                    .arg(swap.fresh.device)
                    .arg(swap.fresh.inode)
                    .arg(swap.name)
                    .toUtf8();
    QFile file(path + QStringLiteral(".tmp"));
    const bool written = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() &&
                         file.flush() && ::fsync(file.handle()) == 0;
    const int error = written ? moves.rename(file.fileName(), path) : (errno ? errno : EIO);
    file.close();
    if (error) {
        moves.remove(file.fileName());
        throw ImportError(QStringLiteral("catatan penggantian %1 tidak dapat ditulis (%2)")
                              .arg(QDir::toNativeSeparators(path), Cause(error)));
    }
    SyncToDisk(folder);
}

// A line of the record: device, inode and name, separated by single blanks.
std::optional<Swap> SwapOf(const QString& line) {
    bool device = false;
    bool inode = false;
    const Swap swap{line.section(u' ', 2),
                    {line.section(u' ', 0, 0).toULongLong(&device),
                     line.section(u' ', 1, 1).toULongLong(&inode)}};
    if (!device || !inode || swap.name.isEmpty())
        return std::nullopt;
    return swap;
}

std::optional<std::vector<Swap>> ReadRecord(const QString& folder) {
    QFile file(RecordPath(folder));
    if (!file.exists())
        return std::nullopt;
    const QString unreadable = QStringLiteral("catatan penggantian %1 tidak dapat dibaca")
                                   .arg(QDir::toNativeSeparators(file.fileName()));
    if (!file.open(QIODevice::ReadOnly))
        throw ImportError(unreadable);
    std::vector<Swap> swaps;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const std::optional<Swap> swap = SwapOf(line);
        if (!swap)
            throw ImportError(unreadable);
        swaps.push_back(*swap);
    }
    return swaps;
}

// The name of the three that holds the file with identity id, if any does.
std::optional<QString> Holder(const Names& names, const Identity& id) {
    for (const QString& path : {names.target, names.temporary, names.previous}) {
        if (IdentityOf(path) == id)
            return path;
    }
    return std::nullopt;
}

// The first name of the three that holds another file than id: the old one.
std::optional<QString> OtherHolder(const Names& names, const Identity& id) {
    for (const QString& path : {names.target, names.previous, names.temporary}) {
        const std::optional<Identity> held = IdentityOf(path);
        if (held && *held != id)
            return path;
    }
    return std::nullopt;
}

// Brings the file at from to the target name in one swap; where the file system cannot swap,
// the file at the target first steps aside.
void Place(const QString& from, const Names& names, const FileMoves& moves) {
    if (from == names.target)
        return;
    if (!Exists(names.target)) {
        Check(moves.rename(from, names.target), from, names.target);
        return;
    }
    int error = moves.exchange(from, names.target);
    if (error == EINVAL || error == ENOSYS) {
        const QString aside = from == names.temporary ? names.previous : names.temporary;
        moves.remove(aside);
        Check(moves.rename(names.target, aside), names.target, aside);
        error = moves.rename(from, names.target);
    }
    Check(error, from, names.target);
}

// Puts every new file (keepNew) or every old one in its place; a name that had no old file
// gives up its new one. Nothing is removed, so the record still describes the folder.
void Settle(const QString& folder, const std::vector<Swap>& swaps, bool keepNew,
            const FileMoves& moves) {
    for (const Swap& swap : swaps) {
        const Names names = NamesOf(folder, swap.name);
        const std::optional<QString> kept =
            keepNew ? Holder(names, swap.fresh) : OtherHolder(names, swap.fresh);
        if (kept)
            Place(*kept, names, moves);
        else if (keepNew)
            throw ImportError(QStringLiteral("%1 hilang").arg(names.temporary));
        else if (Holder(names, swap.fresh) == names.target)
            Check(moves.rename(names.target, names.temporary), names.target, names.temporary);
    }
}

// The record goes first: from then on the files left under the other names are spare.
void Clear(const QString& folder, const std::vector<Swap>& swaps, const FileMoves& moves) {
    moves.remove(RecordPath(folder));
    for (const Swap& swap : swaps) {
        const Names names = NamesOf(folder, swap.name);
        moves.remove(names.temporary);
        moves.remove(names.previous);
    }
}

void FinishRecordedSwap(const QString& folder, const FileMoves& moves) {
    const std::optional<std::vector<Swap>> swaps = ReadRecord(folder);
    if (!swaps)
        return;
    const bool allNew = std::all_of(swaps->begin(), swaps->end(), [&](const Swap& swap) {
        return Holder(NamesOf(folder, swap.name), swap.fresh).has_value();
    });
    Settle(folder, *swaps, allNew, moves);
    Clear(folder, *swaps, moves);
}

QString FolderName(const QString& folder) {
    return QDir::toNativeSeparators(QDir(folder).absolutePath());
}

// Records the new file of every staged name, once each is on the disk. Before the record
// exists nothing has moved, and a failure leaves the folder as it was.
std::vector<Swap> RecordSwap(const QString& folder, const QStringList& staged,
                             const FileMoves& moves) {
    std::vector<Swap> swaps;
    try {
        for (const QString& name : staged) {
            const Names names = NamesOf(folder, name);
            moves.remove(names.previous);
            const std::optional<Identity> fresh = IdentityOf(names.temporary);
            if (!fresh)
                throw ImportError(QStringLiteral("%1 tidak ada").arg(names.temporary));
            SyncToDisk(names.temporary);
            swaps.push_back({name, *fresh});
        }
        if (!swaps.empty())
            WriteRecord(folder, swaps, moves);
    } catch (const ImportError& error) {
        throw ImportError(QStringLiteral("Folder tujuan %1 penuh atau tidak dapat ditulis: %2. "
                                         "Berkas yang sudah ada di folder itu tidak berubah.")
                              .arg(FolderName(folder), error.message()));
    }
    return swaps;
}

// After a move failed: the old files go back and the new ones are dropped. Should that fail
// too, the record stays and the next run finishes the swap.
[[noreturn]] void PutBack(const QString& folder, const std::vector<Swap>& swaps,
                          const FileMoves& moves, const QString& cause) {
    try {
        Settle(folder, swaps, false, moves);
        Clear(folder, swaps, moves);
    } catch (const ImportError&) {
        throw ImportError(QStringLiteral("Folder tujuan %1 tidak dapat ditulis: %2. Penggantian "
                                         "berkas di folder itu belum selesai; jalankan impor "
                                         "sekali lagi untuk menyelesaikannya.")
                              .arg(FolderName(folder), cause));
    }
    throw ImportError(QStringLiteral("Folder tujuan %1 tidak dapat ditulis: %2. Berkas yang "
                                     "sudah ada di folder itu tidak berubah.")
                          .arg(FolderName(folder), cause));
}

} // namespace

StagedFiles::StagedFiles(QString folder, FileMoves moves)
    : folder_(std::move(folder)), moves_(std::move(moves)) {
    recover(folder_, {}, moves_);
}

StagedFiles::~StagedFiles() {
    if (!staging_)
        return;
    for (const QString& name : names_)
        moves_.remove(NamesOf(folder_, name).temporary);
}

QString StagedFiles::stage(const QString& name) {
    const QString temporary = NamesOf(folder_, name).temporary;
    moves_.remove(temporary);
    names_ << name;
    return temporary;
}

void StagedFiles::commit() {
    staging_ = false;
    std::vector<Swap> swaps;
    try {
        swaps = RecordSwap(folder_, names_, moves_);
    } catch (const ImportError&) {
        for (const QString& name : names_)
            moves_.remove(NamesOf(folder_, name).temporary);
        throw;
    }
    try {
        Settle(folder_, swaps, true, moves_);
    } catch (const ImportError& error) {
        PutBack(folder_, swaps, moves_, error.message());
    }
    Clear(folder_, swaps, moves_);
}

void StagedFiles::recover(const QString& folder, const QStringList& names, const FileMoves& moves) {
    try {
        FinishRecordedSwap(folder, moves);
        moves.remove(RecordPath(folder) + QStringLiteral(".tmp"));
        for (const QString& name : names) {
            const Names leftover = NamesOf(folder, name);
            if (!Exists(leftover.target) && Exists(leftover.previous))
                Check(moves.rename(leftover.previous, leftover.target), leftover.previous,
                      leftover.target);
            moves.remove(leftover.temporary);
            moves.remove(leftover.previous);
        }
    } catch (const ImportError& error) {
        throw ImportError(
            QStringLiteral("Penggantian berkas yang terhenti di folder %1 tidak dapat "
                           "diselesaikan: %2")
                .arg(FolderName(folder), error.message()));
    }
}

} // namespace import
