#pragma once

#include <QString>

namespace reader {

// The reader's options for a run with windows.
struct ReaderCommandLine {
    QString dataPath;   // --data: the store, or the folder that holds it
    QString screenshot; // --screenshot: save the main window there and end
    bool parallel = false;
    bool textOnly = false;
};

// Reads the options; --help, a wrong option and a missing display are answered here, before
// any display is opened, and end the program.
ReaderCommandLine ParseReaderCommandLine(int argc, char** argv);

} // namespace reader
