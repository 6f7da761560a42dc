#pragma once

// The photo-like picture that the tests and the benchmarks share: smooth colour fields with a
// little high-frequency texture, so that the JPEG encoder has the work of a real photograph.
// Header-only, so that bench/ can use it without the test support library.

#include <QFile>
#include <QRgb>
#include <QString>
#include <QtGlobal>
#include <QtMath>

#include <cstdio>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace ferlo::test {

// Row y of the photo-like picture of the given size; the seed varies the content.
inline void photoLikeRow(QRgb* line, int y, int width, int height, int seed) {
    const double fx = 6.2831853 / qMax(1, width);
    const double fy = 6.2831853 / qMax(1, height);
    for (int x = 0; x < width; ++x) {
        const int noise = ((x * 7919 + y * 104729 + seed * 31) >> 3) & 15;
        const int r = int(127 + 100 * qSin(x * fx * (1 + seed % 3) + y * fy)) + noise;
        const int g = int(127 + 100 * qCos(y * fy * 2 + seed)) + noise;
        const int b = int(127 + 100 * qSin((x + y) * fx * 0.5 + seed * 0.7)) - noise;
        line[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
    }
}

// Writes the photo-like picture as a JPEG through libjpeg, row by row, so that a picture of
// many megapixels is never held in memory.
inline void writePhotoJpeg(const QString& path, int width, int height, int seed = 0,
                           bool progressive = false, int quality = 90) {
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
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<QRgb> pixels(static_cast<size_t>(width));
    std::vector<JSAMPLE> row(size_t(width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        photoLikeRow(pixels.data(), int(cinfo.next_scanline), width, height, seed);
        for (int x = 0; x < width; ++x) {
            JSAMPLE* p = &row[size_t(x) * 3];
            p[0] = JSAMPLE(qRed(pixels[size_t(x)]));
            p[1] = JSAMPLE(qGreen(pixels[size_t(x)]));
            p[2] = JSAMPLE(qBlue(pixels[size_t(x)]));
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
}

} // namespace ferlo::test
