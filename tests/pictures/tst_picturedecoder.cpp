#include "pictures/PictureDecoder.h"
#include "storage/Errors.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtEndian>
#include <QtTest>

#include <cstdio>
#include <jpeglib.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ferlo;
using namespace ferlo::test;

namespace {

// A picture of flat, MCU-aligned colour blocks, so that JPEG keeps the colours at their centres.
const QList<QRgb> kBlockColours = {qRgb(220, 30, 30),   qRgb(30, 200, 40),  qRgb(20, 40, 210),
                                   qRgb(128, 128, 128), qRgb(250, 240, 30), qRgb(20, 20, 20)};

QImage colourBlocks(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    const int blockWidth = width / 3;
    const int blockHeight = height / 2;
    for (int i = 0; i < kBlockColours.size(); ++i)
        for (int y = (i / 3) * blockHeight; y < (i / 3 + 1) * blockHeight; ++y)
            for (int x = (i % 3) * blockWidth; x < (i % 3 + 1) * blockWidth; ++x)
                image.setPixel(x, y, kBlockColours[i]);
    return image;
}

bool closeTo(QRgb actual, QRgb expected, int tolerance) {
    return qAbs(qRed(actual) - qRed(expected)) <= tolerance &&
           qAbs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           qAbs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

QString describe(QRgb c) {
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// A progressive scan script of our own: Y DC at 2 bits less, Cb and Cr DC at 1 bit less, the
// chroma's AC, then the DC refined (chroma together, Y twice) and the luma's AC last.
const jpeg_scan_info kSplitDcScans[] = {
    {1, {0}, 0, 0, 0, 2},    {1, {1}, 0, 0, 0, 1},  {1, {2}, 0, 0, 0, 1},
    {1, {1}, 1, 63, 0, 0},   {1, {2}, 1, 63, 0, 0}, {1, {0}, 0, 0, 2, 1},
    {2, {1, 2}, 0, 0, 1, 0}, {1, {0}, 0, 0, 1, 0},  {1, {0}, 1, 63, 0, 0},
};

// ---- hand-made files (the basic makers are in tests/support) ----

// A bitmap with a BITMAPV4HEADER: 32 bits a pixel with an alpha mask.
QByteArray bmpFileWithAlpha(int width, int height, const QList<QRgb>& pixels) {
    const int headerSize = 14 + 108;
    QByteArray b(headerSize, 0);
    b[0] = 'B';
    b[1] = 'M';
    putLe32(b, 2, headerSize + 4 * int(pixels.size()));
    putLe32(b, 10, headerSize);
    putLe32(b, 14, 108);
    putLe32(b, 18, width);
    putLe32(b, 22, height);
    putLe16(b, 26, 1);
    putLe16(b, 28, 32);
    putLe32(b, 30, 3); // bit fields
    putLe32(b, 34, 4 * qint32(pixels.size()));
    putLe32(b, 54, 0x00ff0000);
    putLe32(b, 58, 0x0000ff00);
    putLe32(b, 62, 0x000000ff);
    putLe32(b, 66, qint32(0xff000000));
    for (const QRgb pixel : pixels) {
        QByteArray p(4, 0);
        putLe32(p, 0, qint32(pixel));
        b += p;
    }
    return b;
}

QImage imageOf(int width, const QList<QRgb>& pixels, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, int(pixels.size()) / width, format);
    for (int i = 0; i < pixels.size(); ++i)
        image.setPixel(i % width, i / width, pixels[i]);
    return image;
}

// Peak resident memory of this process since the last reset, in bytes.
qint64 peakResidentBytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return -1;
}

bool resetPeakResident() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// What the code run writes to standard error (file descriptor 2), from this thread or a library.
template <typename Run> QByteArray standardErrorOf(Run run) {
    std::fflush(stderr);
    QTemporaryFile capture;
    if (!capture.open())
        return "cannot capture standard error";
    const int saved = ::dup(2);
    ::dup2(capture.handle(), 2);
    run();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    capture.seek(0);
    return capture.readAll();
}

// A PNG of one pixel cut off after the header of one chunk that claims a gigabyte: 57 bytes.
QByteArray pngClaimingAGigabyte(const QByteArray& type) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB32).save(&buffer, "png");
    QByteArray length(4, '\0');
    qToBigEndian<quint32>(1000000000, length.data());
    return png.left(8 + 25) + length + type + QByteArray("k\0", 2) + QByteArray(14, 'x');
}

const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255),
           white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), yellow = qRgb(255, 255, 0);

// Four flat quadrants: top-left, top-right, bottom-left, bottom-right.
QImage quadrants(int width, int height, const QList<QRgb>& corners) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, corners[(y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0)]);
    return image;
}

// The colours at the centres of the four quadrants of a picture.
QList<QRgb> quadrantColours(const QImage& image) {
    const int w = image.width(), h = image.height();
    return {image.pixel(w / 4, h / 4), image.pixel(3 * w / 4, h / 4), image.pixel(w / 4, 3 * h / 4),
            image.pixel(3 * w / 4, 3 * h / 4)};
}

// Writes a picture of another format through Qt's writers, or ImageMagick for GIF, which Qt
// reads but does not write.
bool writeOther(const QString& path, const QImage& image) {
    if (path.endsWith(QLatin1String(".heic"))) {
        writeHeic(path, image);
        return QFile::exists(path);
    }
    if (path.endsWith(QLatin1String(".gif"))) {
        const QString png = path + QStringLiteral(".png");
        return image.save(png, "png") &&
               QProcess::execute(QStringLiteral("convert"), {png, path}) == 0;
    }
    const QByteArray format = path.endsWith(QLatin1String(".tif"))
                                  ? QByteArray("tiff")
                                  : path.section(QLatin1Char('.'), -1).toLatin1();
    return image.save(path, format.constData(), 100);
}

} // namespace

class TestPictureDecoder : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Loads a picture that must fail and checks the message names the file and the cause.
    void expectFailure(const QString& file, const QString& cause, const WantedSize& wanted = {}) {
        const QString prefix = QStringLiteral("Cannot load the picture %1: ").arg(file);
        QElapsedTimer timer;
        timer.start();
        try {
            loadPicture(file, wanted);
            QFAIL(qPrintable(QStringLiteral("no error for ") + file));
        } catch (const Error& e) {
            QVERIFY2(e.message().startsWith(prefix), qPrintable(e.message()));
            QVERIFY2(e.message().contains(cause, Qt::CaseInsensitive), qPrintable(e.message()));
        }
        try {
            readPictureSize(file);
        } catch (const Error& e) {
            QVERIFY2(e.message().startsWith(prefix), qPrintable(e.message()));
        }
        QVERIFY2(timer.elapsed() < 5000, "a failing picture took too long");
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void jpegSizeFromHeader_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("progressive");
        QTest::addColumn<int>("components");
        QTest::newRow("1x1") << QSize(1, 1) << false << 3;
        QTest::newRow("odd 17x9") << QSize(17, 9) << false << 3;
        QTest::newRow("640x480 progressive") << QSize(640, 480) << true << 3;
        QTest::newRow("grey 300x2") << QSize(300, 2) << false << 1;
        QTest::newRow("cmyk 33x65") << QSize(33, 65) << false << 4;
    }
    void jpegSizeFromHeader() {
        QFETCH(QSize, size);
        QFETCH(bool, progressive);
        QFETCH(int, components);
        const QString file = path(QStringLiteral("size.jpg"));
        writeJpeg(file, photoLikeImage(size.width(), size.height()), 85, progressive, components);
        QCOMPARE(readPictureSize(file), size);
        const DecodedPicture picture = loadPicture(file, {});
        QCOMPARE(picture.ownSize, size);
        QCOMPARE(picture.image.size(), size);
        QCOMPARE(picture.image.format(), QImage::Format_RGB32);
    }

    // The header alone gives the size: a file cut off right after its header still tells it.
    void jpegSizeNeedsNoPixels() {
        const QString file = path(QStringLiteral("huge-header.jpg"));
        writeFile(file, jpegHeaderOnly(40000, 30000, false, 0));
        QCOMPARE(readPictureSize(file), QSize(40000, 30000));
    }

    void extensionChoosesFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("jpeg");
        QTest::newRow("JPG") << "upper.JPG" << true;
        QTest::newRow("jpeg") << "long.jpeg" << true;
        QTest::newRow("JpEg") << "mixed.JpEg" << true;
        QTest::newRow("BMP") << "upper.BMP" << false;
        QTest::newRow("dots") << "my.photo.bmp" << false;
    }
    void extensionChoosesFormat() {
        QFETCH(QString, name);
        QFETCH(bool, jpeg);
        const QString file = path(name);
        const QImage image = colourBlocks(48, 32);
        if (jpeg)
            writeJpeg(file, image);
        else
            writeBmp(file, image);
        QCOMPARE(readPictureSize(file), QSize(48, 32));
        QCOMPARE(loadPicture(file, {}).image.size(), QSize(48, 32));
    }

    // The smallest of the scales 1/8 .. 8/8 whose output is not smaller than wanted either way.
    void dctScaleChoice_data() {
        QTest::addColumn<QSize>("own");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("640x480 in a 4-per-page cell")
            << QSize(640, 480) << QSize(213, 160) << QSize(240, 180);
        QTest::newRow("exactly 1/8") << QSize(4000, 3000) << QSize(500, 375) << QSize(500, 375);
        QTest::newRow("one more pixel wide")
            << QSize(4000, 3000) << QSize(501, 375) << QSize(1000, 750);
        QTest::newRow("one more pixel high")
            << QSize(4000, 3000) << QSize(500, 376) << QSize(1000, 750);
        QTest::newRow("odd size rounds up")
            << QSize(1001, 999) << QSize(126, 125) << QSize(126, 125);
        QTest::newRow("3/8") << QSize(800, 800) << QSize(290, 10) << QSize(300, 300);
        QTest::newRow("7/8") << QSize(800, 600) << QSize(701, 1) << QSize(800, 600);
        QTest::newRow("6/8") << QSize(800, 600) << QSize(600, 450) << QSize(600, 450);
        QTest::newRow("wider than the picture")
            << QSize(800, 600) << QSize(900, 10) << QSize(800, 600);
        QTest::newRow("larger than the picture")
            << QSize(64, 48) << QSize(640, 480) << QSize(64, 48);
        QTest::newRow("invalid means full size") << QSize(800, 600) << QSize() << QSize(800, 600);
        QTest::newRow("empty means full size") << QSize(800, 600) << QSize(0, 0) << QSize(800, 600);
        QTest::newRow("1x1 wanted") << QSize(8000, 8) << QSize(1, 1) << QSize(1000, 1);
    }
    void dctScaleChoice() {
        QFETCH(QSize, own);
        QFETCH(QSize, wanted);
        QFETCH(QSize, expected);
        const QString file = path(QStringLiteral("scale.jpg"));
        writeJpeg(file, QImage(own, QImage::Format_RGB32), 50);
        QSize asked;
        const DecodedPicture picture = loadPicture(file, [&](QSize ownSize) {
            asked = ownSize;
            return wanted;
        });
        QCOMPARE(asked, own);
        QCOMPARE(picture.ownSize, own);
        QCOMPARE(picture.image.size(), expected);
    }

    void jpegColours_data() {
        QTest::addColumn<int>("components");
        QTest::addColumn<bool>("progressive");
        QTest::addColumn<bool>("ycck");
        QTest::newRow("YCbCr") << 3 << false << false;
        QTest::newRow("YCbCr progressive") << 3 << true << false;
        QTest::newRow("grey") << 1 << false << false;
        QTest::newRow("grey progressive") << 1 << true << false;
        QTest::newRow("Adobe CMYK") << 4 << false << false;
        QTest::newRow("Adobe CMYK progressive") << 4 << true << false;
        QTest::newRow("Adobe YCCK") << 4 << false << true;
    }
    void jpegColours() {
        QFETCH(int, components);
        QFETCH(bool, progressive);
        QFETCH(bool, ycck);
        const QString file = path(QStringLiteral("colours.jpg"));
        const QImage source = colourBlocks(192, 128);
        JpegOptions options;
        options.quality = 95;
        options.progressive = progressive;
        options.components = components;
        options.ycck = ycck; // the Adobe form of CMYK, from inverted CMYK as Photoshop writes it
        writeJpeg(file, source, options);

        // Full size, and at 1/8 (24 x 16: each block is 8 x 8 pixels there).
        for (const QSize wanted : {QSize(), QSize(20, 15)}) {
            const QImage image = loadPicture(file, [wanted](QSize) { return wanted; }).image;
            QCOMPARE(image.format(), QImage::Format_RGB32);
            const int factor = 192 / image.width();
            for (int i = 0; i < kBlockColours.size(); ++i) {
                const QPoint centre(((i % 3) * 64 + 32) / factor, ((i / 3) * 64 + 32) / factor);
                const QRgb expected = components == 1
                                          ? qRgb(qGray(kBlockColours[i]), qGray(kBlockColours[i]),
                                                 qGray(kBlockColours[i]))
                                          : kBlockColours[i];
                const QRgb actual = image.pixel(centre);
                QVERIFY2(closeTo(actual, expected, 10),
                         qPrintable(QStringLiteral("block %1 at 1/%2: %3, expected %4")
                                        .arg(i)
                                        .arg(factor)
                                        .arg(describe(actual), describe(expected))));
                QCOMPARE(qAlpha(actual), 255);
            }
        }
    }

    // A 48-megapixel photo loads in full (Qt's own loader refuses it under its default limit),
    // and at the size of a cell on the card without being decoded in full.
    void largePhotoLoads() {
        const QString file = path(QStringLiteral("48mp.jpg"));
        QImage source(8000, 6000, QImage::Format_RGB32);
        source.fill(qRgb(30, 90, 200));
        writeJpeg(file, source, 75);
        const DecodedPicture cell = loadPicture(file, [](QSize) { return QSize(213, 160); });
        QCOMPARE(cell.ownSize, QSize(8000, 6000));
        QCOMPARE(cell.image.size(), QSize(1000, 750));
        QVERIFY(closeTo(cell.image.pixel(500, 375), qRgb(30, 90, 200), 6));
        const DecodedPicture full = loadPicture(file, {});
        QCOMPARE(full.image.size(), QSize(8000, 6000));
        QVERIFY(closeTo(full.image.pixel(7999, 5999), qRgb(30, 90, 200), 6));
    }

    void bmpSavedByQt_data() {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QImage::Format>("expectedFormat");
        QTest::newRow("1 bit") << QImage::Format_Mono << QImage::Format_RGB32;
        QTest::newRow("8 bit") << QImage::Format_Indexed8 << QImage::Format_RGB32;
        QTest::newRow("24 bit") << QImage::Format_RGB32 << QImage::Format_RGB32;
    }
    void bmpSavedByQt() {
        QFETCH(QImage::Format, format);
        QFETCH(QImage::Format, expectedFormat);
        QImage source = colourBlocks(30, 20);
        source = source.convertToFormat(format, format == QImage::Format_Mono ? Qt::ThresholdDither
                                                                              : Qt::AutoColor);
        const QString file = path(QStringLiteral("qt.bmp"));
        writeBmp(file, source);
        QCOMPARE(readPictureSize(file), QSize(30, 20));
        const DecodedPicture picture = loadPicture(file, [](QSize) { return QSize(3, 2); });
        QCOMPARE(picture.ownSize, QSize(30, 20));
        QCOMPARE(picture.image.format(), expectedFormat);
        QCOMPARE(picture.image, source.convertToFormat(expectedFormat));
    }

    void bmpHandMade_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QImage>("expected");
        // Rows are stored bottom-up unless the height is negative; each row is padded to 4 bytes.
        QTest::newRow("1 bit") << bmpFile(3, 2, 1, 0, {red, blue},
                                          QByteArray("\xa0\0\0\0\x40\0\0\0", 8))
                               << imageOf(3, {red, blue, red, blue, red, blue});
        QTest::newRow("4 bit") << bmpFile(3, 2, 4, 0, {black, red, green, blue},
                                          QByteArray("\x12\x30\0\0\x33\x20\0\0", 8))
                               << imageOf(3, {blue, blue, green, red, green, blue});
        QTest::newRow("8 bit RLE")
            << bmpFile(4, 2, 8, 1, {black, red, green, blue},
                       QByteArray("\x04\x02\x00\x00"         // 4 x green
                                  "\x00\x03\x01\x03\x01\x00" // literally 1 3 1
                                  "\x01\x02\x00\x01",        // green, end
                                  14))
            << imageOf(4, {red, blue, red, green, green, green, green, green});
        QTest::newRow("4 bit RLE")
            << bmpFile(4, 1, 4, 2, {black, red, green, blue}, QByteArray("\x04\x12\x00\x01", 4))
            << imageOf(4, {red, green, red, green});
        QTest::newRow("24 bit top-down") << bmpFile(2, -2, 24, 0, {},
                                                    QByteArray("\0\0\xff\0\xff\0\0\0"
                                                               "\xff\0\0\xff\xff\xff\0\0",
                                                               16))
                                         << imageOf(2, {red, green, blue, white});
        // Qt widens 5-bit channels by shifting: 31 becomes 248.
        QTest::newRow("16 bit 5-5-5") << bmpFile(2, 1, 16, 0, {}, QByteArray("\x00\x7c\xe0\x03", 4))
                                      << imageOf(2, {qRgb(248, 0, 0), qRgb(0, 248, 0)});
        QTest::newRow("32 bit with alpha")
            << bmpFileWithAlpha(2, 1, {qRgba(255, 0, 0, 128), green})
            << imageOf(2, {qRgba(255, 0, 0, 128), green}, QImage::Format_ARGB32);
        QTest::newRow("32 bit") << bmpFile(1, 1, 32, 0, {}, QByteArray("\xff\x00\x00\x00", 4))
                                << imageOf(1, {blue});
    }
    void bmpHandMade() {
        QFETCH(QByteArray, bytes);
        QFETCH(QImage, expected);
        const QString file = path(QStringLiteral("hand.bmp"));
        writeFile(file, bytes);
        QCOMPARE(readPictureSize(file), expected.size());
        const DecodedPicture picture = loadPicture(file, {});
        QCOMPARE(picture.image.format(), expected.format());
        QCOMPARE(picture.image, expected);
    }

    void errors_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("cause");
        QTest::newRow("text named .jpg") << "notes.jpg" << QByteArray("hello, this is text\n")
                                         << "Not a JPEG file: starts with 0x68 0x65";
        QTest::newRow("PNG named .jpg")
            << "png.jpg" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
            << "Not a JPEG file: starts with 0x89 0x50";
        QTest::newRow("JPEG cut in its header")
            << "header.jpg" << jpegHeaderOnly(64, 64, false).left(40)
            << "JPEG datastream contains no image";
        QTest::newRow("JPEG cut right after its header")
            << "nodata.jpg" << jpegHeaderOnly(64, 64, false, 0).chopped(2)
            << "cut off before its picture data";
        QTest::newRow("JPEG of zero width")
            << "zero.jpg" << jpegHeaderOnly(0, 10, false) << "has no pixels";
        QTest::newRow("65535 x 65535 baseline")
            << "huge.jpg" << jpegHeaderOnly(65535, 65535, false)
            << "Maximum supported image dimension is 65500 pixels";
        QTest::newRow("65535 x 65535 progressive")
            << "hugep.jpg" << jpegHeaderOnly(65535, 65535, true)
            << "Maximum supported image dimension is 65500 pixels";
        QTest::newRow("text named .bmp") << "notes.bmp" << QByteArray("hello, this is text\n")
                                         << "not a BMP file: starts with 0x68 0x65";
        QTest::newRow("BMP of zero width")
            << "zero.bmp" << bmpFile(0, 1, 24, 0, {}, QByteArray(4, 0)) << "has no pixels";
        QTest::newRow("BMP of zero height")
            << "zeroh.bmp" << bmpFile(4, 0, 24, 0, {}, {}) << "has no pixels";
        QTest::newRow("BMP too large")
            << "large.bmp" << bmpFile(30000, 30000, 1, 0, {black, white}, {}) << "too large";
        QTest::newRow("BMP of 2^31 - 1 squared")
            << "largest.bmp" << bmpFile(0x7fffffff, 0x7fffffff, 32, 0, {}, {}) << "too large";
        QTest::newRow("BMP cut before its pixels")
            << "nopixels.bmp" << bmpFile(4, 4, 24, 0, {}, QByteArray(6, 0))
            << "cut off before its picture data";
        QTest::newRow("empty file") << "empty.jpg" << QByteArray() << "the file is empty";
        QTest::newRow("other extension")
            << "picture.xcf" << QByteArray("x") << "does not end in .jpg";
        QTest::newRow("text named .png")
            << "notes.png" << QByteArray("hello, this is text\n") << "";
        QTest::newRow("text named .gif")
            << "notes.gif" << QByteArray("hello, this is text\n") << "";
        QTest::newRow("text named .webp")
            << "notes.webp" << QByteArray("hello, this is text\n") << "";
        QTest::newRow("text named .tiff")
            << "notes.tiff" << QByteArray("hello, this is text\n") << "";
        QTest::newRow("text named .heic")
            << "notes.heic" << QByteArray("hello, this is text\n") << "";
        QTest::newRow("no extension") << "picture" << QByteArray("x") << "does not end in .jpg";
    }
    void errors() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cause);
        const QString file = path(name);
        writeFile(file, bytes);
        expectFailure(file, cause, [](QSize) { return QSize(100, 100); });
        expectFailure(file, cause);
    }

    // A camera stores the picture as its sensor saw it and says in EXIF how to turn it: the eight
    // stored forms of one upright picture (red, green / blue, yellow) all show upright, at the
    // upright size, also when decoded at a smaller DCT scale. A damaged EXIF block or a value out
    // of range shows the picture as stored.
    void exifOrientation_data() {
        QTest::addColumn<QSize>("storedSize");
        QTest::addColumn<QList<QRgb>>("stored");
        QTest::addColumn<QByteArray>("exif");
        QTest::addColumn<QList<QRgb>>("shown");
        const QSize wide(64, 48), tall(48, 64);
        const QList<QRgb> upright{red, green, blue, yellow};
        QTest::newRow("1 as stored") << wide << upright << exifOrientationSegment(1) << upright;
        QTest::newRow("2 mirrored") << wide << QList<QRgb>{green, red, yellow, blue}
                                    << exifOrientationSegment(2) << upright;
        QTest::newRow("3 upside down") << wide << QList<QRgb>{yellow, blue, green, red}
                                       << exifOrientationSegment(3) << upright;
        QTest::newRow("4 flipped") << wide << QList<QRgb>{blue, yellow, red, green}
                                   << exifOrientationSegment(4) << upright;
        QTest::newRow("5 transposed") << tall << QList<QRgb>{red, blue, green, yellow}
                                      << exifOrientationSegment(5) << upright;
        QTest::newRow("6 turned left (big-endian)") << tall << QList<QRgb>{green, yellow, red, blue}
                                                    << exifOrientationSegment(6, true) << upright;
        QTest::newRow("7 transversed") << tall << QList<QRgb>{yellow, green, blue, red}
                                       << exifOrientationSegment(7) << upright;
        QTest::newRow("8 turned right") << tall << QList<QRgb>{blue, red, yellow, green}
                                        << exifOrientationSegment(8) << upright;
        QTest::newRow("9 is no orientation")
            << wide << QList<QRgb>{green, red, yellow, blue} << exifOrientationSegment(9)
            << QList<QRgb>{green, red, yellow, blue};
        QByteArray damaged = exifOrientationSegment(6);
        damaged[14] = char(0x7f); // the first IFD's offset points far outside the block
        QTest::newRow("damaged EXIF") << tall << QList<QRgb>{green, yellow, red, blue} << damaged
                                      << QList<QRgb>{green, yellow, red, blue};
        QTest::newRow("EXIF cut short") << tall << QList<QRgb>{green, yellow, red, blue}
                                        << jpegSegment(0xe1, QByteArray("Exif\0\0II*\0", 10))
                                        << QList<QRgb>{green, yellow, red, blue};
    }
    void exifOrientation() {
        QFETCH(QSize, storedSize);
        QFETCH(QList<QRgb>, stored);
        QFETCH(QByteArray, exif);
        QFETCH(QList<QRgb>, shown);
        const QString plain = path(QStringLiteral("plain.jpg"));
        writeJpeg(plain, quadrants(storedSize.width(), storedSize.height(), stored), 95);
        const QString file = path(QStringLiteral("oriented.jpg"));
        writeFile(file, withSegments(readFile(plain), exif));
        // Shown upright it is 64 x 48; shown as stored, as stored.
        const QSize expectedSize = shown == stored ? storedSize : QSize(64, 48);
        QCOMPARE(readPictureSize(file), expectedSize);
        for (const QSize& wanted : {QSize(), QSize(16, 12)}) {
            QSize asked;
            const DecodedPicture picture = loadPicture(file, [&](QSize own) {
                asked = own;
                return wanted;
            });
            QCOMPARE(asked, expectedSize);
            QCOMPARE(picture.ownSize, expectedSize);
            const QSize size = picture.image.size();
            if (wanted.isValid()) // a reduced DCT scale: shaped as shown, no smaller than wanted
                QVERIFY(size.width() >= 16 && size.height() >= 12 && size.width() < 64 &&
                        size.width() * expectedSize.height() ==
                            size.height() * expectedSize.width());
            else
                QCOMPARE(size, expectedSize);
            const QList<QRgb> colours = quadrantColours(picture.image);
            for (int i = 0; i < 4; ++i)
                QVERIFY2(closeTo(colours[i], shown[i], 40),
                         qPrintable(QStringLiteral("quadrant %1 is %2, not %3")
                                        .arg(i)
                                        .arg(describe(colours[i]), describe(shown[i]))));
        }
    }

    // A picture with an embedded profile shows in sRGB: Display P3 (200, 60, 60) is about
    // (217, 42, 52) in sRGB. Without a profile the numbers are taken as sRGB.
    void colourProfiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("p3");
        QTest::addColumn<QRgb>("expected");
        QTest::addColumn<int>("tolerance");
        const QRgb mapped = qRgb(217, 42, 52), raw = qRgb(200, 60, 60);
        QTest::newRow("JPEG in Display P3") << "p3.jpg" << true << mapped << 4;
        QTest::newRow("JPEG without a profile") << "plain.jpg" << false << raw << 4;
        QTest::newRow("PNG in Display P3") << "p3.png" << true << mapped << 3;
        QTest::newRow("HEIC in Display P3") << "p3.heic" << true << mapped << 6;
        QTest::newRow("HEIC without a profile") << "plain.heic" << false << raw << 6;
    }
    void colourProfiles() {
        QFETCH(QString, name);
        QFETCH(bool, p3);
        QFETCH(QRgb, expected);
        QFETCH(int, tolerance);
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(qRgb(200, 60, 60));
        const QString file = path(name);
        if (name.endsWith(QLatin1String(".jpg"))) {
            writeJpeg(file, image, 95);
            if (p3)
                writeFile(file, withSegments(
                                    readFile(file),
                                    iccSegment(QColorSpace(QColorSpace::DisplayP3).iccProfile())));
        } else {
            if (p3)
                image.setColorSpace(QColorSpace::DisplayP3);
            QVERIFY(writeOther(file, image));
        }
        const QRgb shown = loadPicture(file, {}).image.pixel(16, 16);
        QVERIFY2(closeTo(shown, expected, tolerance),
                 qPrintable(describe(shown) + QStringLiteral(" instead of ") + describe(expected)));
    }

    // PNG, GIF, WebP, TIFF and HEIC: the size from the header, the colours, and a decode for a
    // small cell no smaller than asked. Transparent pixels stay transparent (the card and the
    // paper lie white behind them).
    void otherFormats_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tolerance");
        QTest::newRow("PNG") << "blocks.png" << 0;
        QTest::newRow("GIF") << "blocks.gif" << 0;
        QTest::newRow("WebP") << "blocks.webp" << 12;
        QTest::newRow("TIFF") << "blocks.tif" << 0;
        QTest::newRow("HEIC") << "blocks.HEIC" << 30;
        QTest::newRow("PNG with transparency") << "alpha.png" << 0;
        QTest::newRow("HEIC with transparency") << "alpha.heic" << 30;
    }
    void otherFormats() {
        QFETCH(QString, name);
        QFETCH(int, tolerance);
        const bool alpha = name.startsWith(QLatin1String("alpha"));
        QImage image = colourBlocks(96, 64);
        if (alpha) {
            image = image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    image.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
        const QString file = path(name);
        QVERIFY(
            writeOther(name.endsWith(QLatin1String(".HEIC")) ? path("blocks.heic") : file, image));
        if (name.endsWith(QLatin1String(".HEIC")))
            QVERIFY(QFile::rename(path("blocks.heic"), file));
        QCOMPARE(readPictureSize(file), QSize(96, 64));
        for (const QSize& wanted : {QSize(), QSize(24, 16)}) {
            const DecodedPicture picture = loadPicture(file, [&](QSize) { return wanted; });
            QCOMPARE(picture.ownSize, QSize(96, 64));
            QVERIFY(picture.image.width() >= 24 && picture.image.height() >= 16);
            QVERIFY(picture.image.width() <= 96 && picture.image.height() <= 64);
            if (wanted.isValid())
                continue;
            QCOMPARE(picture.image.size(), QSize(96, 64));
            for (int i = 0; i < kBlockColours.size(); ++i) {
                const QRgb pixel = picture.image.pixel((i % 3) * 32 + 16, (i / 3) * 32 + 16);
                if (alpha && i == 0) {
                    QCOMPARE(qAlpha(pixel), 0);
                    continue;
                }
                QVERIFY2(closeTo(pixel, kBlockColours[i], tolerance),
                         qPrintable(QStringLiteral("block %1 is %2").arg(i).arg(describe(pixel))));
            }
        }
    }

    // At 1/8 scale a progressive picture is shown from its DC scans alone, the rest of the file
    // passed over; the pixels are those of the same picture stored as one baseline scan.
    void progressiveDcOnlyMatchesBaseline() {
        const QImage source = photoLikeImage(640, 480, 5);
        const QString baseline = path(QStringLiteral("dc-baseline.jpg"));
        const QString progressive = path(QStringLiteral("dc-progressive.jpg"));
        writeJpeg(baseline, source, 90, false);
        writeJpeg(progressive, source, 90, true);
        const auto eighth = [](QSize) {
            return QSize(80, 60);
        };
        const QImage fromBaseline = loadPicture(baseline, eighth).image;
        const QImage fromProgressive = loadPicture(progressive, eighth).image;
        QCOMPARE(fromProgressive.size(), QSize(80, 60));
        int worst = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 80; ++x) {
                const QRgb a = fromProgressive.pixel(x, y), b = fromBaseline.pixel(x, y);
                worst = qMax(worst, qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)),
                                                                       qAbs(qBlue(a) - qBlue(b)))));
            }
        QCOMPARE(worst, 0);
        // Cut off in its AC scans, it still shows the whole picture.
        const QByteArray bytes = readFile(progressive);
        const QString cut = path(QStringLiteral("dc-cut.jpg"));
        writeFile(cut, bytes.left(bytes.size() * 2 / 3));
        QCOMPARE(loadPicture(cut, eighth).image.pixel(70, 55), fromBaseline.pixel(70, 55));
    }

    // However its scans are arranged, a progressive picture at 1/8 scale is shown from the scans
    // that hold what the 1/8 pixels use (the DC, and the AC of subsampled colour), exactly as the
    // same picture stored as one baseline scan; and a file cut off right after those scans
    // shows the same. 138 block rows: the compact DC storage spans several stored rows.
    void progressiveDcOnlyIsExact_data() {
        QTest::addColumn<int>("components");
        QTest::addColumn<bool>("subsampled");
        QTest::addColumn<int>("restart");
        QTest::addColumn<bool>("arithmetic");
        QTest::addColumn<bool>("splitDc");
        QTest::addColumn<int>("scansNeeded");
        QTest::newRow("grey") << 1 << false << 0 << false << false << 5;
        QTest::newRow("4:4:4, restart markers") << 3 << false << 1 << false << false << 7;
        QTest::newRow("4:2:0, restart markers") << 3 << true << 3 << false << false << 9;
        QTest::newRow("4:2:0 arithmetic") << 3 << true << 0 << true << false << 9;
        QTest::newRow("4:4:4, DC per component refined twice")
            << 3 << false << 0 << false << true << 8;
        QTest::newRow("4:2:0, DC per component refined twice")
            << 3 << true << 0 << false << true << 8;
    }
    void progressiveDcOnlyIsExact() {
        QFETCH(int, components);
        QFETCH(bool, subsampled);
        QFETCH(int, restart);
        QFETCH(bool, arithmetic);
        QFETCH(bool, splitDc);
        QFETCH(int, scansNeeded);
        JpegOptions form;
        form.quality = 90;
        form.components = components;
        form.subsampled = subsampled;
        form.restart = restart;
        form.arithmetic = arithmetic;
        if (splitDc) {
            form.scans = kSplitDcScans;
            form.scanCount = int(std::size(kSplitDcScans));
        }
        const QImage source = photoLikeImage(333, 1100, 3);
        const QString baseline = path(QStringLiteral("form-baseline.jpg"));
        const QString progressive = path(QStringLiteral("form-progressive.jpg"));
        writeJpeg(baseline, source, form);
        form.progressive = true;
        writeJpeg(progressive, source, form);
        const auto eighth = [](QSize) {
            return QSize(42, 138);
        };
        const QImage expected = loadPicture(baseline, eighth).image;
        QCOMPARE(expected.size(), QSize(42, 138));
        QCOMPARE(loadPicture(progressive, eighth).image, expected);
        // Cut off where the first scan not needed begins.
        const QByteArray bytes = readFile(progressive);
        qsizetype at = -1;
        for (int scan = 0; scan <= scansNeeded; ++scan)
            at = bytes.indexOf("\xff\xda", at + 1);
        QVERIFY(at > 0);
        const QString cut = path(QStringLiteral("form-cut.jpg"));
        writeFile(cut, bytes.left(at));
        QCOMPARE(loadPicture(cut, eighth).image, expected);
    }

    // Headers that promise more than the memory bound fail before the memory is taken.
    void hugeHeadersStayBounded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QString>("cause");
        QTest::newRow("baseline at full size")
            << jpegHeaderOnly(65500, 65500, false) << QSize() << "too large";
        QTest::newRow("progressive 20000 at 1/4")
            << jpegHeaderOnly(20000, 20000, true) << QSize(5000, 5000) << "too large";
        // In a cell only the DC is kept, about 2 bytes a block: the file is read, and found empty.
        QTest::newRow("progressive in a cell")
            << jpegHeaderOnly(65500, 65500, true) << QSize(265, 160)
            << "cut off before its picture data";
        QTest::newRow("progressive 20000 in a cell")
            << jpegHeaderOnly(20000, 20000, true) << QSize(265, 160)
            << "cut off before its picture data";
        QTest::newRow("baseline in a cell, no data")
            << jpegHeaderOnly(65500, 65500, false, 4) << QSize(265, 160)
            << "cut off before its picture data";
    }
    void hugeHeadersStayBounded() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, wanted);
        QFETCH(QString, cause);
        const QString file = path(QStringLiteral("bound.jpg"));
        writeFile(file, bytes);
        const bool measured = resetPeakResident();
        const qint64 before = peakResidentBytes();
        expectFailure(file, cause, [wanted](QSize) { return wanted; });
        if (measured)
            QVERIFY2(peakResidentBytes() - before < 300 * 1024 * 1024,
                     qPrintable(QString::number((peakResidentBytes() - before) >> 20) + " MB"));
    }

    // A tiny PNG that declares one huge ancillary chunk is refused at once without taking the
    // memory it claims; a damaged PNG says what is wrong; libpng writes nothing to the terminal.
    void damagedPngs_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("cause");
        for (const char* type : {"tEXt", "zTXt", "iTXt", "cHRM", "sCAL", "sPLT"})
            QTest::newRow(type) << pngClaimingAGigabyte(type)
                                << QStringLiteral("the file is damaged: its %1 chunk claims "
                                                  "1,000,000,000 bytes but the file ends after 57")
                                       .arg(QLatin1String(type));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        colourBlocks(60, 40).save(&buffer, "png");
        QTest::newRow("cut off in its pixels")
            << png.left(png.size() / 2) << "the file is cut off before the end of its picture data";
        QByteArray badCrc = png;
        badCrc[8 + 8 + 13] = char(badCrc[8 + 8 + 13] ^ 0x55);
        QTest::newRow("IHDR's checksum wrong") << badCrc << "the file is damaged: IHDR: CRC error";
        QTest::newRow("text named .png")
            << QByteArray("hello, this is text\n") << "Not a PNG file: starts with 0x68 0x65";
    }
    void damagedPngs() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cause);
        const QString file = path(QStringLiteral("damaged.png"));
        writeFile(file, bytes);
        const bool measured = resetPeakResident();
        const qint64 before = peakResidentBytes();
        const QByteArray printed = standardErrorOf([&] { expectFailure(file, cause); });
        QVERIFY2(printed.isEmpty(), printed.constData());
        if (measured)
            QVERIFY2(peakResidentBytes() - before < 64 * 1024 * 1024,
                     qPrintable(QString::number((peakResidentBytes() - before) >> 20) + " MB"));
    }

    // Every HEIF picture libheif decodes is printed, also one cropped by a clean aperture to far
    // less than its coded size; a grid whose canvas is larger than its header is still refused;
    // files libheif cannot read are refused in our words, libheif's after them; one that would
    // make libheif abort (an identity-derived item of no picture) is refused before it decodes.
    void heifFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size"); // invalid: refused
        QTest::addColumn<QString>("cause");
        const QString data = QStringLiteral(FERLO_TEST_DATA_DIR);
        QTest::newRow("1280 x 720 cropped to 300 x 300")
            << data + "/heif/1280x720-cropped-to-300x300.heic" << QSize(300, 300) << "";
        QTest::newRow("grid canvas larger than its header")
            << data + "/regressions/heif/grid-canvas-larger-than-its-header" << QSize()
            << ": the picture is too large (";
        QTest::newRow("image sequence")
            << data + "/heif/image-sequence.heic" << QSize()
            << ": this HEIF file holds an image sequence, which cannot be printed (";
        QTest::newRow("identity-derived item referencing no picture")
            << data + "/regressions/heif/iden-item-referencing-no-picture" << QSize()
            << ": the file is damaged";
        QTest::newRow("identity-derived item")
            << data + "/heif/iden-primary-item.heic" << QSize()
            << ": this HEIF file's picture is an identity-derived ('iden') item, which cannot be "
               "read (";
    }
    void heifFiles() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(QString, cause);
        // The file name must end in .heic.
        const QString copy = path(QFileInfo(file).completeBaseName() + QStringLiteral(".heic"));
        QFile::remove(copy);
        QVERIFY(QFile::copy(file, copy));
        if (!size.isValid()) {
            expectFailure(copy, cause);
            return;
        }
        DecodedPicture picture;
        try {
            QCOMPARE(readPictureSize(copy), size);
            picture = loadPicture(copy, {});
        } catch (const Error& e) {
            QFAIL(qPrintable(e.message()));
        }
        QCOMPARE(picture.image.size(), size);
        // The red block of the coded picture is in the middle of the crop.
        QVERIFY2(closeTo(picture.image.pixel(150, 150), qRgb(192, 48, 48), 24),
                 qPrintable(describe(picture.image.pixel(150, 150))));
    }

    // A file of endless tiny scans is stopped, not decoded for minutes.
    void tooManyScansStop() {
        QByteArray bytes = jpegHeaderOnly(64, 64, true, 4);
        const QByteArray scan = bytes.mid(bytes.indexOf("\xff\xda"), 10 + 4);
        bytes.chop(2);
        for (int i = 0; i < 3000; ++i)
            bytes += scan;
        bytes += "\xff\xd9";
        const QString file = path(QStringLiteral("scans.jpg"));
        writeFile(file, bytes);
        expectFailure(file, QStringLiteral("more than 1000 scans"),
                      [](QSize) { return QSize(64, 64); });
        // At 1/8 only the first scan, which holds all of the DC, is read.
        QCOMPARE(loadPicture(file, [](QSize) { return QSize(8, 8); }).image.size(), QSize(8, 8));
    }

    // A JPEG cut off after its first rows shows what it holds, the rest grey, and says that it is
    // partial; the whole file is not.
    void truncatedJpegShowsPartly_data() {
        QTest::addColumn<bool>("progressive");
        QTest::newRow("baseline") << false;
        QTest::newRow("progressive") << true;
    }
    void truncatedJpegShowsPartly() {
        QFETCH(bool, progressive);
        const QString whole = path(QStringLiteral("whole.jpg"));
        QImage source(256, 256, QImage::Format_RGB32);
        source.fill(qRgb(200, 30, 30));
        writeJpeg(whole, source, 90, progressive);
        QFile in(whole);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        const QString cut = path(QStringLiteral("cut.jpg"));
        writeFile(cut, bytes.left(bytes.size() * 6 / 10));
        QVERIFY(!loadPicture(whole, {}).partial);
        const DecodedPicture picture = loadPicture(cut, {});
        QVERIFY(picture.partial);
        QCOMPARE(picture.image.size(), QSize(256, 256));
        QVERIFY(closeTo(picture.image.pixel(10, 10), qRgb(200, 30, 30), 8));
        if (!progressive) // a progressive file's first scan covers the whole picture
            QVERIFY(closeTo(picture.image.pixel(250, 250), qRgb(128, 128, 128), 8));
    }

    // A bitmap cut off shows the rows it holds and grey for the rest; pixels that run-length
    // codes skip take colour 0. Nothing is left as whatever the memory held.
    void damagedBitmapsAreDefined_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QImage>("expected");
        const QRgb grey = qRgb(128, 128, 128);
        // Bottom-up: the file holds the bottom row only.
        QTest::newRow("24 bit cut off")
            << bmpFile(2, 2, 24, 0, {}, QByteArray("\0\0\xff\0\xff\0\0\0", 8))
            << imageOf(2, {grey, grey, red, green});
        QTest::newRow("8 bit top-down cut off")
            << bmpFile(4, -3, 8, 0, {black, red, green, blue},
                       QByteArray("\x01\x02\x03\x01\x02", 5))
            << imageOf(4, {red, green, blue, red, grey, grey, grey, grey, grey, grey, grey, grey});
        QTest::newRow("32 bit with alpha cut off")
            << bmpFileWithAlpha(1, 2, {qRgba(0, 0, 255, 255)})
            << imageOf(1, {grey, qRgba(0, 0, 255, 255)}, QImage::Format_ARGB32);
        QTest::newRow("8 bit RLE with a jump")
            << bmpFile(3, 2, 8, 1, {blue, red},
                       QByteArray("\x01\x01\x00\x02\x01\x01\x01\x01\x00\x01", 10)) // jump (1,1)
            << imageOf(3, {blue, blue, red, red, blue, blue});
    }
    void damagedBitmapsAreDefined() {
        QFETCH(QByteArray, bytes);
        QFETCH(QImage, expected);
        const QString file = path(QStringLiteral("damaged.bmp"));
        writeFile(file, bytes);
        const QImage image = loadPicture(file, {}).image;
        QCOMPARE(image.format(), expected.format());
        QCOMPARE(image, expected);
    }

    // Damaged files of every kind either load at their header's size or fail with our error;
    // nothing crashes (the sanitizer build runs this too).
    void randomDamage_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("baseline") << "damage.jpg";
        QTest::newRow("progressive") << "damagep.jpg";
        QTest::newRow("cmyk") << "damagec.jpg";
        QTest::newRow("bmp 24") << "damage24.bmp";
        QTest::newRow("bmp 8") << "damage8.bmp";
        QTest::newRow("png") << "damage.png";
    }
    void randomDamage() {
        QFETCH(QString, name);
        const QString original = path(QStringLiteral("original-") + name);
        const QImage source = photoLikeImage(40, 24, 3);
        if (name == QLatin1String("damage.jpg"))
            writeJpeg(original, source);
        else if (name == QLatin1String("damagep.jpg"))
            writeJpeg(original, source, 85, true);
        else if (name == QLatin1String("damagec.jpg"))
            writeJpeg(original, source, 85, false, 4);
        else if (name.endsWith(QLatin1String(".png")))
            QVERIFY(source.save(original, "png"));
        else
            writeBmp(original, name.contains(QLatin1String("8"))
                                   ? source.convertToFormat(QImage::Format_Indexed8)
                                   : source);
        QFile in(original);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        QRandomGenerator random(1234);
        const QString file = path(name);
        int loaded = 0;
        for (int round = 0; round < 300; ++round) {
            QByteArray damaged = bytes;
            const int changes = 1 + random.bounded(4);
            for (int i = 0; i < changes; ++i)
                damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
            if (round % 5 == 0)
                damaged.truncate(random.bounded(int(damaged.size())) + 1);
            writeFile(file, damaged);
            try {
                const DecodedPicture picture =
                    loadPicture(file, [](QSize) { return QSize(10, 6); });
                QVERIFY(!picture.image.isNull());
                QVERIFY(picture.image.width() >= qMin(10, picture.ownSize.width()));
                ++loaded;
            } catch (const Error& e) {
                QVERIFY2(e.message().startsWith(QStringLiteral("Cannot load the picture ") + file),
                         qPrintable(e.message()));
            }
        }
        QVERIFY(loaded > 0);
    }

    void notPlainFiles() {
        const QString folder = path(QStringLiteral("folder.jpg"));
        QVERIFY(QDir().mkpath(folder));
        expectFailure(folder, QStringLiteral("folder"));

        const QString fifo = path(QStringLiteral("fifo.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        expectFailure(fifo, QStringLiteral("not a plain file")); // must not block

        expectFailure(path(QStringLiteral("missing.jpg")), QStringLiteral("does not exist"));

        const QString device = path(QStringLiteral("device.bmp"));
        QCOMPARE(::symlink("/dev/zero", QFile::encodeName(device).constData()), 0);
        expectFailure(device, QStringLiteral("not a plain file"));
        const QString link = path(QStringLiteral("link.jpg"));
        writeJpeg(path(QStringLiteral("target.jpg")), colourBlocks(24, 16));
        QVERIFY(QFile::link(path(QStringLiteral("target.jpg")), link));
        QCOMPARE(loadPicture(link, {}).image.size(), QSize(24, 16));

        if (::geteuid() != 0) {
            const QString locked = path(QStringLiteral("locked.bmp"));
            writeBmp(locked, colourBlocks(6, 4));
            QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
            expectFailure(locked, QStringLiteral("Permission denied"));
        }
    }

    // Paths are used as they stand: a percent sign or a non-ASCII letter in a name stays.
    void oddNames() {
        const QString file = path(QStringLiteral("Müller %1 %2.jpg"));
        writeJpeg(file, colourBlocks(24, 16));
        QCOMPARE(readPictureSize(file), QSize(24, 16));
        const QString broken = path(QStringLiteral("Çà %1.jpg"));
        writeFile(broken, "not a picture");
        expectFailure(broken, QStringLiteral("Not a JPEG file"));
    }
};

QTEST_MAIN(TestPictureDecoder)
#include "tst_picturedecoder.moc"
