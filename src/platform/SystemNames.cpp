#include "platform/SystemNames.h"

#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// Without a controlling terminal (a desktop launcher, a service) getlogin_r fails; the
// account of the effective user is then the best answer.
QString AccountName() {
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    return QString::fromLocal8Bit(found->pw_name);
}

} // namespace

QString UserLoginName() {
    char name[256] = {};
    if (getlogin_r(name, sizeof name) == 0 && name[0] != '\0')
        return QString::fromLocal8Bit(name);
    return AccountName();
}

QString ComputerName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return QString::fromLocal8Bit(name);
}

} // namespace platform
