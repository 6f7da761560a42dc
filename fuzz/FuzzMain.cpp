// The libFuzzer entry points shared by every harness: a Qt application made once, a scratch
// folder for the files an input is written to, and the harness's check run on each input.

#include "FuzzChecks.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
QTemporaryDir* scratchDir = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Headless, no sound device (the player must never start playing), settings in the scratch
    // folder, UTF-8 file names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("PULSE_SERVER", "unix:/nonexistent/ferlo-fuzz/native");
    qputenv("LC_ALL", "C.UTF-8");
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    // A GUI application on the offscreen platform: drawings draw text, which needs fonts.
    new QGuiApplication(qtArgc, qtArgv); // lives as long as the process
    // The scratch folder lies in memory where it can: a deck or a hive is saved as the program
    // saves it, synced to disk, and on a disk that sync takes far longer than the check itself.
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    scratchDir = memory.isDir() && memory.isWritable()
                     ? new QTemporaryDir(memory.filePath() + QStringLiteral("/ferlo-fuzz-XXXXXX"))
                     : new QTemporaryDir();
    if (!scratchDir->isValid()) {
        std::fprintf(stderr, "fuzz: cannot make a scratch folder\n");
        std::exit(2);
    }
    qputenv("FERLO_REGISTRY_DIR",
            QFile::encodeName(scratchDir->filePath(QStringLiteral("registry"))));
    std::atexit([] { delete scratchDir; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        ferlo::fuzz::fuzzOne(bytes, scratchDir->path());
    } catch (const ferlo::fuzz::Finding& finding) {
        std::fprintf(stderr, "fuzz: FINDING: %s\n", finding.what());
        std::abort();
    }
    return 0;
}
