// Exporting one A4 landscape page at 600 dpi with 8 photographs of 24 megapixels, against
// decoding the same 8 files in full, one after another, in the same run.
//   bench_print [folder]   (default: a temporary folder; the pictures are made there)
// Prints each figure with its target and exits non-zero when one is missed.
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

// A photograph-like picture, written row by row so that making it costs no memory: smooth colour
// fields with a little texture.
void writePhoto(const QString& path, int seed) {
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path.toStdString());
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = pictureWidth;
    cinfo.image_height = pictureHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);

    std::vector<double> across(pictureWidth), down(pictureHeight);
    for (int x = 0; x < pictureWidth; ++x)
        across[size_t(x)] = 90 * std::sin(x * 6.2831853 / pictureWidth * (1 + seed % 3));
    for (int y = 0; y < pictureHeight; ++y)
        down[size_t(y)] = 90 * std::cos(y * 6.2831853 / pictureHeight * 2 + seed);
    std::vector<JSAMPLE> row(size_t(pictureWidth) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < pictureWidth; ++x) {
            const int noise = ((x * 7919 + y * 104729 + seed * 31) >> 3) & 15;
            const int r = int(127 + across[size_t(x)] * 0.8 + down[size_t(y)] * 0.2) + noise;
            const int g = int(127 + down[size_t(y)]) + noise;
            const int b = int(127 + (across[size_t(x)] - down[size_t(y)]) * 0.5) - noise;
            JSAMPLE* p = &row[size_t(x) * 3];
            p[0] = JSAMPLE(std::clamp(r, 0, 255));
            p[1] = JSAMPLE(std::clamp(g, 0, 255));
            p[2] = JSAMPLE(std::clamp(b, 0, 255));
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
}

// Decodes a JPEG in full with libjpeg, row by row (the baseline: the least a full decode costs).
void decodeInFull(const QString& path) {
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        throw std::runtime_error("cannot read " + path.toStdString());
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    std::vector<JSAMPLE> row(size_t(cinfo.output_width) * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
}

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

long peakMemoryKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

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
            writePhoto(path, i);
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
        double cpu = processCpuSeconds();
        for (const QString& picture : pictures)
            decodeInFull(picture);
        fullDecode = std::min(fullDecode, timer.nsecsElapsed() / 1e9);
        fullDecodeCpu = std::min(fullDecodeCpu, processCpuSeconds() - cpu);

        timer.restart();
        cpu = processCpuSeconds();
        ferlo::writeCardPdf(pdf, {page}, QPageSize(QPageSize::A4), 600, asDib);
        exportTime = std::min(exportTime, timer.nsecsElapsed() / 1e9);
        exportCpu = std::min(exportCpu, processCpuSeconds() - cpu);
    }
    const double pdfMb = QFileInfo(pdf).size() / (1024.0 * 1024.0);
    const double peakMb = peakMemoryKb() / 1024.0;

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
