#include "support/CapturedRun.h"

#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace ferlo::test {

CapturedRun captureOutput(const std::function<int()>& run) {
    QTemporaryFile outFile, errFile;
    if (!outFile.open() || !errFile.open())
        qFatal("cannot capture output");
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(1);
    const int savedErr = dup(2);
    dup2(outFile.handle(), 1);
    dup2(errFile.handle(), 2);
    CapturedRun captured;
    captured.code = run();
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(savedOut);
    close(savedErr);
    outFile.seek(0);
    errFile.seek(0);
    captured.out = QString::fromLocal8Bit(outFile.readAll());
    captured.err = QString::fromLocal8Bit(errFile.readAll());
    return captured;
}

} // namespace ferlo::test
