#pragma once

#include "reader/ReaderCommand.h"

#include <functional>
#include <map>
#include <vector>

namespace reader {

// Who answers each command of the frame. Every command object binds its own commands here
// once; a row of the command table bound twice, or not at all, is a wiring fault that the
// table walk of the tests finds.
class CommandBindings {
public:
    using Handler = std::function<void()>;

    void bind(ReaderCommand command, Handler handler);
    // How many handlers answer the command (1 when wired right).
    int count(ReaderCommand command) const;
    // Runs the command's handlers; false when none answers it.
    bool run(ReaderCommand command) const;

private:
    std::map<ReaderCommand, std::vector<Handler>> handlers_;
};

} // namespace reader
