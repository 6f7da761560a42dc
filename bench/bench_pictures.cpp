// How much the scaled decoding and the picture cache save, as ratios against a plain full-size
// libjpeg decode of the same file measured in the same run:
//  (a) one 24-megapixel picture placed in a cell of the 4-per-page landscape card;
//  (b) a change of orientation with 8 such pictures on the card, per picture;
//  (c) resident memory growth with 8 pictures of 48 megapixels cached at screen size.
// Usage: bench_pictures [--quick]   (--quick: fewer repetitions, for a smoke run)

#include "BenchSupport.h"
#include "layout/Card.h"
#include "layout/CardGeometry.h"
#include "layout/Rounding.h"
#include "platform/PictureCache.h"
#include "platform/PictureDecoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

using namespace ferlo;

namespace {

int g_repeats = 5;

// The picture area of a cell: pictures per page, orientation, screen scale, labels on.
TCard cardFor(int perPage, bool portrait, double scale) {
    TCard card;
    card.ScreenScale = scale;
    card.LabelsOn = true;
    card.PicturesPerPage = perPage;
    card.SetCardSize(portrait);
    TCellArray cells;
    card.LayoutCells(cells);
    return card;
}

// The size at which a picture is shown, as the card fits it.
QSize fittedSize(QSize own, const TCard& card) {
    const FittedSize fitted = FitPictureToArea(own.width(), own.height(), card.PictureWidth,
                                               card.PictureHeight, card.PictureAspect);
    return {fitted.Width, fitted.Height};
}

// Places one picture on the card as the main window does: header, fitted size, scaled decode,
// smooth scaling to the fitted size.
QImage place(const QString& path, const TCard& card, PictureCache* cache) {
    QSize fitted;
    const WantedSize wanted = [&](QSize own) {
        return fitted = fittedSize(own, card);
    };
    const DecodedPicture picture = cache ? cache->load(path, wanted) : loadPicture(path, wanted);
    if (!fitted.isValid())
        fitted = fittedSize(picture.ownSize, card);
    return picture.image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

qint64 residentBytes() {
    return qint64(bench::processStatusKb("VmRSS")) * 1024;
}

void report(const char* what, double value, const char* unit, double target) {
    std::printf("%-72s %8.3f%s  target <= %g%s  %s\n", what, value, unit, target, unit,
                value <= target ? "PASS" : "FAIL");
}

// (c) runs in a fresh process, so that nothing earlier in the run colours the figure.
int residentChild(const QStringList& files) {
    const TCard card = cardFor(4, false, 1.0);
    PictureCache cache(256 * 1024 * 1024);
    const qint64 before = residentBytes();
    for (const QString& file : files)
        place(file, card, &cache);
    const qint64 after = residentBytes();
    std::printf("%lld %lld\n", after - before, cache.totalBytes());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() > 2 && args[1] == QLatin1String("--resident"))
        return residentChild(args.mid(2));
    if (args.contains(QLatin1String("--quick")))
        g_repeats = 1;

    QTemporaryDir dir;
    const struct {
        const char* name;
        int width, height;
    } sizes[] = {{"12MP", 4000, 3000}, {"24MP", 6000, 4000}, {"48MP", 8000, 6000}};
    std::printf("Making photo-like JPEGs in %s ...\n", qPrintable(dir.path()));
    std::fflush(stdout);
    for (const auto& size : sizes) {
        for (const bool progressive : {false, true})
            bench::writePhotoJpeg(
                dir.filePath(QStringLiteral("%1%2.jpg")
                                 .arg(QLatin1String(size.name),
                                      progressive ? QStringLiteral("p") : QString())),
                size.width, size.height, size.width, progressive);
    }
    // The baseline keeps the decoded pixels, as a plain loader does.
    QImage decoded;

    // (a) one picture into a cell of the 4-per-page landscape card.
    std::printf("\n(a) placing one picture in a 4-per-page landscape cell, time / full decode\n");
    for (const double scale : {1.0, 1.28}) {
        const TCard card = cardFor(4, false, scale);
        for (const auto& size : sizes) {
            for (const bool progressive : {false, true}) {
                const QString file =
                    dir.filePath(QStringLiteral("%1%2.jpg")
                                     .arg(QLatin1String(size.name),
                                          progressive ? QStringLiteral("p") : QString()));
                std::vector<double> full, placed;
                for (int i = 0; i < g_repeats; ++i) {
                    full.push_back(bench::seconds([&] { bench::decodeInFull(file, &decoded); }));
                    placed.push_back(bench::seconds([&] { place(file, card, nullptr); }));
                }
                const double ratio = bench::median(placed) / bench::median(full);
                char line[160];
                std::snprintf(line, sizeof line,
                              "    %s %-11s area %dx%d scale %.2f (%.0f ms vs %.0f ms)", size.name,
                              progressive ? "progressive" : "baseline", card.PictureWidth,
                              card.PictureHeight, scale, bench::median(placed) * 1000,
                              bench::median(full) * 1000);
                if (std::string(size.name) == "24MP")
                    report(line, ratio, "", 0.7);
                else
                    std::printf("%-72s %8.3f   (for information)\n", line, ratio);
            }
        }
    }

    // (b) a change of orientation with 8 pictures on the card: cache hits and rescaling.
    std::printf("\n(b) change of orientation, 8 x 24MP on the card, per picture / full decode\n");
    for (const bool progressive : {false, true}) {
        QStringList files;
        const QString source = dir.filePath(progressive ? "24MPp.jpg" : "24MP.jpg");
        for (int i = 0; i < 8; ++i) {
            files << dir.filePath(QStringLiteral("card%1%2.jpg").arg(i).arg(progressive));
            QFile::copy(source, files.last());
        }
        for (const double scale : {1.0, 1.28}) {
            PictureCache cache;
            const TCard landscape = cardFor(8, false, scale);
            const TCard portrait = cardFor(8, true, scale);
            for (const QString& file : files)
                place(file, landscape, &cache);
            const qint64 decodes = cache.decodeCount();
            std::vector<double> full, turned;
            for (int i = 0; i < g_repeats; ++i) {
                full.push_back(bench::seconds([&] { bench::decodeInFull(source, &decoded); }));
                turned.push_back(bench::seconds([&] {
                                     for (const QString& file : files)
                                         place(file, i % 2 ? landscape : portrait, &cache);
                                 }) /
                                 files.size());
            }
            char line[160];
            std::snprintf(
                line, sizeof line, "    %-11s scale %.2f (%.2f ms vs %.0f ms, %lld decodes)",
                progressive ? "progressive" : "baseline", scale, bench::median(turned) * 1000,
                bench::median(full) * 1000, cache.decodeCount() - decodes);
            report(line, bench::median(turned) / bench::median(full), "", 0.05);
        }
    }

    // (c) resident memory with 8 pictures of 48 megapixels cached at screen size.
    std::printf("\n(c) resident memory growth, 8 x 48MP cached for a 4-per-page card\n");
    for (const bool progressive : {false, true}) {
        QStringList files;
        for (int i = 0; i < 8; ++i) {
            files << dir.filePath(QStringLiteral("mem%1%2.jpg").arg(i).arg(progressive));
            QFile::copy(dir.filePath(progressive ? "48MPp.jpg" : "48MP.jpg"), files.last());
        }
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    QStringList{QStringLiteral("--resident")} + files);
        child.waitForFinished(-1);
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        if (child.exitCode() != 0 || figures.size() != 2) {
            std::printf("    %s: the measuring process failed: %s\n",
                        progressive ? "progressive" : "baseline",
                        child.readAllStandardError().constData());
            continue;
        }
        char line[160];
        std::snprintf(line, sizeof line, "    %-11s (cache holds %.1f MB)",
                      progressive ? "progressive" : "baseline",
                      figures[1].toDouble() / (1024 * 1024));
        report(line, figures[0].toDouble() / (1024 * 1024), " MB", 50);
    }
    return 0;
}
