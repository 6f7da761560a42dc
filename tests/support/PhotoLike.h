#pragma once

// The photo-like picture that the tests and the benchmarks share: smooth colour fields with a
// little high-frequency texture, so that the JPEG encoder has the work of a real photograph.
// Header-only, so that bench/ can use it without the test support library.

#include "support/JpegWriter.h"

#include <QRgb>
#include <QString>
#include <QtGlobal>
#include <QtMath>

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

// Writes the photo-like picture as a JPEG, row by row, so that a picture of many megapixels is
// never held in memory.
inline void writePhotoJpeg(const QString& path, int width, int height, int seed = 0,
                           bool progressive = false, int quality = 90) {
    JpegOptions options;
    options.quality = quality;
    options.progressive = progressive;
    writeJpegRows(path, width, height, options,
                  [&](int y, QRgb* line) { photoLikeRow(line, y, width, height, seed); });
}

} // namespace ferlo::test
