#pragma once

#include <QStringList>

class QTextStream;

namespace customizer {

// True when the arguments ask for a build without a window (or for the usage text), so
// the program need not create a window or reach a display.
bool IsCommandLineBuild(const QStringList& arguments);

// versipack --source FOLDER --dest FOLDER --versions "NAME;NAME" [--modules "A;B"] [--yes]
// Runs the wizard's checks and the build. Progress and the closing text go to out, the
// messages to err. Returns 0 for a finished build, 1 when a check, the overwrite
// question or the build stops it, 2 for unusable arguments.
int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace customizer
