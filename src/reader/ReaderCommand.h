#pragma once

namespace reader {

// Commands of the main window whose work other windows do (search, results, ClipBook,
// bookmarks, study windows, help). The main window announces them; their windows answer.
enum class ReaderCommand {
    Pericope,
    BookNotes,
    BookIntroduction,
    Parables,
    Prophecies,
    Maps,
    Dictionary,
    Thematic,
    Deutero1,
    Deutero2,
    Deutero3,
    Bookmark,
    ResultsSearch,
    ResultsList,
    ResultsClipBook,
    Tips,
    Help,
    About,
    Etika,
    HakCipta,
    Copy,
    CopyToClipBook,
    CopyParallelToClipBook,
    Find,
    FindPrevious,
    FindNext,
    SearchAll,
    StudyChoice,
    BackToScripture,
};

} // namespace reader
