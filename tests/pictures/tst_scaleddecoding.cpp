#include "pictures/PictureDecoder.h"
#include "pictures/PlaneScaler.h"
#include "support/PhotoLike.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/LibheifRgb.h"

#include <libheif/heif.h>

#include <cmath>

using namespace ferlo;
using namespace ferlo::test;

namespace {

QImage photoLike(int width, int height, int seed = 1) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        photoLikeRow(reinterpret_cast<QRgb*>(image.scanLine(y)), y, width, height, seed);
    return image;
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

} // namespace

class TestScaledDecoding : public QObject {
    Q_OBJECT

private slots:
    // Area averaging keeps a flat plane flat at any ratio (its weights add up exactly), gives
    // the mean of whole blocks, and repeats samples when enlarging.
    void scalePlane_data() {
        QTest::addColumn<QSize>("in");
        QTest::addColumn<QSize>("out");
        QTest::addColumn<bool>("flat");
        QTest::newRow("flat, 1000 x 7 to 333 x 3") << QSize(1000, 7) << QSize(333, 3) << true;
        QTest::newRow("flat, 7 x 5 to 6 x 4") << QSize(7, 5) << QSize(6, 4) << true;
        QTest::newRow("flat, 3 x 3 to 8 x 5") << QSize(3, 3) << QSize(8, 5) << true;
        QTest::newRow("blocks, 8 x 6 to 4 x 3") << QSize(8, 6) << QSize(4, 3) << false;
        QTest::newRow("blocks, 9 x 6 to 3 x 2") << QSize(9, 6) << QSize(3, 2) << false;
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
        const std::vector<uchar> scaled = pictures::scalePlane({samples.data(), stride, in}, out);
        QCOMPARE(scaled.size(), size_t(out.width() * out.height()));
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
                QVERIFY2(qAbs(scaled[size_t(y * out.width() + x)] - expected) <= 1,
                         qPrintable(QStringLiteral("at %1, %2: %3, not %4")
                                        .arg(x)
                                        .arg(y)
                                        .arg(scaled[size_t(y * out.width() + x)])
                                        .arg(expected)));
            }
    }

    // A HEIC is decoded to its YCbCr planes and scaled before its colours are converted: the
    // result has the size asked for (full size when that is not smaller) and the colours and
    // orientation libheif's own conversion gives, for the usual matrices and ranges.
    void matchesLibheif_data() {
        QTest::addColumn<int>("matrix");
        QTest::addColumn<bool>("fullRange");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<double>("leastPsnr");
        QTest::newRow("BT.601, full range, full size")
            << 6 << true << 1 << QSize() << QSize(400, 300) << 45.0;
        QTest::newRow("BT.709, limited range, full size")
            << 1 << false << 1 << QSize() << QSize(400, 300) << 45.0;
        QTest::newRow("BT.2020, full range, a third")
            << 9 << true << 1 << QSize(133, 100) << QSize(133, 100) << 35.0;
        QTest::newRow("BT.709, limited range, odd size")
            << 1 << false << 1 << QSize(151, 113) << QSize(151, 113) << 35.0;
        QTest::newRow("larger than the picture: full size")
            << 6 << true << 1 << QSize(400, 900) << QSize(400, 300) << 45.0;
        QTest::newRow("turned a quarter (irot), half size")
            << 6 << true << 6 << QSize(150, 200) << QSize(150, 200) << 35.0;
        QTest::newRow("mirrored (imir), full size")
            << 6 << true << 2 << QSize() << QSize(400, 300) << 45.0;
    }
    void matchesLibheif() {
        QFETCH(int, matrix);
        QFETCH(bool, fullRange);
        QFETCH(int, orientation);
        QFETCH(QSize, wanted);
        QFETCH(QSize, expected);
        QFETCH(double, leastPsnr);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("photo.heic"));
        HeicOptions options;
        options.matrix = matrix;
        options.fullRange = fullRange;
        options.orientation = orientation;
        writeHeic(file, photoLike(400, 300), options);
        const DecodedPicture picture = loadPicture(file, [&](QSize) { return wanted; });
        const QImage reference = libheifRgb(file);
        QCOMPARE(picture.ownSize, reference.size());
        QCOMPARE(picture.image.size(), expected);
        QCOMPARE(picture.image.format(), QImage::Format_RGB32);
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

    // A first look on screen comes from the file's thumbnail, scaled to the cell even when it is
    // smaller; one of another shape (within 1 %) or stored turned is never shown. The page (and
    // a cell the thumbnail does not cover) always gets the picture itself. The thumbnails here
    // show another scene than the picture, so that where the pixels came from can be told.
    void previews_data() {
        QTest::addColumn<QImage>("thumbnailSource");
        QTest::addColumn<bool>("shown");
        const QImage scene = photoLike(800, 600, 9);
        QTest::newRow("thumbnail of the picture's shape") << scene << true;
        QTest::newRow("thumbnail of another shape (4 %)") << photoLike(800, 576, 9) << false;
        QTest::newRow("thumbnail stored turned")
            << scene.transformed(QTransform().rotate(90)) << false;
    }
    void previews() {
        QFETCH(QImage, thumbnailSource);
        QFETCH(bool, shown);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("phone.heic"));
        const QImage picture = photoLike(800, 600, 1);
        HeicOptions options;
        options.thumbnail = 160; // 160 x 120: even sides, which the HEVC encoder keeps exact
        options.thumbnailImage = thumbnailSource;
        writeHeic(file, picture, options);
        const auto at = [](QSize size) {
            return [size](QSize) {
                return size;
            };
        };
        const auto from = [](const QImage& image, const QImage& source) {
            return psnr(image, source.scaled(image.size(), Qt::IgnoreAspectRatio,
                                             Qt::SmoothTransformation)) >= 25;
        };

        const DecodedPicture preview = loadPreview(file, at(QSize(400, 300)));
        QCOMPARE(preview.ownSize, QSize(800, 600));
        QCOMPARE(!preview.image.isNull(), shown);
        if (shown) {
            QCOMPARE(preview.image.size(), QSize(400, 300));
            QVERIFY(from(preview.image, thumbnailSource));
        }
        // The page needs more than the thumbnail holds: the picture itself.
        const DecodedPicture page = loadPicture(file, at(QSize(400, 300)));
        QCOMPARE(page.image.size(), QSize(400, 300));
        QVERIFY(from(page.image, picture));
        // A cell the thumbnail covers takes it only when it is the picture's.
        const DecodedPicture small = loadPicture(file, at(QSize(80, 60)));
        QVERIFY(from(small.image, shown ? thumbnailSource : picture));
    }
};

QTEST_MAIN(TestScaledDecoding)
#include "tst_scaleddecoding.moc"
