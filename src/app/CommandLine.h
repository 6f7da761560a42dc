#pragma once

#include <QStringList>

namespace ferlo {

// True when --print-to, --help or --version is among the arguments: the program then exports a
// PDF (or prints its usage or version) without opening a window.
bool isCommandLineExport(int argc, char** argv);

// Runs the command-line export; needs a QApplication (the offscreen platform will do).
// The arguments are the program's, as QCoreApplication::arguments() gives them: the program's
// name first.
// Returns the process exit code: 0 on success, non-zero with one line on stderr otherwise.
int runCommandLineExport(const QStringList& arguments);

} // namespace ferlo
