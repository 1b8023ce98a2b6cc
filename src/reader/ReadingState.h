#pragma once

namespace reader {

// The book panel's view mode (IsInfo): the scripture, or one of a book's study texts.
enum class ViewMode { Kitab, Intro, Info, CiriKhas, Survai };

// The window state beside the reading position (which the Navigator owns).
struct ReadingState {
    ViewMode isInfo = ViewMode::Kitab;
    bool showNext = false; // the next show-or-hide step shows the parallel panel
    int caretPos = 0;

    // The book panel chooses scripture, not a study text.
    bool scriptureMode() const { return isInfo == ViewMode::Kitab; }
};

} // namespace reader
