#pragma once

#include <QByteArray>
#include <QString>
#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs work in a forked child, so that a file-size limit or a kill there cannot touch the
// test runner. The child sends back a text and ends with the code work returns.
namespace child {

struct End {
    bool killed = false; // ended by SIGKILL
    int code = -1;       // exit code when it exited
    QString text;
};

inline End Run(const std::function<std::pair<int, QString>()>& work) {
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(channel[0]);
        const auto [code, text] = work();
        const QByteArray bytes = text.toUtf8();
        const ssize_t written = ::write(channel[1], bytes.constData(), size_t(bytes.size()));
        ::_exit(written == bytes.size() ? code : 99);
    }
    ::close(channel[1]);
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
            WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(bytes)};
}

} // namespace child
