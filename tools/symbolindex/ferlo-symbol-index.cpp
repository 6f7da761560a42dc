// ferlo-symbol-index: builds the symbol index that Ferlo ships, at build time.
//   ferlo-symbol-index OUT.index OPENMOJI.csv CLDR_COMMON_DIR|- LANGUAGE...
// "-" in place of the CLDR folder builds an index of English alone.

#include "symbols/SymbolIndexBuilder.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(
            stderr,
            "usage: ferlo-symbol-index OUT.index OPENMOJI.csv CLDR_COMMON_DIR|- LANGUAGE...\n");
        return 2;
    }
    try {
        const QString cldr = args[3] == QLatin1String("-") ? QString() : args[3];
        const ferlo::SymbolIndexBuild build = ferlo::buildSymbolIndex(args[2], cldr, args.mid(4));
        QSaveFile out(args[1]);
        if (!out.open(QIODevice::WriteOnly) || out.write(build.index) != build.index.size() ||
            !out.commit()) {
            std::fprintf(stderr, "ferlo-symbol-index: %s: %s\n", qPrintable(args[1]),
                         qPrintable(out.errorString()));
            return 1;
        }
        std::printf("ferlo-symbol-index: %d symbols (%d of their own), languages %s, %lld bytes\n",
                    build.symbols, build.ownSymbols,
                    qPrintable(build.languages.join(QLatin1Char(' '))),
                    static_cast<long long>(build.index.size()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ferlo-symbol-index: %s\n", error.what());
        return 1;
    }
    return 0;
}
