#include "import/StagedFiles.h"

#include "import/ImportError.h"

#include <QDir>
#include <filesystem>

namespace import {

namespace {

std::filesystem::path PathOf(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

bool Exists(const QString& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(PathOf(path), error));
}

// SQLite keeps a rollback journal beside the file it writes; it goes with that file.
void RemoveWithJournal(const QString& path) {
    std::error_code error;
    std::filesystem::remove_all(PathOf(path), error);
    std::filesystem::remove(PathOf(path + QStringLiteral("-journal")), error);
}

} // namespace

StagedFiles::StagedFiles(QString folder) : folder_(std::move(folder)) {}

StagedFiles::~StagedFiles() {
    if (committed_)
        return;
    for (const Entry& entry : entries_)
        RemoveWithJournal(entry.temporary);
}

QString StagedFiles::stage(const QString& name) {
    const QDir folder(folder_);
    Entry entry;
    entry.target = folder.filePath(name);
    entry.temporary = entry.target + QStringLiteral(".tmp");
    entry.previous = entry.target + QStringLiteral(".old");
    RemoveWithJournal(entry.temporary);
    entries_.push_back(entry);
    return entry.temporary;
}

void StagedFiles::commit() {
    try {
        for (Entry& entry : entries_)
            moveIn(entry);
    } catch (const ImportError&) {
        putBack();
        throw;
    }
    committed_ = true;
    for (const Entry& entry : entries_)
        RemoveWithJournal(entry.previous);
}

void StagedFiles::moveIn(Entry& entry) {
    std::error_code error;
    RemoveWithJournal(entry.previous);
    entry.hadTarget = Exists(entry.target);
    if (entry.hadTarget)
        std::filesystem::rename(PathOf(entry.target), PathOf(entry.previous), error);
    if (!error)
        std::filesystem::rename(PathOf(entry.temporary), PathOf(entry.target), error);
    if (error) {
        throw ImportError(QStringLiteral("%1 tidak dapat diganti: %2")
                              .arg(QDir::toNativeSeparators(entry.target),
                                   QString::fromStdString(error.message())));
    }
    entry.moved = true;
}

// Undoes the moves of a commit that failed half-way: each old target takes its place again.
void StagedFiles::putBack() {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        std::error_code error;
        if (it->moved)
            std::filesystem::remove_all(PathOf(it->target), error);
        if (it->hadTarget && Exists(it->previous))
            std::filesystem::rename(PathOf(it->previous), PathOf(it->target), error);
    }
}

} // namespace import
