// Exporting one A4 landscape page at 600 dpi with 8 photographs of 24 megapixels, against
// decoding the same 8 files in full, one after another, in the same run.
//   bench_print [folder]   (default: a temporary folder; the pictures are made there)
// Prints each figure with its target and exits non-zero when one is missed.
#include "BenchSupport.h"
#include "printing/CardPage.h"
#include "printing/PdfExport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace {

constexpr int pictureWidth = 6000;
constexpr int pictureHeight = 4000;
constexpr int pictureCount = 8;

bool report(const char* figure, double value, double target, const char* unit) {
    const bool met = value <= target;
    std::printf("%-44s %10.3f %-3s (target <= %.3f %s)  %s\n", figure, value, unit, target, unit,
                met ? "met" : "MISSED");
    return met;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    QDir().mkpath(folder);

    QStringList pictures;
    for (int i = 0; i < pictureCount; ++i) {
        const QString path = QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i + 1));
        if (!QFileInfo::exists(path))
            ferlo::bench::writePhotoJpeg(path, pictureWidth, pictureHeight, i);
        pictures << path;
    }

    ferlo::CardPage page;
    page.PicturesPerPage = 8;
    page.Portrait = false;
    page.LabelFont = QFont(QStringLiteral("Arial"));
    page.LabelFont.setBold(true);
    for (const QString& picture : pictures) {
        page.FileNames << picture;
        page.PictureLoaded << true;
        page.LabelTexts << QFileInfo(picture).completeBaseName().toUpper();
    }
    const QString pdf = QDir(folder).filePath(QStringLiteral("bench.pdf"));
    const ferlo::PaintOptions asDib{[] {
        return true;
    }};

    // Each side twice, taking the faster run, so a cold cache or a busy moment counts less.
    double fullDecode = 1e300;
    double exportTime = 1e300;
    double fullDecodeCpu = 1e300;
    double exportCpu = 1e300;
    for (int round = 0; round < 2; ++round) {
        QElapsedTimer timer;
        timer.start();
        double cpu = ferlo::bench::processCpuSeconds();
        for (const QString& picture : pictures)
            ferlo::bench::decodeInFull(picture);
        fullDecode = std::min(fullDecode, timer.nsecsElapsed() / 1e9);
        fullDecodeCpu = std::min(fullDecodeCpu, ferlo::bench::processCpuSeconds() - cpu);

        timer.restart();
        cpu = ferlo::bench::processCpuSeconds();
        ferlo::writeCardPdf(pdf, {page}, QPageSize(QPageSize::A4), 600, asDib);
        exportTime = std::min(exportTime, timer.nsecsElapsed() / 1e9);
        exportCpu = std::min(exportCpu, ferlo::bench::processCpuSeconds() - cpu);
    }
    const double pdfMb = QFileInfo(pdf).size() / (1024.0 * 1024.0);
    const double peakMb = ferlo::bench::processStatusKb("VmHWM") / 1024.0;

    std::printf("8 pictures of %d x %d, one A4 landscape page at 600 dpi, labels on\n",
                pictureWidth, pictureHeight);
    std::printf("full decode of the 8 files, one after another: %.3f s (%.3f s of CPU)\n",
                fullDecode, fullDecodeCpu);
    std::printf(
        "export of the page:                            %.3f s (%.3f s of CPU, all threads)\n",
        exportTime, exportCpu);
    std::printf("machine: %d cores; the time ratio assumes they are free\n",
                QThread::idealThreadCount());
    bool met = true;
    met &= report("export time / full decode time", exportTime / fullDecode, 1.0, "x");
    met &= report("peak memory of the process (VmHWM)", peakMb, 150.0, "MB");
    met &= report("PDF size", pdfMb, 5.0, "MB");
    return met ? 0 : 1;
}
