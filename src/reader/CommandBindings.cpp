#include "reader/CommandBindings.h"

namespace reader {

void CommandBindings::bind(ReaderCommand command, Handler handler) {
    handlers_[command].push_back(std::move(handler));
}

int CommandBindings::count(ReaderCommand command) const {
    const auto found = handlers_.find(command);
    return found == handlers_.end() ? 0 : int(found->second.size());
}

bool CommandBindings::run(ReaderCommand command) const {
    const auto found = handlers_.find(command);
    if (found == handlers_.end())
        return false;
    for (const Handler& handler : found->second)
        handler();
    return true;
}

} // namespace reader
