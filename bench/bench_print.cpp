// The printed page's cost, each case in a process of its own so that its peak memory is its own:
//   page600    one A4 landscape page at 600 dpi with 8 photographs of 24 megapixels, timed
//              against decoding the same 8 files in full, one after another, in the same run
//   small1200  a 640 x 480 JPEG alone on a 1-per-page card at 1200 dpi
//   page1200   the page of page600 at 1200 dpi
//   deck       8 such pages (64 pictures) in one PDF at 600 dpi, memory after every page
//   bench_print [case] [folder]   (no case: all of them; default folder: a temporary one, where
//                                  the pictures are made)
// Prints each figure with its target and exits non-zero when one is missed.
#include "BenchSupport.h"
#include "printing/CardPage.h"
#include "printing/PagePainter.h"
#include "printing/PdfExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int pictureWidth = 6000;
constexpr int pictureHeight = 4000;
constexpr int pictureCount = 8;
constexpr int deckPages = 8;
const QStringList caseNames = {"page600", "small1200", "page1200", "deck"};

bool report(const char* figure, double value, double target, const char* unit) {
    return ferlo::bench::reportTarget(44, figure, value, target, unit);
}

double mb(long kb) {
    return kb / 1024.0;
}

// From here on VmHWM counts the peak of what follows (Linux: writing 5 to clear_refs).
void resetPeakMemory() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

ferlo::CardPage cardOf(const QStringList& pictures, int picturesPerPage) {
    ferlo::CardPage page;
    page.Arrangement = ferlo::PageArrangement(picturesPerPage);
    page.Portrait = false;
    page.LabelFont = QFont(QStringLiteral("Arial"));
    page.LabelFont.setBold(true);
    for (const QString& picture : pictures) {
        page.FileNames << picture;
        page.PictureLoaded << true;
        page.LabelTexts << QFileInfo(picture).completeBaseName().toUpper();
    }
    return page;
}

const ferlo::PaintOptions asDib = [] {
    ferlo::PaintOptions options;
    options.printAsDib = [] {
        return true;
    };
    return options;
}();

double pdfMb(const QString& pdf) {
    return QFileInfo(pdf).size() / (1024.0 * 1024.0);
}

bool page600(const QStringList& photos, const QString& folder) {
    const ferlo::CardPage page = cardOf(photos, 8);
    const QString pdf = QDir(folder).filePath(QStringLiteral("page600.pdf"));
    // Each side twice, taking the faster run, so a cold cache or a busy moment counts less.
    double fullDecode = 1e300;
    double exportTime = 1e300;
    double fullDecodeCpu = 1e300;
    double exportCpu = 1e300;
    resetPeakMemory();
    for (int round = 0; round < 2; ++round) {
        QElapsedTimer timer;
        timer.start();
        double cpu = ferlo::bench::processCpuSeconds();
        for (const QString& picture : photos)
            ferlo::bench::decodeInFull(picture);
        fullDecode = std::min(fullDecode, timer.nsecsElapsed() / 1e9);
        fullDecodeCpu = std::min(fullDecodeCpu, ferlo::bench::processCpuSeconds() - cpu);

        timer.restart();
        cpu = ferlo::bench::processCpuSeconds();
        ferlo::writeCardPdf(pdf, {page}, QPageSize(QPageSize::A4), 600, asDib);
        exportTime = std::min(exportTime, timer.nsecsElapsed() / 1e9);
        exportCpu = std::min(exportCpu, ferlo::bench::processCpuSeconds() - cpu);
    }
    std::printf("page600: 8 pictures of %d x %d, one A4 landscape page at 600 dpi, labels on\n",
                pictureWidth, pictureHeight);
    std::printf("full decode of the 8 files, one after another: %.3f s (%.3f s of CPU)\n",
                fullDecode, fullDecodeCpu);
    std::printf(
        "export of the page:                            %.3f s (%.3f s of CPU, all threads)\n",
        exportTime, exportCpu);
    std::printf("machine: %d cores; the time ratio assumes they are free\n",
                QThread::idealThreadCount());
    bool met = true;
    met &= report("export time / full decode time", exportTime / fullDecode, 0.5, "x");
    met &= report("peak memory of the process (VmHWM)", mb(ferlo::bench::processStatusKb("VmHWM")),
                  150.0, "MB");
    met &= report("PDF size", pdfMb(pdf), 5.0, "MB");
    return met;
}

bool small1200(const QString& folder) {
    const QString jpeg = QDir(folder).filePath(QStringLiteral("small.jpg"));
    if (!QFileInfo::exists(jpeg))
        ferlo::bench::writePhotoJpeg(jpeg, 640, 480, 3);
    const QString pdf = QDir(folder).filePath(QStringLiteral("small1200.pdf"));
    resetPeakMemory();
    QElapsedTimer timer;
    timer.start();
    ferlo::writeCardPdf(pdf, {cardOf({jpeg}, 1)}, QPageSize(QPageSize::A4), 1200, asDib);
    const double jpegMb = QFileInfo(jpeg).size() / (1024.0 * 1024.0);
    std::printf("small1200: a 640 x 480 JPEG of %.1f KB on a 1-per-page A4 landscape card at "
                "1200 dpi: %.3f s\n",
                jpegMb * 1024, timer.nsecsElapsed() / 1e9);
    bool met = true;
    met &= report("PDF size", pdfMb(pdf), 2 * jpegMb + 200.0 / 1024, "MB");
    met &= report("peak memory of the process (VmHWM)", mb(ferlo::bench::processStatusKb("VmHWM")),
                  150.0, "MB");
    return met;
}

bool page1200(const QStringList& photos, const QString& folder) {
    const QString pdf = QDir(folder).filePath(QStringLiteral("page1200.pdf"));
    resetPeakMemory();
    QElapsedTimer timer;
    timer.start();
    ferlo::writeCardPdf(pdf, {cardOf(photos, 8)}, QPageSize(QPageSize::A4), 1200, asDib);
    std::printf("page1200: the page of page600 at 1200 dpi: %.3f s\n", timer.nsecsElapsed() / 1e9);
    bool met = true;
    met &= report("PDF size", pdfMb(pdf), 3.5, "MB");
    met &= report("peak memory of the process (VmHWM)", mb(ferlo::bench::processStatusKb("VmHWM")),
                  160.0, "MB");
    return met;
}

// The export's multi-page path, page by page on one writer, with the memory after each page.
bool deck(const QStringList& photos, const QString& folder) {
    const QString pdf = QDir(folder).filePath(QStringLiteral("deck.pdf"));
    const ferlo::CardPage page = cardOf(photos, 8);
    resetPeakMemory();
    ferlo::writeCardPdf(pdf, {page}, QPageSize(QPageSize::A4), 600, asDib);
    const long onePage = ferlo::bench::processStatusKb("VmHWM");

    resetPeakMemory();
    QElapsedTimer timer;
    timer.start();
    std::vector<long> rss;
    std::vector<long> peak;
    {
        QPdfWriter writer(pdf);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter(&writer);
        for (int i = 0; i < deckPages; ++i) {
            if (i > 0)
                writer.newPage();
            ferlo::paintCardPage(painter, QSize(writer.width(), writer.height()), page, asDib);
            rss.push_back(ferlo::bench::processStatusKb("VmRSS"));
            peak.push_back(ferlo::bench::processStatusKb("VmHWM"));
        }
    }
    std::printf("deck: %d pages of 8 pictures of %d x %d (the same 8 files on every page), "
                "A4 landscape at 600 dpi, one PDF: %.3f s, %.1f MB\n",
                deckPages, pictureWidth, pictureHeight, timer.nsecsElapsed() / 1e9, pdfMb(pdf));
    std::printf("peak memory of a one-page export first: %.0f MB\n", mb(onePage));
    std::printf("memory after each page of the deck (VmRSS / VmHWM so far, MB):");
    for (size_t i = 0; i < rss.size(); ++i)
        std::printf(" %.0f/%.0f", mb(rss[i]), mb(peak[i]));
    std::printf("\n");
    const long mostRss = *std::max_element(rss.begin(), rss.end());
    bool met = true;
    met &= report("peak after the last page / after page 1", double(peak.back()) / peak.front(),
                  1.1, "x");
    met &= report("highest VmRSS after a page / after page 1", double(mostRss) / rss.front(), 1.1,
                  "x");
    return met;
}

} // namespace

int main(int argc, char** argv) {
    ferlo::bench::prepareBenchProcess();
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    const ferlo::bench::BenchArguments arguments =
        ferlo::bench::readBenchArguments(app.arguments().mid(1), caseNames, scratch);
    const QString which = arguments.which;
    const QString folder = arguments.folder;

    QStringList photos;
    for (int i = 0; i < pictureCount; ++i) {
        const QString path = QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i + 1));
        if (!QFileInfo::exists(path))
            ferlo::bench::writePhotoJpeg(path, pictureWidth, pictureHeight, i);
        photos << path;
    }

    if (which.isEmpty()) {
        bool met = true;
        for (const QString& name : caseNames) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(), {name, folder});
            child.waitForFinished(-1);
            met &= child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
            std::printf("\n");
        }
        return met ? 0 : 1;
    }
    bool met = false;
    if (which == "page600")
        met = page600(photos, folder);
    else if (which == "small1200")
        met = small1200(folder);
    else if (which == "page1200")
        met = page1200(photos, folder);
    else
        met = deck(photos, folder);
    return met ? 0 : 1;
}
