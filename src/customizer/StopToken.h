#pragma once

namespace customizer {

// Set by whoever wants a running build to end; the build looks at it once per row.
class StopToken {
public:
    void request() { requested_ = true; }
    bool requested() const { return requested_; }

private:
    bool requested_ = false;
};

} // namespace customizer
