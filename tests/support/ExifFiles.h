#pragma once

// Picture files with an EXIF block holding a JPEG thumbnail, as cameras and phones write them:
// for the tests of first looks and for the benchmark that times them. Header-only.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>
#include <QtEndian>

namespace ferlo::test {

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray encoded(const QImage& picture, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return picture.save(&buffer, format, quality) ? bytes : QByteArray();
}

inline QByteArray le16(int value) {
    QByteArray bytes(2, 0);
    qToLittleEndian<quint16>(quint16(value), bytes.data());
    return bytes;
}
inline QByteArray le32(quint32 value) {
    QByteArray bytes(4, 0);
    qToLittleEndian<quint32>(value, bytes.data());
    return bytes;
}

// An EXIF block as a camera writes it (the TIFF structure, little-endian): the orientation in
// its first directory, the JPEG thumbnail in its second.
inline QByteArray exifWithThumbnail(const QImage& thumbnail, int orientation) {
    const QByteArray jpeg = encoded(thumbnail, "jpeg", 95);
    const auto entry = [](int tag, int type, quint32 value) {
        return le16(tag) + le16(type) + le32(1) +
               (type == 3 ? le16(int(value)) + le16(0) : le32(value));
    };
    return QByteArray("II*\0", 4) + le32(8) + le16(1) + entry(0x0112, 3, quint32(orientation)) +
           le32(26) + le16(2) + entry(0x0201, 4, 56) + entry(0x0202, 4, quint32(jpeg.size())) +
           le32(0) + jpeg;
}

inline quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

// Qt's PNG with an eXIf chunk after its header.
// A PNG file's bytes with an eXIf chunk put after its header.
inline QByteArray pngWithExif(QByteArray png, const QByteArray& exif) {
    QByteArray chunk = QByteArray("eXIf") + exif;
    QByteArray length(4, 0), crc(4, 0);
    qToBigEndian<quint32>(quint32(exif.size()), length.data());
    qToBigEndian<quint32>(crc32(chunk), crc.data());
    png.insert(33, length + chunk + crc); // the signature (8) and IHDR (25) come first
    return png;
}

// A simple WebP file's bytes made an extended one (a VP8X chunk first) with an EXIF chunk after
// its picture.
inline QByteArray webpWithExif(const QByteArray& webp, QSize size, const QByteArray& exif) {
    const auto le24 = [](int value) {
        return le32(quint32(value)).left(3);
    };
    const QByteArray chunks = QByteArray("VP8X") + le32(10) + QByteArray(1, 0x08) +
                              QByteArray(3, 0) + le24(size.width() - 1) + le24(size.height() - 1) +
                              webp.mid(12) + "EXIF" + le32(quint32(exif.size())) + exif +
                              QByteArray(exif.size() & 1, 0);
    return "RIFF" + le32(quint32(chunks.size() + 4)) + "WEBP" + chunks;
}

inline bool writePngWithExif(const QString& path, const QImage& picture, const QByteArray& exif) {
    const QByteArray png = encoded(picture, "png");
    return !png.isEmpty() && writeBytes(path, pngWithExif(png, exif));
}

inline bool writeWebpWithExif(const QString& path, const QImage& picture, const QByteArray& exif) {
    const QByteArray webp = encoded(picture, "webp", 50);
    return !webp.isEmpty() && writeBytes(path, webpWithExif(webp, picture.size(), exif));
}

} // namespace ferlo::test
