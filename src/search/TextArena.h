#pragma once

#include <QtGlobal>
#include <cstdlib>
#include <memory>
#include <vector>

namespace search {

// Memory for many texts that live and die together, taken in blocks of a few megabytes that
// the kernel may back with huge pages: a whole version's text then costs a handful of page
// faults instead of thousands, which dominated the first search of a run.
class TextArena {
public:
    // Room for units UTF-16 code units, never null; give back what the text did not use
    // with keep() before the next take().
    char16_t* take(qsizetype units);
    // Keeps the first units of the last take() and frees the rest of it for the next.
    void keep(qsizetype units);

private:
    struct Free {
        void operator()(char16_t* block) const { std::free(block); }
    };
    void addBlock(qsizetype units);

    std::vector<std::unique_ptr<char16_t, Free>> blocks_;
    char16_t* next_ = nullptr; // first free unit of the newest block
    char16_t* end_ = nullptr;  // end of the newest block
    char16_t* last_ = nullptr; // start of the last take()
};

} // namespace search
