#pragma once

namespace search {

// The request to stop a running search or highlighting; whoever honours it clears it.
class StopToken {
public:
    void request() { requested_ = true; }
    void clear() { requested_ = false; }
    bool requested() const { return requested_; }
    // True once per request: the request is cleared when taken.
    bool take() {
        const bool was = requested_;
        requested_ = false;
        return was;
    }

private:
    bool requested_ = false;
};

} // namespace search
