#include "customizer/StagedStore.h"

#include "platform/Folders.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace customizer {
namespace {

namespace fs = std::filesystem;

const QString kPrefix = QStringLiteral(".VERMARA2000.DAT.");
constexpr const char* kPictures = "Peta";
// Inside a staging folder: the destination's old pictures while the new ones move in, or,
// when it had none, an empty folder that says so.
constexpr const char* kOldPictures = "Peta.lama";
constexpr const char* kNoOldPictures = "tanpa-Peta";

fs::path PathOf(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// The staging folders of this program and the temporary stores (with their journals) that
// earlier versions wrote beside the destination.
bool IsLeftoverName(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\.VERMARA2000\\.DAT\\.[A-Za-z0-9]{6}(-journal)?$"));
    return pattern.match(name).hasMatch();
}

// Undoes a move of the pictures that the store did not follow. True when nothing is left to
// put back; false when the old pictures are still in the staging folder and must stay there.
bool PutBack(const fs::path& staging, const fs::path& destination) {
    if (!Exists(staging / store::kDataFileName.toStdString()))
        return true; // the store moved in: the build finished
    const bool setAside = Exists(staging / kOldPictures);
    if (!setAside && !Exists(staging / kNoOldPictures))
        return true;
    std::error_code error;
    const fs::path pictures = destination / kPictures;
    if (!Exists(staging / kPictures))
        fs::remove_all(pictures, error); // the new pictures had moved in
    if (!error && setAside)
        fs::rename(staging / kOldPictures, pictures, error);
    if (!error)
        fs::remove(staging / kNoOldPictures, error);
    return !error;
}

int LockedFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void TidyStaging(const fs::path& staging, const fs::path& destination) {
    const int fd = LockedFolder(staging);
    if (fd < 0)
        return; // a build is using it
    std::error_code error;
    if (PutBack(staging, destination))
        fs::remove_all(staging, error);
    ::close(fd);
}

} // namespace

void StagedStore::RemoveLeftovers(const QString& folder) {
    if (folder.trimmed().isEmpty())
        return;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (!IsLeftoverName(entry.fileName()))
            continue;
        const fs::path path = PathOf(entry.filePath());
        std::error_code error;
        if (entry.isDir() && !entry.isSymLink())
            TidyStaging(path, PathOf(folder));
        else
            fs::remove(path, error);
    }
}

StagedStore::StagedStore(const QString& destinationFolder, StepCheck check)
    : destination_(destinationFolder), check_(std::move(check)) {
    if (destinationFolder.trimmed().isEmpty())
        return;
    QByteArray pattern = QFile::encodeName(
        platform::JoinPath(destinationFolder, kPrefix + QStringLiteral("XXXXXX")));
    if (!::mkdtemp(pattern.data()))
        return;
    staging_ = QFile::decodeName(pattern);
    fd_ = LockedFolder(PathOf(staging_));
}

StagedStore::~StagedStore() {
    if (staging_.isEmpty())
        return;
    const fs::path staging = PathOf(staging_);
    std::error_code error;
    if (PutBack(staging, PathOf(destination_)))
        fs::remove_all(staging, error);
    if (fd_ >= 0)
        ::close(fd_);
}

QString StagedStore::storePath() const {
    return staging_ + u'/' + store::kDataFileName;
}

bool StagedStore::stagePictures(const QString& sourcePictures) {
    if (!step(BuildStep::StagePictures))
        return false;
    const fs::path staged = PathOf(staging_) / kPictures;
    const fs::path old = PathOf(destination_) / kPictures;
    std::error_code error;
    if (Exists(old)) {
        fs::copy(old, staged, fs::copy_options::recursive | fs::copy_options::create_hard_links,
                 error);
        if (error) { // a disk without hard links gets copies
            fs::remove_all(staged, error);
            fs::copy(old, staged, fs::copy_options::recursive, error);
        }
    } else {
        fs::create_directory(staged, error);
    }
    const QDir from(sourcePictures);
    for (const QString& name : from.entryList(QDir::Files)) {
        if (error)
            break;
        const fs::path target = staged / PathOf(name);
        fs::remove_all(target, error); // a link to the old picture; the old one stays as it is
        if (!error)
            fs::copy_file(PathOf(from.filePath(name)), target, error);
    }
    picturesStaged_ = !error;
    return picturesStaged_;
}

bool StagedStore::commit() {
    if ((picturesStaged_ && !moveInPictures()) || !step(BuildStep::MoveStore))
        return false;
    std::error_code error;
    fs::rename(PathOf(storePath()), PathOf(platform::JoinPath(destination_, store::kDataFileName)),
               error);
    return !error;
}

bool StagedStore::moveInPictures() {
    const fs::path staging = PathOf(staging_);
    const fs::path pictures = PathOf(destination_) / kPictures;
    if (!step(BuildStep::SetAsideOldPictures))
        return false;
    std::error_code error;
    if (Exists(pictures))
        fs::rename(pictures, staging / kOldPictures, error);
    else
        fs::create_directory(staging / kNoOldPictures, error);
    if (error || !step(BuildStep::MovePictures))
        return false;
    fs::rename(staging / kPictures, pictures, error);
    return !error;
}

} // namespace customizer
