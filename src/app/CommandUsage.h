#pragma once

namespace ferlo {

// Prints the command line's usage (--help) in the program's language to standard output.
void printUsage();

} // namespace ferlo
