#pragma once

// The one JPEG writer of the tests and the benchmarks: libjpeg fed row by row from a function, so
// that a picture of many megapixels need never be held, in any of the forms the decoder must
// read (grey, YCbCr subsampled or not, Adobe CMYK or YCCK, progressive with libjpeg's scans or
// a script of its own, restart markers, arithmetic coding). Header-only, so that bench/ can use
// it without the test support library.

#include <QFile>
#include <QRgb>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace ferlo::test {

struct JpegOptions {
    int quality = 85;
    bool progressive = false;
    int components = 3;     // 1 grey, 3 YCbCr, 4 Adobe CMYK
    bool ycck = false;      // with 4 components: coded as YCCK, as Photoshop writes CMYK
    bool subsampled = true; // YCbCr chroma at half resolution both ways (libjpeg's default)
    int restart = 0;        // a restart marker every this many MCUs (0: none)
    bool arithmetic = false;
    // A progressive scan script of its own (with progressive), else libjpeg's usual one.
    const jpeg_scan_info* scans = nullptr;
    int scanCount = 0;
};

// One pixel as the components of a JPEG's input: grey, RGB, or inverted CMYK as Adobe stores it.
inline void jpegSamples(QRgb p, int components, JSAMPLE* out) {
    if (components == 1) {
        out[0] = JSAMPLE(qGray(p));
        return;
    }
    if (components == 3) {
        out[0] = JSAMPLE(qRed(p));
        out[1] = JSAMPLE(qGreen(p));
        out[2] = JSAMPLE(qBlue(p));
        return;
    }
    const int k = 255 - qMax(qRed(p), qMax(qGreen(p), qBlue(p)));
    const auto ink = [k](int v) {
        return k == 255 ? 0 : (255 - v - k) * 255 / (255 - k);
    };
    out[0] = JSAMPLE(255 - ink(qRed(p)));
    out[1] = JSAMPLE(255 - ink(qGreen(p)));
    out[2] = JSAMPLE(255 - ink(qBlue(p)));
    out[3] = JSAMPLE(255 - k);
}

// Writes a width x height JPEG whose row y `fillRow(y, line)` puts into `line` (width pixels).
// Throws std::runtime_error when the file can't be made.
template <typename FillRow>
void writeJpegRows(const QString& path, int width, int height, const JpegOptions& options,
                   FillRow fillRow) {
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        throw std::runtime_error("cannot write the test picture " + path.toStdString());
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = options.components;
    cinfo.in_color_space = options.components == 1   ? JCS_GRAYSCALE
                           : options.components == 4 ? JCS_CMYK
                                                     : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    if (options.components == 4) // written with an Adobe marker
        jpeg_set_colorspace(&cinfo, options.ycck ? JCS_YCCK : JCS_CMYK);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (!options.subsampled)
        cinfo.comp_info[0].h_samp_factor = cinfo.comp_info[0].v_samp_factor = 1;
    cinfo.restart_interval = JDIMENSION(options.restart);
    cinfo.arith_code = options.arithmetic;
    if (options.progressive && options.scans) {
        cinfo.scan_info = options.scans;
        cinfo.num_scans = options.scanCount;
    } else if (options.progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<QRgb> line(size_t(qMax(0, width)));
    std::vector<JSAMPLE> row(line.size() * size_t(options.components));
    while (cinfo.next_scanline < cinfo.image_height) {
        fillRow(int(cinfo.next_scanline), line.data());
        for (size_t x = 0; x < line.size(); ++x)
            jpegSamples(line[x], options.components, &row[x * size_t(options.components)]);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
}

} // namespace ferlo::test
