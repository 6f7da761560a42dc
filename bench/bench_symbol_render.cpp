// Every symbol of the installed set draws: each colour and line-art SVG is read through the
// bounded reader (SvgPicture) and drawn at 64 x 64 pixels onto a transparent image, which must
// then hold ink. Prints the counts and every file that is refused or draws nothing; exits
// non-zero when there is any.
// Usage: bench_symbol_render [set folder]   (default: the installed set, symbolSetDir())

#include "BenchSupport.h"
#include "storage/Errors.h"
#include "symbols/SvgPicture.h"
#include "symbols/SymbolSet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Whether any pixel of the drawing is not fully transparent.
bool holdsInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 0)
                return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    ferlo::bench::prepareBenchProcess();
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QString setDir = arguments.isEmpty() ? ferlo::symbolSetDir() : arguments.first();
    if (setDir.isEmpty()) {
        std::fprintf(stderr, "bench_symbol_render: the symbol set is not installed\n");
        return 2;
    }
    int failures = 0;
    for (const QString& style : {QStringLiteral("color"), QStringLiteral("black")}) {
        // The installed set's folders, or the package's own (color/svg, black/svg).
        QDir folder(setDir + QLatin1Char('/') + style + QStringLiteral("/svg"));
        if (!folder.exists())
            folder.setPath(setDir + QLatin1Char('/') + style);
        const QStringList files =
            folder.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
        int drawn = 0;
        QElapsedTimer timer;
        timer.start();
        for (const QString& name : files) {
            const QString path = folder.filePath(name);
            try {
                const ferlo::SvgPicture picture = ferlo::SvgPicture::fromFile(path);
                if (holdsInk(picture.toImage(QSize(64, 64)))) {
                    ++drawn;
                    continue;
                }
                std::printf("  draws nothing: %s\n", qPrintable(path));
            } catch (const ferlo::Error& error) {
                std::printf("  refused: %s\n", qPrintable(error.message()));
            }
            ++failures;
        }
        std::printf("%s: %d of %lld drawings draw (%.1f ms each on average)\n", qPrintable(style),
                    drawn, static_cast<long long>(files.size()),
                    files.isEmpty() ? 0.0 : double(timer.elapsed()) / double(files.size()));
        if (files.isEmpty())
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
