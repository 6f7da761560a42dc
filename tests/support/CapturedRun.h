#pragma once

#include <QString>

#include <functional>

namespace ferlo::test {

// What a command-line run of the program gave: its exit status and what it printed.
struct CapturedRun {
    int code = -1;
    QString out;
    QString err;
};

// Runs `run` in this process with standard output and error captured through files.
CapturedRun captureOutput(const std::function<int()>& run);

} // namespace ferlo::test
