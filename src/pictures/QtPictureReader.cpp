#include "pictures/QtPictureReader.h"

#include "pictures/FormatDecoder.h"
#include "pictures/PictureFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QtMath>

#include <algorithm>
#include <unistd.h>

namespace ferlo::pictures {

namespace {

// ---- Windows bitmap ---------------------------------------------------------------------------

// What our own look at a bitmap's headers tells: Qt's reader says little when it fails, and
// nothing when the pixel data is cut short.
struct BmpHeader {
    bool isBitmap = false; // starts with "BM"
    bool complete = false; // the headers up to the compression field are there
    uchar first[2] = {0, 0};
    qint64 width = 0;
    qint64 height = 0; // magnitude; topDown tells the order of the rows
    bool topDown = false;
    int bitsPerPixel = 0;
    quint32 compression = 0;
    qint64 dataOffset = 0;

    static BmpHeader read(QFile& device) {
        BmpHeader h;
        device.seek(0);
        const QByteArray bytes = device.read(34);
        const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
        if (bytes.size() >= 2) {
            h.first[0] = b[0];
            h.first[1] = b[1];
            h.isBitmap = bytes.startsWith("BM");
        }
        if (!h.isBitmap || bytes.size() < 26)
            return h;
        const quint32 infoSize = qFromLittleEndian<quint32>(b + 14);
        h.dataOffset = qMax<qint64>(qFromLittleEndian<quint32>(b + 10), 14 + qint64(infoSize));
        if (infoSize == 12) { // the old OS/2 header
            h.width = qFromLittleEndian<qint16>(b + 18);
            const qint64 height = qFromLittleEndian<qint16>(b + 20);
            h.height = qAbs(height);
            h.bitsPerPixel = qFromLittleEndian<quint16>(b + 24);
            h.complete = true;
        } else if (bytes.size() >= 34) {
            h.width = qFromLittleEndian<qint32>(b + 18);
            const qint64 height = qFromLittleEndian<qint32>(b + 22);
            h.height = qAbs(height);
            h.topDown = height < 0;
            h.bitsPerPixel = qFromLittleEndian<quint16>(b + 28);
            h.compression = qFromLittleEndian<quint32>(b + 30);
            h.complete = true;
        }
        return h;
    }

    // Rows stored plainly, one after another (no run-length coding).
    bool uncompressed() const {
        return complete && (compression == 0 || compression == 3) && bitsPerPixel > 0 &&
               bitsPerPixel <= 32 && width > 0;
    }
    qint64 bytesPerRow() const { return (width * bitsPerPixel + 31) / 32 * 4; }
};

// A plain bitmap cut off shows the rows it holds, the rest grey, like a cut-off JPEG; one that
// holds no whole row fails.
void fillMissingBmpRows(QImage& image, QFile& device, qint64 fileSize, const QString& path) {
    const BmpHeader header = BmpHeader::read(device);
    if (!header.uncompressed() || header.width != image.width() || header.height != image.height())
        return;
    const qint64 rows = qMax<qint64>(0, fileSize - header.dataOffset) / header.bytesPerRow();
    if (rows >= header.height)
        return;
    if (rows == 0)
        fail(path, QCoreApplication::translate("PictureErrors",
                                               "the file is cut off before its picture data"));
    const int first = header.topDown ? int(rows) : 0;
    const int end = header.topDown ? image.height() : image.height() - int(rows);
    for (int y = first; y < end; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + image.width(), kMissingPixel);
    }
}

// Qt's message, or what the header tells when Qt says little: a file that does not start with
// "BM", a width or height of zero, a size beyond the bound.
QString bmpCause(QFile& device, const QImageReader& reader) {
    const QString text =
        reader.error() == QImageReader::UnknownError
            ? QCoreApplication::translate("PictureErrors",
                                          "the bitmap is damaged or of a kind that cannot be read")
            : reader.errorString();
    const BmpHeader header = BmpHeader::read(device);
    if (!header.isBitmap)
        return QCoreApplication::translate("PictureErrors", "Not a BMP file: starts with 0x%1 0x%2")
            .arg(header.first[0], 2, 16, QLatin1Char('0'))
            .arg(header.first[1], 2, 16, QLatin1Char('0'));
    if (!header.complete)
        return QCoreApplication::translate("PictureErrors", "%1 (the bitmap's header is cut off)")
            .arg(text);
    if (header.width == 0 || header.height == 0)
        return QCoreApplication::translate("PictureErrors", "the picture has no pixels (%1 x %2)")
            .arg(header.width)
            .arg(header.height);
    if (header.width > 0 && header.width * header.height > kMaxImageBytes / 4)
        return tooLarge(header.width, header.height);
    return text;
}

// ---- Qt's readers -----------------------------------------------------------------------------
//
// A format whose broken files Qt's reader explains poorly, or whose missing data it leaves
// unfilled, gets its own functions beside the bitmap's, called from cause() and read().

class QtPictureReader {
public:
    QtPictureReader(const QString& path, const QByteArray& format)
        : m_path(path)
        , m_format(format) {
        PictureFile file(path);
        m_fileSize = file.status().st_size;
        const int fd = file.release();
        if (!m_device.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            fail(path, m_device.errorString());
        }
        m_reader.setDevice(&m_device);
        m_reader.setFormat(format);
        m_reader.setAutoDetectImageFormat(false);
        m_reader.setAllocationLimit(int(kMaxImageBytes / kMegabyte));
        // A TIFF's orientation tag turns the picture as it is read.
        m_reader.setAutoTransform(true);
    }

    QSize readSize() {
        QSize size = m_reader.size();
        // Qt gives a top-down bitmap's height as stored: negative.
        if (size.height() < 0 && size.width() >= 0)
            size.setHeight(-size.height());
        if (!size.isValid())
            fail(m_path, cause());
        if (size.isEmpty())
            fail(m_path,
                 QCoreApplication::translate("PictureErrors", "the picture has no pixels (%1 x %2)")
                     .arg(size.width())
                     .arg(size.height()));
        // Compared without the factor 4, which could overflow near 2^31 x 2^31.
        if (qint64(size.width()) * size.height() > kMaxImageBytes / 4)
            fail(m_path, tooLarge(size.width(), size.height()));
        m_size = size;
        m_turned = m_reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        return m_turned ? size.transposed() : size;
    }

    // wanted is as shown (after the orientation). A reader that can scale while it decodes
    // (WebP) is asked for the smallest size that covers it.
    QImage read(const QSize& wanted) {
        QSize stored = m_size;
        const QSize want = m_turned ? wanted.transposed() : wanted;
        if (want.isValid() && !want.isEmpty() && want.width() < m_size.width() &&
            want.height() < m_size.height() &&
            m_reader.supportsOption(QImageIOHandler::ScaledSize)) {
            const double factor = qMax(double(want.width()) / m_size.width(),
                                       double(want.height()) / m_size.height());
            stored = QSize(qMin(m_size.width(), qCeil(m_size.width() * factor)),
                           qMin(m_size.height(), qCeil(m_size.height() * factor)));
            m_reader.setScaledSize(stored);
        }
        // Qt's reader fills the image it is given when size and format match, and leaves alone
        // what the file does not hold (rows of a cut-off file, pixels skipped by run-length
        // codes). So it gets an image filled beforehand: nothing shown is left uninitialised.
        const QImage::Format format = m_reader.imageFormat();
        QImage image(stored, format == QImage::Format_Invalid ? QImage::Format_RGB32 : format);
        if (image.isNull())
            fail(m_path, QCoreApplication::translate(
                             "PictureErrors", "there is not enough memory for %1 x %2 pixels")
                             .arg(stored.width())
                             .arg(stored.height()));
        image.fill(image.depth() == 32 ? kMissingPixel : 0u);
        if (!m_reader.read(&image) || image.isNull())
            fail(m_path, cause());
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                              : QImage::Format_RGB32);
        if (m_format == "bmp")
            fillMissingBmpRows(image, m_device, m_fileSize, m_path);
        const QSize shown = m_turned ? stored.transposed() : stored;
        if (image.size() != shown)
            fail(m_path, QCoreApplication::translate("PictureErrors",
                                                     "the picture's pixels do not match its size"));
        // An embedded ICC profile (PNG, WebP, TIFF) is applied; Qt's reader has attached it.
        convertToSRgb(image);
        return image;
    }

private:
    QString cause() {
        if (m_format == "bmp")
            return bmpCause(m_device, m_reader);
        return m_reader.errorString();
    }

    QString m_path;
    QByteArray m_format;
    qint64 m_fileSize = 0;
    QSize m_size;          // as stored
    bool m_turned = false; // shown turned by 90 degrees
    QFile m_device;
    QImageReader m_reader;
};

} // namespace

QSize readQtPictureSize(const QString& path, const QByteArray& qtFormat) {
    return QtPictureReader(path, qtFormat).readSize();
}

DecodedPicture loadQtPicture(const QString& path, const QByteArray& qtFormat,
                             const WantedSize& wanted) {
    QtPictureReader reader(path, qtFormat);
    const QSize ownSize = reader.readSize();
    const QSize size = wanted ? wanted(ownSize) : QSize();
    return {ownSize, reader.read(size)};
}

// The formats Qt's reader reads as they are.
const FormatDecoder bmpDecoder{
    [](const QString& path) { return readQtPictureSize(path, QByteArrayLiteral("bmp")); }, nullptr,
    [](const QString& path, const WantedSize& wanted) {
        return loadQtPicture(path, QByteArrayLiteral("bmp"), wanted);
    }};
const FormatDecoder gifDecoder{
    [](const QString& path) { return readQtPictureSize(path, QByteArrayLiteral("gif")); }, nullptr,
    [](const QString& path, const WantedSize& wanted) {
        return loadQtPicture(path, QByteArrayLiteral("gif"), wanted);
    }};

} // namespace ferlo::pictures
