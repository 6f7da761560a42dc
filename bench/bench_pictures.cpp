// How much the scaled decoding and the picture cache save, as ratios against a plain full-size
// libjpeg decode of the same file measured in the same run:
//  (a) one 24-megapixel picture placed in a cell of the 4-per-page landscape card;
//  (b) a change of orientation with 8 such pictures on the card, per picture;
//  (c) resident memory growth with 8 pictures of 48 megapixels cached at screen size;
//  (d) a progressive 24-megapixel JPEG in a 4-per-page cell at 1024 x 768 (shown from its DC
//      scans) against the full decode of the same photo stored as baseline, and the difference
//      (PSNR) to all its scans decoded at the same scale; a 24-megapixel PNG and HEIC in the same
//      cell against their own full decode; then first looks in the 1-per-page cell of a
//      maximized window: a 12-megapixel HEIC with a 320-pixel thumbnail, a 24-megapixel PNG and
//      WebP with an EXIF thumbnail, each against its own sharp picture.
//  (e) a 24-megapixel PNG in the 1-per-page cell, scaled as its rows arrive, against the former
//      full decode and smooth scaling: time and peak memory, each in a process of its own; with
//      --png also a TIFF (rows scaled band by band) and a WebP (libwebp's own scaling) against
//      Qt's full-size readers.
// Usage: bench_pictures [--quick] [--phone] [--png] [--look]   (--png: only (e);
// --quick: fewer repetitions, for a smoke run;
// --phone: only (d); --look: only the first looks of (d))

#include "BenchSupport.h"
#include "layout/Card.h"
#include "layout/CardGeometry.h"
#include "layout/Rounding.h"
#include "pictures/PictureCache.h"
#include "pictures/PictureDecoder.h"
#include "pictures/QtPictureReader.h"
#include "support/ExifFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
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
// The screen scale of the card in a window maximized on a 1920 x 1080 screen (measured: the
// window at 1920 x 1050 shows a 1156-pixel-wide card where 1024 x 768 shows 762 at 1.28).
constexpr double kMaximizedScale = 1.94;

// The picture area of a cell: pictures per page, orientation, screen scale, labels on.
TCard cardFor(int perPage, bool portrait, double scale) {
    TCard card;
    card.ScreenScale = scale;
    card.LabelsOn = true;
    card.PicturesPerPage = perPage;
    card.SetCardSize(portrait);
    card.LayoutCells();
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

// A progressive JPEG decoded from all its scans at 1/8 scale, as libjpeg does it plainly
// (no colour upsampling smoothing, as the picture decoder at a reduced scale).
QImage decodeAllScansAtEighth(const QString& path) {
    QImage image;
    bench::decodeInFull(path, &image, 8);
    return image;
}

// Peak signal-to-noise ratio of two pictures of one size over R, G and B, in dB.
double psnr(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int dr = qRed(p[x]) - qRed(q[x]), dg = qGreen(p[x]) - qGreen(q[x]),
                      db = qBlue(p[x]) - qBlue(q[x]);
            sum += dr * dr + dg * dg + db * db;
        }
    }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

// The machine's load over the last minute, noted beside the figures it colours.
double loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : -1;
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

// One 24-megapixel PNG, TIFF or WebP placed in the 1-per-page cell at 1024 x 768, in this
// (child) process: prints the milliseconds and the peak memory above the process's resident size
// before it, in MB. The former way: a full-size decode (our PNG reader, Qt's TIFF and WebP
// readers), then smooth scaling.
QImage fullDecode(const QString& file) {
    if (file.endsWith(QLatin1String(".png")))
        return loadPicture(file, {}).image;
    return pictures::loadQtPicture(file, file.endsWith(QLatin1String(".tif")) ? "tiff" : "webp", {})
        .image;
}

int pngChild(const QString& png, bool former) {
    const TCard card = cardFor(1, false, 1.28);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5"); // VmHWM counts from here
    refs.close();
    const qint64 before = residentBytes();
    QSize shown;
    const double time = bench::seconds([&] {
        const QImage image =
            former ? fullDecode(png).scaled(fittedSize(readPictureSize(png), card),
                                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   : place(png, card, nullptr);
        shown = image.size();
    });
    const double peak = (bench::processStatusKb("VmHWM") * 1024.0 - before) / (1024 * 1024);
    std::printf("%f %f %f\n", time * 1000, peak, shown.width() * shown.height() * 4.0 / 1048576);
    return 0;
}

// (e) A 24-megapixel PNG in the 1-per-page cell, the former way and now, taking turns, each in
// a process of its own: time and peak memory above the shown picture's own bytes.
void pngRows(const QString& png) {
    std::printf("\n(e) 24MP %s placed in the 1-per-page cell at 1024x768 (load average %.1f)\n",
                qPrintable(QFileInfo(png).suffix().toUpper()), loadAverage());
    std::vector<double> times[2], peaks[2];
    double shownMb = 0;
    for (int i = 0; i < std::max(3, g_repeats); ++i)
        for (const bool former : {true, false}) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--png-child"), png,
                         former ? QStringLiteral("former") : QStringLiteral("now")});
            child.waitForFinished(-1);
            const QList<QByteArray> out =
                child.readAllStandardOutput().trimmed().split('\n').last().split(' ');
            if (out.size() != 3)
                return;
            times[former].push_back(out[0].toDouble());
            peaks[former].push_back(out[1].toDouble());
            shownMb = out[2].toDouble();
        }
    const auto range = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return QStringLiteral("%1 (%2 .. %3)")
            .arg(v[v.size() / 2], 0, 'f', 0)
            .arg(v.front(), 0, 'f', 0)
            .arg(v.back(), 0, 'f', 0);
    };
    std::printf("    former (full decode, smooth scaling): %s ms, peak %s MB\n",
                qPrintable(range(times[1])), qPrintable(range(peaks[1])));
    std::printf("    now (scaled while it is decoded):     %s ms, peak %s MB\n",
                qPrintable(range(times[0])), qPrintable(range(peaks[0])));
    // Time is shown, not aimed at: the aim is memory (scaling while decoding costs about what a
    // full decode and smooth scaling cost).
    std::printf("%-72s %8.3f\n", "    now, time / former time",
                bench::median(times[0]) / bench::median(times[1]));
    report("    now, peak memory above the shown picture (MB)", bench::median(peaks[0]) - shownMb,
           " MB", 64);
}

// The 1-per-page cell of the window maximized on a 1920 x 1080 screen: the card at the scale the
// window gives it there, labels on.
TCard maximizedCard() {
    return cardFor(1, false, kMaximizedScale);
}

// First looks in the 1-per-page cell of a maximized window: the time to the preview the file
// holds (loadPreview, as the window shows it on a click) and to the sharp picture (placed as the
// window does), for a 12-megapixel HEIC with a 320-pixel thumbnail (as phones write them), and a
// 24-megapixel PNG and WebP with a 160-pixel EXIF thumbnail. libheif 1.15 (Debian 12) has no
// function that writes a grid picture (tiles): heif_context_encode_grid came with 1.18, so no
// grid HEIC is made here; reading one, it decodes the tiles on as many threads as it is allowed
// (heif_context_set_max_decoding_threads, 4 by default; the decoder sets the number of cores).
void firstLook(const QTemporaryDir& dir, const QString& photo24) {
    const TCard card = maximizedCard();
    std::printf("\n(d) first looks in the 1-per-page cell of a maximized window (%dx%d; load "
                "average %.1f)\n",
                card.PictureWidth, card.PictureHeight, loadAverage());
    const QString jpeg = dir.filePath("12MP-phone.jpg"), png12 = dir.filePath("12MP-phone.png");
    const QString heic = dir.filePath("12MP-phone.heic");
    bench::writePhotoJpeg(jpeg, 4000, 3000, 11);
    QImage(jpeg).save(png12, "png", 50);
    std::printf("    making a 12MP HEIC with a 320-pixel thumbnail with heif-enc (x265) ...\n");
    std::fflush(stdout);
    QProcess::execute(QStringLiteral("heif-enc"),
                      {QStringLiteral("-q"), QStringLiteral("80"), QStringLiteral("-t"),
                       QStringLiteral("320"), QStringLiteral("-o"), heic, png12});
    QStringList files{heic};
    {
        std::printf("    making a 24MP PNG and WebP with an EXIF thumbnail ...\n");
        std::fflush(stdout);
        QImage photo;
        bench::decodeInFull(photo24, &photo);
        const QByteArray exif = test::exifWithThumbnail(
            photo.scaled(160, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 1);
        const QString png = dir.filePath("24MP-exif.png"), webp = dir.filePath("24MP-exif.webp");
        if (test::writeBytes(png, test::pngWithExif(test::encoded(photo, "png", 50), exif)))
            files << png;
        if (test::writeBytes(
                webp, test::webpWithExif(test::encoded(photo, "webp", 80), photo.size(), exif)))
            files << webp;
    }
    for (const QString& file : files) {
        if (!QFile::exists(file))
            continue;
        std::vector<double> look, sharp;
        QSize lookSize;
        for (int i = 0; i < g_repeats; ++i) {
            look.push_back(bench::seconds([&] {
                lookSize = loadPreview(file, [&](QSize own) {
                               return fittedSize(own, card);
                           }).image.size();
            }));
            sharp.push_back(bench::seconds([&] { place(file, card, nullptr); }));
        }
        char line[200];
        std::snprintf(line, sizeof line, "    %s: first look (%dx%d from its preview), ms",
                      qPrintable(QFileInfo(file).fileName()), lookSize.width(), lookSize.height());
        report(line, bench::median(look) * 1000, " ms", 50);
        std::printf("%-72s %8.0f ms\n", "        ... then the sharp picture",
                    bench::median(sharp) * 1000);
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() > 2 && args[1] == QLatin1String("--resident"))
        return residentChild(args.mid(2));
    if (args.size() > 3 && args[1] == QLatin1String("--png-child"))
        return pngChild(args[2], args[3] == QLatin1String("former"));
    const bool pngOnly = args.contains(QLatin1String("--png"));
    if (args.contains(QLatin1String("--quick")))
        g_repeats = 1;
    const bool lookOnly = args.contains(QLatin1String("--look"));
    const bool phoneOnly = lookOnly || args.contains(QLatin1String("--phone"));

    QTemporaryDir dir;
    const struct {
        const char* name;
        int width, height;
    } sizes[] = {{"12MP", 4000, 3000}, {"24MP", 6000, 4000}, {"48MP", 8000, 6000}};
    std::printf("Making photo-like JPEGs in %s ...\n", qPrintable(dir.path()));
    std::fflush(stdout);
    for (const auto& size : sizes) {
        if ((phoneOnly || pngOnly) && std::string(size.name) != "24MP")
            continue;
        for (const bool progressive : {false, true})
            if ((!pngOnly && !lookOnly) || !progressive)
                bench::writePhotoJpeg(
                    dir.filePath(QStringLiteral("%1%2.jpg")
                                     .arg(QLatin1String(size.name),
                                          progressive ? QStringLiteral("p") : QString())),
                    size.width, size.height, size.width, progressive);
    }
    // The baseline keeps the decoded pixels, as a plain loader does.
    QImage decoded;

    if (lookOnly) {
        firstLook(dir, dir.filePath("24MP.jpg"));
        return 0;
    }
    if (pngOnly) {
        QImage photo;
        bench::decodeInFull(dir.filePath("24MP.jpg"), &photo);
        photo.save(dir.filePath("24MP.png"), "png", 50);
        photo.save(dir.filePath("24MP.tif"), "tiff");
        photo.save(dir.filePath("24MP.webp"), "webp", 80);
        for (const char* file : {"24MP.png", "24MP.tif", "24MP.webp"})
            pngRows(dir.filePath(QLatin1String(file)));
        return 0;
    }

    // (d) phone pictures in a 4-per-page cell at 1024 x 768 (screen scale 1.28).
    std::printf("\n(d) 24MP in a 4-per-page cell at 1024x768 (load average %.1f)\n", loadAverage());
    {
        const TCard card = cardFor(4, false, 1.28);
        const QString baseline = dir.filePath("24MP.jpg"), progressive = dir.filePath("24MPp.jpg");
        std::vector<double> full, placed;
        for (int i = 0; i < g_repeats; ++i) {
            full.push_back(bench::seconds([&] { bench::decodeInFull(baseline, &decoded); }));
            placed.push_back(bench::seconds([&] { place(progressive, card, nullptr); }));
        }
        char line[160];
        std::snprintf(line, sizeof line,
                      "    progressive placed / baseline full decode (%.0f ms vs %.0f ms)",
                      bench::median(placed) * 1000, bench::median(full) * 1000);
        report(line, bench::median(placed) / bench::median(full), "", 0.3);
        const QImage shown = place(progressive, card, nullptr);
        const QImage allScans =
            decodeAllScansAtEighth(progressive)
                .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        std::printf("%-72s %8.1f dB  target >= 40 dB  %s\n",
                    "    shown vs all scans decoded at 1/8 and scaled the same way, PSNR",
                    psnr(shown, allScans), psnr(shown, allScans) >= 40 ? "PASS" : "FAIL");

        // The same photo as PNG and HEIC: both decode at full size, then are scaled.
        QImage photo;
        bench::decodeInFull(baseline, &photo);
        const QString png = dir.filePath("24MP.png"), heic = dir.filePath("24MP.heic");
        photo.save(png, "png", 50);
        const QString source = dir.filePath("24MP-source.png");
        QFile::copy(png, source);
        std::printf("    making a 24MP HEIC with heif-enc (x265) ...\n");
        std::fflush(stdout);
        QProcess::execute(QStringLiteral("heif-enc"), {QStringLiteral("-q"), QStringLiteral("80"),
                                                       QStringLiteral("-o"), heic, source});
        photo = QImage();
        for (const QString& file : {png, heic}) {
            if (!QFile::exists(file)) {
                std::printf("    %s was not made\n", qPrintable(file));
                continue;
            }
            std::vector<double> own, cell;
            for (int i = 0; i < g_repeats; ++i) {
                own.push_back(bench::seconds([&] { decoded = loadPicture(file, {}).image; }));
                cell.push_back(bench::seconds([&] { place(file, card, nullptr); }));
            }
            decoded = QImage();
            std::snprintf(line, sizeof line, "    %s placed / its full decode (%.0f ms vs %.0f ms)",
                          file.endsWith(QLatin1String(".png")) ? "PNG " : "HEIC",
                          bench::median(cell) * 1000, bench::median(own) * 1000);
            report(line, bench::median(cell) / bench::median(own), "", 1.1);
        }
    }

    // (d) a phone photo in the 1-per-page cell: the first look (its thumbnail) and the sharp
    // picture after it.
    firstLook(dir, dir.filePath("24MP.jpg"));
    pngRows(dir.filePath("24MP.png"));

    if (phoneOnly)
        return 0;

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
