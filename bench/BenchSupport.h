#pragma once

// What the benchmark programs share: photo-like JPEGs made without holding the picture in
// memory, the full-size libjpeg decode that every figure is measured against, timers and the
// process's memory figures.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace ferlo::bench {

// A photograph-like JPEG: smooth colour fields with a little texture, written row by row.
inline void writePhotoJpeg(const QString& path, int width, int height, int seed,
                           bool progressive = false) {
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path.toStdString());
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);

    std::vector<double> across(static_cast<size_t>(width));
    std::vector<double> down(static_cast<size_t>(height));
    for (int x = 0; x < width; ++x)
        across[size_t(x)] = 90 * std::sin(x * 6.2831853 / width * (1 + seed % 3));
    for (int y = 0; y < height; ++y)
        down[size_t(y)] = 90 * std::cos(y * 6.2831853 / height * 2 + seed);
    std::vector<JSAMPLE> row(size_t(width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < width; ++x) {
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
