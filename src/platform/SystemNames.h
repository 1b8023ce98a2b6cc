#pragma once

#include <QString>

namespace platform {

// The login name of the user running the program; empty when the system cannot tell.
QString UserLoginName();

// The computer's host name; empty when the system cannot tell.
QString ComputerName();

} // namespace platform
