#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace search {

// True when the program's arguments ask for a search on the command line (--search).
bool IsCommandLineSearch(int argc, char** argv);

// The search with QtCore alone, so it runs without a display; returns the exit status.
int RunCommandLineSearch(int argc, char** argv);

// vermara --search EXPR [--scope 0|1|2|3] [--book NAME] [--chapter N] [--exact]
// [--whole-words] [--fold] [--version NR] [--data PATH] [--keep]: prints the finished results file
// to out; messages go to err with status 2. args start with the program name; without --data the
// store is looked for in programFolder. The results file is removed after printing unless --keep
// leaves it, stamped, in the user's own temporary folder, where the reader's "Pencarian Optimal"
// finds it.
int CommandLineSearch(const QStringList& args, QTextStream& out, QTextStream& err,
                      const QString& programFolder);

} // namespace search
