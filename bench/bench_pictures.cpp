// How much the scaled decoding and the picture cache save, as ratios against a plain full-size
// libjpeg decode of the same file measured in the same run:
//  (a) one 24-megapixel picture placed in a cell of the 4-per-page landscape card;
//  (b) a change of orientation with 8 such pictures on the card, per picture;
//  (c) resident memory growth with 8 pictures of 48 megapixels cached at screen size.
// Usage: bench_pictures [--quick]   (--quick: fewer repetitions, for a smoke run)

#include "layout/Card.h"
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

// A picture with smooth gradients and fine texture, like a photograph.
QImage photoLike(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    std::vector<int> sx(size_t(width), 0), sy(size_t(height), 0);
    for (int x = 0; x < width; ++x)
        sx[size_t(x)] = int(100 * std::sin(x * 6.2831853 / width * (1 + seed % 3)));
    for (int y = 0; y < height; ++y)
        sy[size_t(y)] = int(100 * std::cos(y * 6.2831853 / height * 2 + seed));
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = ((x * 7919 + y * 104729 + seed * 31) >> 3) & 15;
            const int r = 127 + sx[size_t(x)] + noise;
            const int g = 127 + sy[size_t(y)] + noise;
            const int b = 127 + (sx[size_t(x)] + sy[size_t(y)]) / 2 - noise;
            line[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return image;
}

void writeJpeg(const QString& path, const QImage& image, bool progressive) {
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path.toStdString());
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
}

// The baseline: the whole picture decoded at full size with libjpeg, as a plain loader does.
QImage fullDecode(const QString& path) {
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        throw std::runtime_error("cannot read " + path.toStdString());
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&cinfo);
    QImage image(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    return image;
}

double seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

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

// The size at which a picture is shown: it touches the area on two sides, keeps its proportions.
QSize fittedSize(QSize own, const TCard& card) {
    const double aspect = double(own.height()) / double(own.width());
    if (aspect >= card.PictureAspect) {
        const double scale = double(own.height()) / card.PictureHeight;
        return {int(Round(own.width() / scale)), card.PictureHeight};
    }
    const double scale = double(own.width()) / card.PictureWidth;
    return {card.PictureWidth, int(Round(own.height() / scale))};
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
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return -1;
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
        const QImage image = photoLike(size.width, size.height, size.width);
        for (const bool progressive : {false, true})
            writeJpeg(dir.filePath(QStringLiteral("%1%2.jpg")
                                       .arg(QLatin1String(size.name),
                                            progressive ? QStringLiteral("p") : QString())),
                      image, progressive);
    }

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
                    full.push_back(seconds([&] { fullDecode(file); }));
                    placed.push_back(seconds([&] { place(file, card, nullptr); }));
                }
                const double ratio = median(placed) / median(full);
                char line[160];
                std::snprintf(
                    line, sizeof line, "    %s %-11s area %dx%d scale %.2f (%.0f ms vs %.0f ms)",
                    size.name, progressive ? "progressive" : "baseline", card.PictureWidth,
                    card.PictureHeight, scale, median(placed) * 1000, median(full) * 1000);
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
                full.push_back(seconds([&] { fullDecode(source); }));
                turned.push_back(seconds([&] {
                                     for (const QString& file : files)
                                         place(file, i % 2 ? landscape : portrait, &cache);
                                 }) /
                                 files.size());
            }
            char line[160];
            std::snprintf(line, sizeof line,
                          "    %-11s scale %.2f (%.2f ms vs %.0f ms, %lld decodes)",
                          progressive ? "progressive" : "baseline", scale, median(turned) * 1000,
                          median(full) * 1000, cache.decodeCount() - decodes);
            report(line, median(turned) / median(full), "", 0.05);
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
