#pragma once

#include <QString>
#include <functional>

namespace import {

// The renames and removals by which staged files take their places in one folder. Each passes
// the step hook first: a test fails a step by returning an errno, or ends the process there.
class FileMoves {
public:
    enum class Step { Exchange, Rename, Remove };
    // 0 lets the step run; an errno makes it fail with that error without running.
    using Hook = std::function<int(Step step, const QString& from, const QString& to)>;

    explicit FileMoves(Hook hook = {});

    // Swaps the two names in one step (both must exist); returns 0 or an errno. EINVAL and
    // ENOSYS mean the file system cannot swap names.
    int exchange(const QString& first, const QString& second) const;
    // Renames from to to, replacing a file at to; returns 0 or an errno.
    int rename(const QString& from, const QString& to) const;
    // Removes a file or a whole folder, with the rollback journal SQLite keeps beside a file.
    void remove(const QString& path) const;

private:
    int before(Step step, const QString& from, const QString& to) const;

    Hook hook_;
};

} // namespace import
