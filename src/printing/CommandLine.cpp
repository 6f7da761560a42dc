#include "printing/CommandLine.h"

#include <cstring>

namespace ferlo {

bool isCommandLineExport(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-to") == 0 || std::strcmp(argv[i], "--help") == 0)
            return true;
    }
    return false;
}

int runCommandLineExport(const QStringList&) {
    return 1;
}

} // namespace ferlo
