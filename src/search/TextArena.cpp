#include "search/TextArena.h"

#include <new>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace search {
namespace {

constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kBlockBytes = 2 * kHugePage;

size_t RoundUp(size_t bytes, size_t to) {
    return (bytes + to - 1) / to * to;
}

} // namespace

char16_t* TextArena::take(qsizetype units) {
    if (!next_ || end_ - next_ < units)
        addBlock(units);
    last_ = next_;
    next_ += units;
    return last_;
}

void TextArena::keep(qsizetype units) {
    Q_ASSERT(last_ && units <= next_ - last_);
    next_ = last_ + units;
}

void TextArena::addBlock(qsizetype units) {
    const size_t bytes =
        RoundUp(std::max(kBlockBytes, size_t(units) * sizeof(char16_t)), kHugePage);
    auto* block = static_cast<char16_t*>(std::aligned_alloc(kHugePage, bytes));
    if (!block)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    // Only advice: without huge pages the block works the same, page by page.
    madvise(block, bytes, MADV_HUGEPAGE);
#endif
    blocks_.emplace_back(block);
    next_ = block;
    end_ = block + bytes / sizeof(char16_t);
}

} // namespace search
