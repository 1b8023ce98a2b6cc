#include "platform/FontRules.h"

namespace platform {

double ListFontSize(double readingSize) {
    return readingSize > 12 ? 11 : readingSize;
}

std::optional<double> SmallerFontSize(double size) {
    if (size < 4)
        return std::nullopt;
    return size - 1;
}

} // namespace platform
