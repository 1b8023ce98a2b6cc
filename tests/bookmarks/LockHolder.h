#pragma once

#include <QLockFile>
#include <QString>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Another reader in the middle of its save: a child process that takes the QLockFile, says so
// on one pipe, and keeps the lock until the other pipe is closed.
class LockHolder {
public:
    explicit LockHolder(const QString& lockPath) {
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0)
            return;
        if (::pipe(release) != 0) {
            ::close(ready[0]);
            ::close(ready[1]);
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            QLockFile lock(lockPath);
            const char taken = lock.tryLock(0) ? 1 : 0;
            (void)!::write(ready[1], &taken, 1);
            char byte = 0;
            // Returns when the parent closes its end (or ends).
            (void)!::read(release[0], &byte, 1);
            lock.unlock();
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        release_ = release[1];
        char taken = 0;
        held_ = pid_ > 0 && ::read(ready[0], &taken, 1) == 1 && taken == 1;
        ::close(ready[0]);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    ~LockHolder() { release(); }

    bool held() const { return held_; }
    // The child unlocks and ends; returns once it has.
    void release() {
        if (release_ >= 0) {
            ::close(release_);
            release_ = -1;
        }
        if (pid_ > 0) {
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool held_ = false;
};
