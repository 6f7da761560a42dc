#include "pictures/PictureDecoder.h"
#include "pictures/PictureFile.h"
#include "pictures/PlaneScaler.h"
#include "support/PhotoLike.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/ExifFiles.h"
#include "support/LibheifRgb.h"

#include <libheif/heif.h>
#include <tiffio.h>

#include <cmath>
#include <thread>
#include <vector>

using namespace ferlo;
using namespace ferlo::test;

namespace {

QImage photoLike(int width, int height, int seed = 1) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        photoLikeRow(reinterpret_cast<QRgb*>(image.scanLine(y)), y, width, height, seed);
    return image;
}

// An RGB32 picture's channels as planes, scaled to `size` by area averaging.
QImage scaledPlanes(const QImage& image, QSize size) {
    std::vector<uchar> planes[3];
    for (std::vector<uchar>& plane : planes)
        plane.resize(size_t(image.width()) * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const size_t at = size_t(y) * size_t(image.width()) + size_t(x);
            planes[0][at] = uchar(qRed(pixel));
            planes[1][at] = uchar(qGreen(pixel));
            planes[2][at] = uchar(qBlue(pixel));
        }
    const auto view = [&](int i) {
        return pictures::PlaneView{planes[i].data(), image.width(), image.size()};
    };
    return pictures::rgbPlanesToRgb32(view(0), view(1), view(2), size);
}

// Peak signal-to-noise ratio over R, G and B, in dB (99 for equal pictures).
double psnr(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int dr = qRed(p) - qRed(q), dg = qGreen(p) - qGreen(q), db = qBlue(p) - qBlue(q);
            sum += dr * dr + dg * dg + db * db;
        }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

// A flat picture of colour `base` with its top-left quarter in `corner`: where the corner ends up
// tells how a picture was turned, and the base colour where its pixels came from.
QImage marked(QSize size, QRgb base, QRgb corner) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(base);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height() / 2, QColor(corner));
    return image;
}

bool near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) < 24 && qAbs(qGreen(a) - qGreen(b)) < 24 &&
           qAbs(qBlue(a) - qBlue(b)) < 24;
}

// Whether the image shows `marked(base, corner)` stored that way and turned by the orientation
// (1: the corner top left; 6, a quarter turn clockwise: top right).
bool looksLike(const QImage& image, QRgb base, QRgb corner, int orientation) {
    const int w = image.width(), h = image.height();
    const bool right = orientation == 6;
    const QPoint inCorner(right ? w * 3 / 4 : w / 4, h / 4);
    const QPoint opposite(right ? w / 4 : w * 3 / 4, h * 3 / 4);
    const bool ok = near(image.pixel(inCorner), corner) && near(image.pixel(opposite), base);
    if (!ok)
        qWarning("corner %08x, opposite %08x", image.pixel(inCorner), image.pixel(opposite));
    return ok;
}

// A TIFF (LZW, in strips of 16 rows) with its orientation tag and a reduced copy after it.
void writeTiff(const QString& path, const QImage& picture, int orientation, const QImage& reduced) {
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), "w");
    QVERIFY(tiff);
    for (const bool isReduced : {false, true}) {
        const QImage rgb = (isReduced ? reduced : picture).convertToFormat(QImage::Format_RGB888);
        TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, isReduced ? FILETYPE_REDUCEDIMAGE : 0);
        TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(rgb.width()));
        TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(rgb.height()));
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 16);
        TIFFSetField(tiff, TIFFTAG_ORIENTATION, orientation);
        for (int y = 0; y < rgb.height(); ++y)
            TIFFWriteScanline(tiff, const_cast<uchar*>(rgb.constScanLine(y)), uint32_t(y));
        TIFFWriteDirectory(tiff);
    }
    TIFFClose(tiff);
}

} // namespace

class TestScaledDecoding : public QObject {
    Q_OBJECT

private slots:
    // Area averaging keeps a flat plane flat at any ratio (its weights add up exactly), gives
    // the mean of whole blocks, and repeats samples when enlarging: one plane alone, and three
    // planes packed into pixels (R the samples, G their complement, B the samples again).
    void scalePlane_data() {
        QTest::addColumn<QSize>("in");
        QTest::addColumn<QSize>("out");
        QTest::addColumn<bool>("flat");
        QTest::newRow("flat, 1000 x 7 to 333 x 3") << QSize(1000, 7) << QSize(333, 3) << true;
        QTest::newRow("flat, 7 x 5 to 6 x 4") << QSize(7, 5) << QSize(6, 4) << true;
        QTest::newRow("flat, 3 x 3 to 8 x 5") << QSize(3, 3) << QSize(8, 5) << true;
        QTest::newRow("blocks, 8 x 6 to 4 x 3") << QSize(8, 6) << QSize(4, 3) << false;
        QTest::newRow("blocks, 9 x 6 to 3 x 2") << QSize(9, 6) << QSize(3, 2) << false;
        QTest::newRow("blocks, 50 x 9 to 5 x 3") << QSize(50, 9) << QSize(5, 3) << false;
        QTest::newRow("flat, 4000 x 9 to 3 x 2") << QSize(4000, 9) << QSize(3, 2) << true;
        QTest::newRow("enlarged, 3 x 2 to 6 x 4") << QSize(3, 2) << QSize(6, 4) << false;
    }
    void scalePlane() {
        QFETCH(QSize, in);
        QFETCH(QSize, out);
        QFETCH(bool, flat);
        const int stride = in.width() + 5; // rows with padding, as libheif gives them
        std::vector<uchar> samples(size_t(stride * in.height()), 0);
        for (int y = 0; y < in.height(); ++y)
            for (int x = 0; x < in.width(); ++x)
                samples[size_t(y * stride + x)] = uchar(flat ? 201 : (x * 37 + y * 91) % 256);
        const pictures::PlaneView plane{samples.data(), stride, in};
        const std::vector<uchar> scaled = pictures::scalePlane(plane, out);
        QCOMPARE(scaled.size(), size_t(out.width() * out.height()));
        std::vector<uchar> complement(samples.size());
        for (size_t i = 0; i < samples.size(); ++i)
            complement[i] = uchar(255 - samples[i]);
        const QImage packed =
            pictures::rgbPlanesToRgb32(plane, {complement.data(), stride, in}, plane, out);
        QCOMPARE(packed.size(), out);
        // The same planes made row by row, each row asked for once, top to bottom.
        int lastRow = -1;
        bool inOrder = true;
        std::vector<uchar> fromRows[3];
        for (std::vector<uchar>& plane : fromRows)
            plane.resize(size_t(out.width() * out.height()));
        uchar* const to[3] = {fromRows[0].data(), fromRows[1].data(), fromRows[2].data()};
        const int strides[3] = {out.width(), out.width(), out.width()};
        pictures::rgbRowsToPlanes(
            in, out,
            [&](int y, uchar* const rgb[3]) {
                inOrder = inOrder && y == lastRow + 1;
                lastRow = y;
                for (int x = 0; x < in.width(); ++x) {
                    const uchar sample = samples[size_t(y * stride + x)];
                    rgb[0][x] = rgb[2][x] = sample;
                    rgb[1][x] = uchar(255 - sample);
                }
            },
            to, strides);
        QVERIFY(inOrder);
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x) {
                const size_t at = size_t(y * out.width() + x);
                QCOMPARE(qRgb(fromRows[0][at], fromRows[1][at], fromRows[2][at]),
                         packed.pixel(x, y));
            }
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x) {
                int expected = 201;
                if (!flat && out.width() > in.width()) {
                    expected = samples[size_t(y * in.height() / out.height() * stride +
                                              x * in.width() / out.width())];
                } else if (!flat) {
                    const int bw = in.width() / out.width(), bh = in.height() / out.height();
                    int sum = 0;
                    for (int j = 0; j < bh; ++j)
                        for (int i = 0; i < bw; ++i)
                            sum += samples[size_t((y * bh + j) * stride + x * bw + i)];
                    expected = (sum + bw * bh / 2) / (bw * bh);
                }
                const QRgb pixel = packed.pixel(x, y);
                for (const int value : {int(scaled[size_t(y * out.width() + x)]), qRed(pixel),
                                        255 - qGreen(pixel), qBlue(pixel)})
                    QVERIFY2(qAbs(value - expected) <= 1,
                             qPrintable(QStringLiteral("at %1, %2: %3, not %4")
                                            .arg(x)
                                            .arg(y)
                                            .arg(value)
                                            .arg(expected)));
            }
    }

    // With an alpha plane each colour sample weighs by its alpha, so that the colour of
    // transparent pixels does not bleed into the picture; the alpha is averaged as it is.
    void alphaPlanes_data() {
        QTest::addColumn<QSize>("in");
        QTest::addColumn<QList<int>>("samples"); // r, g, b, a of each input pixel in turn
        QTest::addColumn<QSize>("out");
        QTest::addColumn<QList<QRgb>>("expected");
        QTest::newRow("opaque: the block's mean")
            << QSize(2, 2)
            << QList<int>{0, 10, 20, 255, 100, 10, 20, 255, 200, 10, 20, 255, 100, 50, 60, 255}
            << QSize(1, 1) << QList<QRgb>{qRgba(100, 20, 30, 255)};
        QTest::newRow("transparent black beside red: red, half covered")
            << QSize(2, 1) << QList<int>{0, 0, 0, 0, 255, 0, 0, 255} << QSize(1, 1)
            << QList<QRgb>{qRgba(255, 0, 0, 128)};
        QTest::newRow("weighed by alpha")
            << QSize(2, 1) << QList<int>{255, 0, 0, 255, 0, 0, 255, 85} << QSize(1, 1)
            << QList<QRgb>{qRgba(191, 0, 64, 170)};
        QTest::newRow("half transparent throughout: kept")
            << QSize(2, 2)
            << QList<int>{200, 50, 10, 100, 200, 50, 10, 100, 200, 50, 10, 100, 200, 50, 10, 100}
            << QSize(1, 1) << QList<QRgb>{qRgba(200, 50, 10, 100)};
        QTest::newRow("wholly transparent")
            << QSize(2, 1) << QList<int>{10, 20, 30, 0, 40, 50, 60, 0} << QSize(1, 1)
            << QList<QRgb>{qRgba(0, 0, 0, 0)};
        QTest::newRow("enlarged: the sample repeated")
            << QSize(1, 1) << QList<int>{30, 60, 90, 120} << QSize(2, 1)
            << QList<QRgb>{qRgba(30, 60, 90, 120), qRgba(30, 60, 90, 120)};
    }
    void alphaPlanes() {
        QFETCH(QSize, in);
        QFETCH(QList<int>, samples);
        QFETCH(QSize, out);
        QFETCH(QList<QRgb>, expected);
        const int stride = in.width() + 3;
        std::vector<uchar> planes[4];
        for (std::vector<uchar>& plane : planes)
            plane.assign(size_t(stride * in.height()), 77); // padding that must not be read
        for (int i = 0; i < in.width() * in.height(); ++i)
            for (int c = 0; c < 4; ++c)
                planes[c][size_t(i / in.width() * stride + i % in.width())] =
                    uchar(samples[4 * i + c]);
        const auto view = [&](int c) {
            return pictures::PlaneView{planes[c].data(), stride, in};
        };
        const QImage image = pictures::rgbaPlanesToArgb32(view(0), view(1), view(2), view(3), out);
        QCOMPARE(image.size(), out);
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        for (int i = 0; i < expected.size(); ++i) {
            const QRgb pixel = image.pixel(i % out.width(), i / out.width());
            const QRgb want = expected[i];
            const bool close =
                qAbs(qRed(pixel) - qRed(want)) <= 1 && qAbs(qGreen(pixel) - qGreen(want)) <= 1 &&
                qAbs(qBlue(pixel) - qBlue(want)) <= 1 && qAbs(qAlpha(pixel) - qAlpha(want)) <= 1;
            QVERIFY2(close, qPrintable(QStringLiteral("pixel %1 is %2, not %3")
                                           .arg(i)
                                           .arg(pixel, 8, 16)
                                           .arg(want, 8, 16)));
        }
        // Planes of different sizes give no picture.
        QVERIFY(pictures::rgbaPlanesToArgb32(view(0), view(1), view(2),
                                             {planes[3].data(), stride, QSize(1, 1)}, out)
                    .isNull() == (in != QSize(1, 1)));
    }

    // A HEIC with transparency takes the same way as planes: at the size asked for, and on white
    // paper the colours of libheif's own full-size RGBA scaled down.
    void heicWithAlphaMatchesLibheif() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("alpha.heic"));
        QImage picture = photoLike(400, 300).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) // transparent on the left, black beneath
                line[x] = x < 100 ? qRgba(0, 0, 0, 0)
                                  : qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]),
                                          std::min(255, (x - 100) * 2));
        }
        writeHeic(file, picture);
        const DecodedPicture decoded = loadPicture(file, [](QSize) { return QSize(133, 100); });
        QCOMPARE(decoded.ownSize, QSize(400, 300));
        QCOMPARE(decoded.image.size(), QSize(133, 100));
        QCOMPARE(decoded.image.format(), QImage::Format_ARGB32);
        // Pictures with alpha decoded on several threads at once take turns, and each comes out
        // the same.
        std::vector<QImage> atOnce(3);
        {
            std::vector<std::jthread> threads;
            for (QImage& image : atOnce)
                threads.emplace_back([&] {
                    image = loadPicture(file, [](QSize) { return QSize(133, 100); }).image;
                });
        }
        for (const QImage& image : atOnce)
            QCOMPARE(image, decoded.image);

        heif_context* context = heif_context_alloc();
        heif_context_read_from_file(context, QFile::encodeName(file).constData(), nullptr);
        heif_image_handle* handle = nullptr;
        heif_context_get_primary_image_handle(context, &handle);
        heif_image* rgba = nullptr;
        heif_decode_image(handle, &rgba, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                          nullptr);
        int stride = 0;
        const uint8_t* data =
            heif_image_get_plane_readonly(rgba, heif_channel_interleaved, &stride);
        const QImage reference =
            QImage(data, 400, 300, stride, QImage::Format_RGBA8888)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                .scaled(QSize(133, 100), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        heif_image_release(rgba);
        heif_image_handle_release(handle);
        heif_context_free(context);

        const auto onWhite = [](const QImage& image) {
            QImage paper(image.size(), QImage::Format_RGB32);
            paper.fill(Qt::white);
            QPainter painter(&paper);
            painter.drawImage(0, 0, image);
            return paper;
        };
        const double measured = psnr(onWhite(decoded.image), onWhite(reference));
        QVERIFY2(measured >= 35.0, qPrintable(QString::number(measured) + " dB"));
        QVERIFY(qAlpha(decoded.image.pixel(10, 50)) <= 3); // coded with loss
        QVERIFY(qAlpha(decoded.image.pixel(120, 50)) >= 252);
    }

    // A HEIC is decoded to its YCbCr planes and scaled before its colours are converted: the
    // result has the size asked for (full size when that is not smaller) and the colours and
    // orientation libheif's own conversion gives, for the usual matrices and ranges; at full size
    // and 8 bits, its very pixels.
    void matchesLibheif_data() {
        QTest::addColumn<int>("matrix");
        QTest::addColumn<bool>("fullRange");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<double>("leastPsnr");
        QTest::addColumn<int>("bitDepth");
        QTest::addColumn<QSize>("source");
        QTest::newRow("BT.601, full range, full size")
            << 6 << true << 1 << QSize() << QSize(400, 300) << 45.0 << 8 << QSize(400, 300);
        QTest::newRow("BT.709, limited range, full size")
            << 1 << false << 1 << QSize() << QSize(400, 300) << 45.0 << 8 << QSize(400, 300);
        QTest::newRow("BT.2020, full range, a third")
            << 9 << true << 1 << QSize(133, 100) << QSize(133, 100) << 35.0 << 8 << QSize(400, 300);
        QTest::newRow("BT.709, limited range, odd size")
            << 1 << false << 1 << QSize(151, 113) << QSize(151, 113) << 35.0 << 8
            << QSize(400, 300);
        QTest::newRow("larger than the picture: full size")
            << 6 << true << 1 << QSize(400, 900) << QSize(400, 300) << 45.0 << 8 << QSize(400, 300);
        QTest::newRow("turned a quarter (irot), half size")
            << 6 << true << 6 << QSize(150, 200) << QSize(150, 200) << 35.0 << 8 << QSize(400, 300);
        QTest::newRow("mirrored (imir), full size")
            << 6 << true << 2 << QSize() << QSize(400, 300) << 45.0 << 8 << QSize(400, 300);
        QTest::newRow("odd picture (libheif codes a grid of one tile), full size")
            << 5 << false << 1 << QSize() << QSize(401, 301) << 45.0 << 8 << QSize(401, 301);
        QTest::newRow("libheif's own choice, turned a quarter, full size")
            << -1 << true << 8 << QSize() << QSize(300, 400) << 45.0 << 8 << QSize(400, 300);
        QTest::newRow("10 bits, BT.709, limited range, a third")
            << 1 << false << 1 << QSize(133, 100) << QSize(133, 100) << 35.0 << 10
            << QSize(400, 300);
        QTest::newRow("square, turned a quarter, not shown square")
            << 6 << true << 6 << QSize(150, 149) << QSize(150, 149) << 35.0 << 8 << QSize(300, 300);
    }
    void matchesLibheif() {
        QFETCH(int, matrix);
        QFETCH(bool, fullRange);
        QFETCH(int, orientation);
        QFETCH(QSize, wanted);
        QFETCH(QSize, expected);
        QFETCH(double, leastPsnr);
        QFETCH(int, bitDepth);
        QFETCH(QSize, source);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("photo.heic"));
        HeicOptions options;
        options.matrix = matrix;
        options.fullRange = fullRange;
        options.orientation = orientation;
        options.bitDepth = bitDepth;
        writeHeic(file, photoLike(source.width(), source.height()), options);
        const DecodedPicture picture = loadPicture(file, [&](QSize) { return wanted; });
        const QImage reference = libheifRgb(file);
        QCOMPARE(picture.ownSize, reference.size());
        QCOMPARE(picture.image.size(), expected);
        QCOMPARE(picture.image.format(), QImage::Format_RGB32);
        if (expected == reference.size() && bitDepth == 8) {
            QCOMPARE(picture.image, reference);
            return;
        }
        if (bitDepth == 8) {
            // Scaled while decoding, as libheif's whole picture's planes are scaled.
            QCOMPARE(picture.image, scaledPlanes(reference, expected));
            return;
        }
        const QImage scaled =
            reference.scaled(expected, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double measured = psnr(picture.image, scaled);
        QVERIFY2(measured >= leastPsnr, qPrintable(QString::number(measured) + " dB"));
    }

    // An opaque PNG that is not interlaced is scaled row by row as libpng reads it, every kind
    // of its pixels alike; interlaced or transparent ones decode at full size as before.
    void pngRows_data() {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("RGB, a third")
            << QImage::Format_RGB888 << false << QSize(133, 100) << QSize(133, 100);
        QTest::newRow("16-bit grey, odd size")
            << QImage::Format_Grayscale16 << false << QSize(151, 113) << QSize(151, 113);
        QTest::newRow("palette, a half")
            << QImage::Format_Indexed8 << false << QSize(200, 150) << QSize(200, 150);
        QTest::newRow("one pixel") << QImage::Format_RGB888 << false << QSize(1, 1) << QSize(1, 1);
        QTest::newRow("interlaced: full size")
            << QImage::Format_RGB888 << true << QSize(200, 150) << QSize(400, 300);
        QTest::newRow("with alpha: full size")
            << QImage::Format_ARGB32 << false << QSize(200, 150) << QSize(400, 300);
        QTest::newRow("not smaller: full size")
            << QImage::Format_RGB888 << false << QSize(400, 300) << QSize(400, 300);
    }
    void pngRows() {
        QFETCH(QImage::Format, format);
        QFETCH(bool, interlaced);
        QFETCH(QSize, wanted);
        QFETCH(QSize, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("photo.png"));
        QVERIFY(photoLike(400, 300).convertToFormat(format).save(file, "png"));
        if (interlaced) {
            // Qt writes no interlaced PNGs: ImageMagick makes one, when it is there.
            if (QProcess::execute(QStringLiteral("convert"), {file, QStringLiteral("-interlace"),
                                                              QStringLiteral("PNG"), file}) != 0)
                QSKIP("ImageMagick's convert is not installed");
        }
        const DecodedPicture picture = loadPicture(file, [&](QSize) { return wanted; });
        QCOMPARE(picture.image.size(), expected);
        const QImage reference =
            QImage(file)
                .convertToFormat(QImage::Format_ARGB32)
                .scaled(expected, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double measured =
            psnr(picture.image.convertToFormat(QImage::Format_ARGB32), reference);
        QVERIFY2(measured >= (expected == QSize(1, 1) ? 20 : 35),
                 qPrintable(QString::number(measured) + " dB"));
    }

    // A first look on screen comes from the preview the file holds (a HEIF thumbnail, an EXIF
    // thumbnail in a HEIC, PNG or WebP, a TIFF's reduced copy), turned like the picture and
    // scaled to the cell even when it is smaller. One of another shape (beyond 1 %), or one
    // whose turn cannot be trusted, is never shown. The page always gets the picture itself.
    // Picture and preview differ in colour, and a marked corner shows how each is turned.
    void previewsThatMustNotBeUsed_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("stored");    // the picture as stored
        QTest::addColumn<int>("orientation"); // the picture's turn (HEIF boxes, TIFF tag)
        QTest::addColumn<QSize>("preview");   // the preview as stored
        QTest::addColumn<int>("exifTurn");    // the EXIF block's orientation; 0: a HEIF thumbnail
        QTest::addColumn<bool>("shown");
        const QSize heic(800, 600), big(2400, 1700);
        QTest::newRow("HEIF thumbnail") << "heic" << heic << 1 << QSize(160, 120) << 0 << true;
        QTest::newRow("HEIF thumbnail of another shape (4 %)")
            << "heic" << heic << 1 << QSize(160, 115) << 0 << false;
        QTest::newRow("HEIF thumbnail stored turned")
            << "heic" << heic << 1 << QSize(120, 160) << 0 << false;
        QTest::newRow("EXIF thumbnail in a HEIC")
            << "heic" << heic << 1 << QSize(160, 120) << 1 << true;
        QTest::newRow("EXIF thumbnail in a HEIC turned by its boxes and EXIF alike")
            << "heic" << heic << 6 << QSize(160, 120) << 6 << true;
        QTest::newRow("EXIF thumbnail in a HEIC turned wrong by its EXIF orientation")
            << "heic" << heic << 1 << QSize(160, 120) << 6 << false;
        QTest::newRow("EXIF thumbnail in a PNG")
            << "png" << big << 1 << QSize(160, 113) << 1 << true;
        QTest::newRow("EXIF thumbnail in a PNG, letterboxed to 4:3")
            << "png" << big << 1 << QSize(160, 120) << 1 << false;
        QTest::newRow("EXIF thumbnail in a WebP")
            << "webp" << big << 1 << QSize(160, 113) << 1 << true;
        QTest::newRow("reduced copy in a TIFF turned by its tag")
            << "tif" << big << 6 << QSize(240, 170) << 0 << true;
        QTest::newRow("reduced copy in a TIFF stored turned")
            << "tif" << big << 1 << QSize(170, 240) << 0 << false;
    }
    void previewsThatMustNotBeUsed() {
        QFETCH(QString, format);
        QFETCH(QSize, stored);
        QFETCH(int, orientation);
        QFETCH(QSize, preview);
        QFETCH(int, exifTurn);
        QFETCH(bool, shown);
        constexpr QRgb kPicture = 0xff2050c0, kPreview = 0xffe0a020, kCorner = 0xff20c040;
        QTemporaryDir dir;
        const QString file = dir.filePath("photo." + format);
        const QImage picture = marked(stored, kPicture, kCorner);
        const QImage small = marked(preview, kPreview, kCorner);
        const QByteArray exif = exifTurn > 0 ? exifWithThumbnail(small, exifTurn) : QByteArray();
        if (format == "heic") {
            HeicOptions options;
            options.orientation = orientation;
            if (exifTurn == 0) {
                options.thumbnail = qMax(preview.width(), preview.height());
                options.thumbnailImage = marked(preview * 5, kPreview, kCorner);
            }
            options.exif = exif;
            writeHeic(file, picture, options);
        } else if (format == "png") {
            QVERIFY(writePngWithExif(file, picture, exif));
        } else if (format == "webp") {
            QVERIFY(writeWebpWithExif(file, picture, exif));
        } else {
            writeTiff(file, picture, orientation, small);
        }
        const QSize own = pictures::orientedSize(stored, orientation);
        const auto fitted = [](QSize size) {
            return [size](QSize own) {
                return own.scaled(size, Qt::KeepAspectRatio);
            };
        };

        // On screen: a cell larger than the preview, which is scaled up to it.
        const DecodedPicture look = loadPreview(file, fitted(QSize(480, 480)));
        QCOMPARE(look.ownSize, own);
        QCOMPARE(!look.image.isNull(), shown);
        if (shown) {
            QCOMPARE(look.image.size(), own.scaled(480, 480, Qt::KeepAspectRatio));
            QVERIFY(looksLike(look.image, kPreview, kCorner, orientation));
        }
        // The page needs more than the preview holds: it gets the picture itself, turned alike.
        const DecodedPicture page = loadPicture(file, fitted(QSize(600, 600)));
        QCOMPARE(page.ownSize, own);
        QVERIFY(looksLike(page.image, kPicture, kCorner, orientation));
        // A cell a HEIF thumbnail covers takes it only when it is the picture's.
        if (format == "heic" && exifTurn == 0) {
            const DecodedPicture cell = loadPicture(file, fitted(QSize(80, 80)));
            QVERIFY(looksLike(cell.image, shown ? kPreview : kPicture, kCorner, orientation));
        }
    }
};

QTEST_MAIN(TestScaledDecoding)
#include "tst_scaleddecoding.moc"
