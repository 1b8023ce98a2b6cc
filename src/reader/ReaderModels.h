#pragma once

#include "platform/ReadingLook.h"
#include "reader/Navigator.h"
#include "reader/ReaderOptions.h"

namespace reader {

// The state the reader's windows share, each with one owner: the place (with its history),
// the check-mark options and the reading font. Windows observe them; none keeps a copy.
struct ReaderModels {
    explicit ReaderModels(const store::Store* store) : navigator(store) {}

    Navigator navigator;
    ReaderOptions options;
    platform::ReadingLook look;
};

} // namespace reader
