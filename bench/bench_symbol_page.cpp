// A page of 20 symbols at 1200 dpi: a 4 x 5 grid on A4 portrait, each cell a symbol of the
// installed set with its word, written as a PDF the way --print-to writes it. The symbols are
// vectors, so the file stays small and the memory stays that of the page, not of its pixels.
// Against it in the same run, the baseline: the same page with each symbol as a PNG picture of
// 600 x 600 pixels (what a card of downloaded pictures would hold). Each side runs in a process
// of its own, so that its peak memory is its own.
// Usage: bench_symbol_page [vector|raster [folder]]
// Prints each side's PDF size and peak resident memory, and their ratios; exits non-zero when
// the vector page misses its targets (PDF at most 1 MB, peak at most 120 MB).

#include "BenchSupport.h"
#include "layout/CardModel.h"
#include "printing/CardPage.h"
#include "printing/PdfExport.h"
#include "storage/NativePath.h"
#include "symbols/SvgPicture.h"
#include "symbols/SymbolSet.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

#include <cstdio>
#include <sys/resource.h>

namespace {

// Common picture-card words and their symbols.
const char* const kSymbols[][2] = {
    {"1F415", "dog"},   {"1F408", "cat"},    {"1F404", "cow"},   {"1F416", "pig"},
    {"1F414", "hen"},   {"1F40E", "horse"},  {"1F411", "sheep"}, {"1F41F", "fish"},
    {"1F34E", "apple"}, {"1F34C", "banana"}, {"1F95B", "milk"},  {"1F35E", "bread"},
    {"1F600", "happy"}, {"1F622", "sad"},    {"1F634", "sleep"}, {"1F37D", "eat"},
    {"1F3E0", "house"}, {"1F697", "car"},    {"2600", "sun"},    {"1F333", "tree"},
};

ferlo::CardModel gridCard() {
    ferlo::CardLayout layout;
    layout.kind = ferlo::CardLayout::Kind::Grid;
    layout.Grid.Columns = 4;
    layout.Grid.Rows = 5;
    layout.Grid.Paper = {"A4", 210, 297};
    ferlo::CardModel card;
    card.setLayout(layout);
    return card;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One side: writes the page and prints "bytes peak-kB".
int runSide(const QString& side, const QString& folder) {
    ferlo::CardModel card = gridCard();
    for (int i = 0; i < 20; ++i) {
        const QString hexcode = QString::fromLatin1(kSymbols[i][0]);
        const std::string word = kSymbols[i][1];
        if (side == QLatin1String("vector")) {
            card.setSymbol(
                i, ferlo::SymbolRef{"openmoji", hexcode.toStdString(), ferlo::SymbolStyle::Color},
                word);
            continue;
        }
        const QString png = QStringLiteral("%1/%2.png").arg(folder, QString::fromStdString(word));
        if (!QFileInfo::exists(png)) {
            const QString svg = ferlo::symbolFile(hexcode, ferlo::SymbolStyle::Color);
            ferlo::SvgPicture::fromFile(svg).toImage(QSize(600, 600), Qt::white).save(png);
        }
        card.setPicture(i, ferlo::modelPath(png));
    }
    const QString pdf = QStringLiteral("%1/%2.pdf").arg(folder, side);
    ferlo::writeCardPdf(pdf, {ferlo::makeCardPage(card)}, QPageSize(QPageSize::A4), 1200);
    std::printf("%lld %ld\n", static_cast<long long>(QFileInfo(pdf).size()), peakKilobytes());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    ferlo::bench::prepareBenchProcess();
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (ferlo::symbolSetDir().isEmpty()) {
        std::fprintf(stderr, "bench_symbol_page: the symbol set is not installed\n");
        return 2;
    }
    QTemporaryDir scratch;
    const QString folder = arguments.value(1, scratch.path());
    if (!arguments.isEmpty())
        return runSide(arguments.first(), folder);

    // The raster side makes its PNGs once, outside the measured run.
    QProcess prepare;
    prepare.start(app.applicationFilePath(), {QStringLiteral("raster"), folder});
    prepare.waitForFinished(-1);
    struct Figures {
        double bytes = 0, peakKb = 0;
    };
    const auto measure = [&](const QString& side) {
        QProcess child;
        child.start(app.applicationFilePath(), {side, folder});
        child.waitForFinished(-1);
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        return Figures{fields.value(0).toDouble(), fields.value(1).toDouble()};
    };
    const Figures vector = measure(QStringLiteral("vector"));
    const Figures raster = measure(QStringLiteral("raster"));
    std::printf("20 symbols, 4 x 5 grid on A4, 1200 dpi\n");
    std::printf("  vectors:             PDF %8.0f KB, peak %6.1f MB\n", vector.bytes / 1024,
                vector.peakKb / 1024);
    std::printf("  600 px PNG pictures: PDF %8.0f KB, peak %6.1f MB\n", raster.bytes / 1024,
                raster.peakKb / 1024);
    std::printf("  ratio vectors / pictures: PDF %.3f, peak %.3f\n", vector.bytes / raster.bytes,
                vector.peakKb / raster.peakKb);
    const bool met = vector.bytes > 0 && vector.bytes <= 1024 * 1024 && vector.peakKb <= 120 * 1024;
    std::printf("  targets (PDF <= 1 MB, peak <= 120 MB): %s\n", met ? "met" : "MISSED");
    return met ? 0 : 1;
}
