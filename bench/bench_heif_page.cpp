// Phone photos on paper: four 12-megapixel HEICs without thumbnails on a 4-per-page A4 landscape
// page at 300 dpi, against four sequential runs of libheif's own heif-convert on the same files
// (written as .y4m: the decode alone, no encoder after it). Each side runs in a process of its
// own, so that its CPU time and peak memory are its own, and the sides take turns, round after
// round, so that the load of a shared machine falls on all of them alike:
//   convert  four `heif-convert in.heic out.y4m`, one after another
//   before   the former way to the same page: libheif's conversion to full-size RGB, Qt's
//            32-bit copy of it, then Qt's smooth scaling, the four pictures on the worker threads
//   after    the page's pictures as the program prepares them now (prepareCardPage)
// Usage: bench_heif_page [--alpha | --grid] [rounds] [folder]   (default 3 rounds; the folder
//        keeps the made files; with --alpha the pictures carry an alpha plane: an opaque disc on
//        a transparent ground, as a cut-out photo has; with --grid each is coded as phones code
//        theirs, as a grid of 512 x 512 tiles)
//        bench_heif_page --stages file.heic   (where the CPU time of one picture goes)
// Prints per round and the median and spread of the ratios; exits non-zero when a target is
// missed.
#include "BenchSupport.h"
#include "layout/PrinterCells.h"
#include "pictures/Workers.h"
#include "printing/CardPage.h"
#include "printing/PagePainter.h"
#include "support/GridHeic.h"
#include "support/LibheifRgb.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <libheif/heif.h>

#include "pictures/PictureDecoder.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int kWidth = 4000, kHeight = 3000, kPictures = 4, kDpi = 300;
const QSize kPrintable(3390, 2362); // A4 landscape at 300 dpi inside 5 mm margins

double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

ferlo::CardPage pageOf(const QStringList& pictures) {
    ferlo::CardPage page;
    page.Arrangement = ferlo::PageArrangement(kPictures);
    page.Portrait = false;
    page.LabelFont = QFont(QStringLiteral("Arial"));
    for (const QString& picture : pictures) {
        page.FileNames << picture;
        page.PictureLoaded << true;
        page.LabelTexts << QFileInfo(picture).completeBaseName();
    }
    return page;
}

// The former way for one picture: full-size RGB from libheif, a 32-bit copy, smooth scaling.
QImage formerPicture(const QString& file, const ferlo::TPrinterCell& cell) {
    const QImage image = ferlo::test::libheifRgb(file);
    const QSize own = image.size();
    const ferlo::TRect target = ferlo::FitPictureRect(cell, own.width(), own.height());
    return image.scaled(ferlo::PrintedPictureSize(own, target, kDpi), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

// One side, in this (child) process: prints "wall-seconds cpu-seconds peak-kB" of its work.
int runSide(const QString& side, const QStringList& files) {
    QElapsedTimer timer;
    timer.start();
    if (side == QLatin1String("convert")) {
        for (const QString& file : files) {
            QProcess convert;
            convert.setStandardOutputFile(QProcess::nullDevice());
            convert.start(QStringLiteral("heif-convert"),
                          {file, QDir::temp().filePath(QFileInfo(file).completeBaseName() +
                                                       QStringLiteral("-bench.y4m"))});
            convert.waitForFinished(-1);
        }
        const double wall = timer.nsecsElapsed() / 1e9;
        rusage children{};
        getrusage(RUSAGE_CHILDREN, &children);
        std::printf("%f %f %ld\n", wall, cpuSeconds(RUSAGE_CHILDREN), children.ru_maxrss);
        return 0;
    }
    // The pictures prepared for the page (decoded and scaled to their printed size), not yet
    // painted: what the printer, the preview and Export PDF all start from.
    timer.restart();
    const double cpu = ferlo::bench::processCpuSeconds();
    if (side == QLatin1String("before")) {
        const ferlo::TPrinterCellArray cells = ferlo::LayoutPrinterCells(
            kPrintable.width(), kPrintable.height(), kPictures, false, true);
        ferlo::WorkerSlots<QImage> work(size_t(files.size()));
        for (int i = 0; i < files.size(); ++i)
            work.start(size_t(i), [file = files[i], cell = cells[size_t(i)]] {
                return formerPicture(file, cell);
            });
        for (int i = 0; i < files.size(); ++i)
            work.take(size_t(i));
    } else {
        ferlo::PaintOptions options;
        options.printAsDib = [] {
            return true;
        };
        ferlo::prepareCardPage(kPrintable, kDpi, pageOf(files), options);
    }
    std::printf("%f %f %ld\n", timer.nsecsElapsed() / 1e9, ferlo::bench::processCpuSeconds() - cpu,
                ferlo::bench::processStatusKb("VmHWM"));
    return 0;
}

QByteArray loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0) : "?";
}

// Where a former placing of one picture spent its CPU time, stage by stage, against the decode
// to planes that heif-convert does too (median of three each, one thread). libheif 1.15 makes
// 4:4:4 RGB planes of every coded picture; YCbCr 4:2:0 planes are converted back from those.
int stages(const QString& file) {
    heif_context* context = heif_context_alloc();
    heif_context_read_from_file(context, QFile::encodeName(file).constData(), nullptr);
    heif_image_handle* handle = nullptr;
    heif_context_get_primary_image_handle(context, &handle);
    const auto cpuOf = [](const std::function<void()>& work) {
        std::vector<double> runs;
        for (int i = 0; i < 3; ++i) {
            const double start = ferlo::bench::processCpuSeconds();
            work();
            runs.push_back(ferlo::bench::processCpuSeconds() - start);
        }
        return ferlo::bench::median(runs) * 1000;
    };
    const auto decodeAs = [&](heif_colorspace space, heif_chroma chroma) {
        heif_image* decoded = nullptr;
        heif_decode_image(handle, &decoded, space, chroma, nullptr);
        return decoded;
    };
    const double planes =
        cpuOf([&] { heif_image_release(decodeAs(heif_colorspace_YCbCr, heif_chroma_420)); });
    const double rgbPlanes =
        cpuOf([&] { heif_image_release(decodeAs(heif_colorspace_RGB, heif_chroma_444)); });
    const double rgb = cpuOf(
        [&] { heif_image_release(decodeAs(heif_colorspace_RGB, heif_chroma_interleaved_RGB)); });
    heif_image* decoded = decodeAs(heif_colorspace_RGB, heif_chroma_interleaved_RGB);
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const QImage view(plane, kWidth, kHeight, stride, QImage::Format_RGB888);
    QImage wide;
    const double copy = cpuOf([&] { wide = view.convertToFormat(QImage::Format_RGB32); });
    const QSize printed(1560, 1170); // about a 4-per-page cell at 300 dpi
    QImage shown;
    const double smooth = cpuOf(
        [&] { shown = wide.scaled(printed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation); });
    heif_image_release(decoded);
    heif_image_handle_release(handle);
    heif_context_free(context);
    const double now = cpuOf([&] { ferlo::loadPicture(file, [&](QSize) { return printed; }); });
    std::printf("CPU ms of one %d x %d HEIC for a %d x %d print:\n", kWidth, kHeight,
                printed.width(), printed.height());
    std::printf("  libheif decode to YCbCr 4:2:0 planes (what heif-convert to .y4m does) %6.0f\n",
                planes);
    std::printf("  libheif decode to its own RGB 4:4:4 planes (no conversion after it)   %6.0f\n",
                rgbPlanes);
    std::printf("  former: libheif decode and conversion to interleaved RGB              %6.0f\n",
                rgb);
    std::printf("  former: Qt's 32-bit copy of the full-size picture                     %6.0f\n",
                copy);
    std::printf("  former: Qt's smooth scaling to the printed size                       %6.0f\n",
                smooth);
    std::printf("  now: loadPicture (RGB planes, area averaging row by row, packing)     %6.0f\n",
                now);
    return 0;
}

// The photo as a cut-out: a disc of the picture's height, opaque, on a transparent ground.
QImage cutOut(const QImage& photo) {
    QImage image = photo.convertToFormat(QImage::Format_ARGB32);
    const double radius = image.height() / 2.0 - 100;
    const QPointF centre(image.width() / 2.0, image.height() / 2.0);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double dx = x + 0.5 - centre.x(), dy = y + 0.5 - centre.y();
            if (dx * dx + dy * dy > radius * radius)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

struct Figures {
    double wall = 0, cpu = 0, peakMb = 0;
};

Figures measure(const QString& side, const QStringList& files) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), QStringList{"--side", side} + files);
    child.waitForFinished(-1);
    Figures figures;
    const QList<QByteArray> out =
        child.readAllStandardOutput().trimmed().split('\n').last().split(' ');
    if (child.exitCode() != 0 || out.size() != 3) {
        std::printf("%s failed: %s\n", qPrintable(side), child.readAllStandardError().constData());
        std::exit(2);
    }
    figures.wall = out[0].toDouble();
    figures.cpu = out[1].toDouble();
    figures.peakMb = out[2].toDouble() / 1024;
    return figures;
}

void spread(const char* what, std::vector<double> values, double target) {
    std::sort(values.begin(), values.end());
    const double median = values[values.size() / 2];
    std::printf("%-44s median %6.3f  (%.3f .. %.3f)  target <= %g  %s\n", what, median,
                values.front(), values.back(), target, median <= target ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    ferlo::bench::prepareBenchProcess();
    QGuiApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.size() > 1 && arguments.first() == QLatin1String("--side"))
        return runSide(arguments.at(1), arguments.mid(2));
    if (arguments.size() > 1 && arguments.first() == QLatin1String("--stages"))
        return stages(arguments.at(1));
    const bool alpha = !arguments.isEmpty() && arguments.first() == QLatin1String("--alpha");
    const bool grid = !arguments.isEmpty() && arguments.first() == QLatin1String("--grid");
    if (alpha || grid)
        arguments.removeFirst();
    const int rounds = arguments.isEmpty() ? 3 : std::max(1, arguments.takeFirst().toInt());
    QTemporaryDir scratch;
    const QString folder = arguments.isEmpty() ? scratch.path() : arguments.first();
    QDir().mkpath(folder);

    // One photo-like picture encoded once by heif-enc (x265, no thumbnail), or as a phone codes
    // it (a grid of 512 x 512 tiles), copied four times.
    QStringList files;
    const QString stem = alpha  ? QStringLiteral("alpha")
                         : grid ? QStringLiteral("grid")
                                : QStringLiteral("phone");
    const QString first = QDir(folder).filePath(stem + QStringLiteral("1.heic"));
    if (!QFileInfo::exists(first)) {
        const QString jpeg = QDir(folder).filePath(QStringLiteral("phone.jpg"));
        const QString png = QDir(folder).filePath(stem + QStringLiteral(".png"));
        if (!QFileInfo::exists(jpeg))
            ferlo::bench::writePhotoJpeg(jpeg, kWidth, kHeight, 5);
        std::printf("making a %d x %d HEIC ...\n", kWidth, kHeight);
        std::fflush(stdout);
        if (grid) {
            ferlo::test::writeGridHeic(first, QImage(jpeg));
        } else {
            (alpha ? cutOut(QImage(jpeg)) : QImage(jpeg)).save(png, "png", 90);
            QProcess::execute(
                QStringLiteral("heif-enc"),
                {QStringLiteral("-q"), QStringLiteral("80"), QStringLiteral("-o"), first, png});
        }
    }
    for (int i = 0; i < kPictures; ++i) {
        files << QDir(folder).filePath(stem + QStringLiteral("%1.heic").arg(i + 1));
        if (i > 0 && !QFileInfo::exists(files.last()))
            QFile::copy(first, files.last());
    }

    std::printf("%d x %d-pixel HEICs%s%s on a 4-per-page page at %d dpi, %d cores, %d rounds\n",
                kWidth, kHeight, alpha ? " with alpha" : "", grid ? " of 512 x 512 tiles" : "",
                kDpi, QThread::idealThreadCount(), rounds);
    std::vector<double> wallBefore, wallAfter, cpuBefore, cpuAfter, peakAfter;
    for (int round = 0; round < rounds; ++round) {
        const Figures convert = measure(QStringLiteral("convert"), files);
        const Figures before = measure(QStringLiteral("before"), files);
        const Figures after = measure(QStringLiteral("after"), files);
        std::printf("round %d: heif-convert x4 %.2f s (%.2f s CPU, peak %.0f MB); before %.2f s "
                    "(%.2f s CPU, %.0f MB); after %.2f s (%.2f s CPU, %.0f MB); load %s\n",
                    round + 1, convert.wall, convert.cpu, convert.peakMb, before.wall, before.cpu,
                    before.peakMb, after.wall, after.cpu, after.peakMb, loadAverage().constData());
        std::fflush(stdout);
        wallBefore.push_back(before.wall / convert.wall);
        wallAfter.push_back(after.wall / convert.wall);
        cpuBefore.push_back(before.cpu / convert.cpu);
        cpuAfter.push_back(after.cpu / convert.cpu);
        peakAfter.push_back(after.peakMb);
    }
    // A picture with alpha averages a fourth plane and is put on white paper after.
    const double wallTarget = 0.52, cpuTarget = alpha ? 1.1 : 0.9, peakTarget = alpha ? 170 : 160;
    std::printf("ratios against four sequential heif-convert runs of the same round:\n");
    spread("before: wall clock", wallBefore, wallTarget);
    spread("before: CPU time", cpuBefore, cpuTarget);
    spread("after:  wall clock", wallAfter, wallTarget);
    spread("after:  CPU time", cpuAfter, cpuTarget);
    spread("after:  peak memory (MB)", peakAfter, peakTarget);
    std::sort(wallAfter.begin(), wallAfter.end());
    std::sort(cpuAfter.begin(), cpuAfter.end());
    std::sort(peakAfter.begin(), peakAfter.end());
    const size_t mid = wallAfter.size() / 2;
    return wallAfter[mid] <= wallTarget && cpuAfter[mid] <= cpuTarget &&
                   peakAfter[mid] <= peakTarget
               ? 0
               : 1;
}
