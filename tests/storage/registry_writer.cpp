// A second running copy for the store's multi-process tests: it opens the key
// \Software\Ferlo\<subkey> and writes "Counter" = 1, 2, ... <count> (or without end when count
// is 0). Before each write it prints "writing N", after it "wrote N", flushed at once, so that a
// test that kills it knows which values the hive may hold.
#include "storage/Registry.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: registry_writer <subkey> <count>\n");
        return 2;
    }
    const QString subkey = QString::fromLocal8Bit(argv[1]);
    const long count = std::strtol(argv[2], nullptr, 10);
    try {
        for (long i = 1; count == 0 || i <= count; ++i) {
            ferlo::TRegistry registry;
            registry.setRootKey(ferlo::HKEY_LOCAL_MACHINE);
            if (!registry.OpenKey(QStringLiteral("\\Software\\Ferlo\\") + subkey, true)) {
                std::fprintf(stderr, "%s\n", qPrintable(registry.LastError()));
                return 1;
            }
            std::printf("writing %ld\n", i);
            std::fflush(stdout);
            registry.WriteInteger(QStringLiteral("Counter"), int(i));
            std::printf("wrote %ld\n", i);
            std::fflush(stdout);
        }
    } catch (const ferlo::ERegistryException& error) {
        std::fprintf(stderr, "%s %s\n", qPrintable(error.message()), qPrintable(error.reason()));
        return 1;
    }
    return 0;
}
