#pragma once

// What the benchmark programs share: the tests' photo-like JPEGs (made without holding the
// picture in memory), the full-size libjpeg decode that every figure is measured against,
// timers and the process's memory figures.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

#include "support/PhotoLike.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace ferlo::bench {

// The start of a benchmark that prints: the allocator setting of the program's own main, and
// Qt's offscreen platform unless another one is asked for.
// A printing benchmark's arguments: an optional case name first (empty: every case, each in a
// child process), then the folder for its pictures (a scratch folder when none is given), made
// when missing.
struct BenchArguments {
    QString which;
    QString folder;
};
inline BenchArguments readBenchArguments(QStringList arguments, const QStringList& caseNames,
                                         const QTemporaryDir& scratch) {
    BenchArguments read;
    if (!arguments.isEmpty() && caseNames.contains(arguments.first()))
        read.which = arguments.takeFirst();
    read.folder = !arguments.isEmpty() ? arguments.first() : scratch.path();
    QDir().mkpath(read.folder);
    return read;
}

inline void prepareBenchProcess() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The photo-like JPEG that the tests write too.
using ferlo::test::writePhotoJpeg;

// The baseline: the whole picture decoded at full size with libjpeg. With an image, the pixels
// go into it (as a plain loader keeps them); without, into one reused row (the least a full
// decode costs). A scale of 1/2, 1/4 or 1/8 decodes every scan at that scale, with the plain
// colour upsampling the picture decoder uses at a reduced scale.
inline void decodeInFull(const QString& path, QImage* into = nullptr, int scaleDenom = 1) {
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
    if (scaleDenom > 1) {
        cinfo.scale_num = 1;
        cinfo.scale_denom = unsigned(scaleDenom);
        cinfo.do_fancy_upsampling = FALSE;
    }
    jpeg_start_decompress(&cinfo);
    std::vector<JSAMPLE> row;
    if (into)
        *into = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    else
        row.resize(size_t(cinfo.output_width) * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[1] = {into ? into->scanLine(int(cinfo.output_scanline)) : row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
}

// One figure against its target, in a column of the given width: "... met" or "... MISSED".
inline bool reportTarget(int width, const char* figure, double value, double target,
                         const char* unit) {
    const bool met = value <= target;
    std::printf("%-*s %10.3f %-3s (target <= %.3f %s)  %s\n", width, figure, value, unit, target,
                unit, met ? "met" : "MISSED");
    std::fflush(stdout);
    return met;
}

inline double seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM"), or -1.
inline long processStatusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace ferlo::bench
