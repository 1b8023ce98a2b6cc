#pragma once

#include <functional>

namespace customizer {

// The steps of a build that write to the destination folder, in order. The first four
// write only inside the hidden staging folder; the last three move into the destination.
enum class BuildStep {
    CreateStore,
    CopyTables,
    FinishStore,
    StagePictures,
    SetAsideOldPictures,
    MovePictures,
    MoveStore
};

// Asked before each step; false makes the step fail as a full or refusing disk would.
// Lets tests fail or end a build at any step.
using StepCheck = std::function<bool(BuildStep)>;

} // namespace customizer
