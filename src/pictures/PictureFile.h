#pragma once

// What the picture formats share: the open picture file, the message of a picture that cannot be
// loaded, and the bounds that every decode keeps to.

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <cstdio>
#include <sys/stat.h>

namespace ferlo::pictures {

inline constexpr qint64 kMegabyte = 1024 * 1024;
// No picture may make us allocate more than this for its pixels, nor make a decoder use more than
// this for its own work.
inline constexpr qint64 kMaxImageBytes = 256 * kMegabyte;
inline constexpr QRgb kMissingPixel = 0xff808080; // what is shown where a file holds no data

// Throws ferlo::Error "Cannot load the picture <path>: <cause>".
[[noreturn]] void fail(const QString& path, const QString& cause);
// The cause for a picture whose pixels would exceed kMaxImageBytes.
QString tooLarge(qint64 width, qint64 height);

// ---- What every format's pixels go through ----------------------------------------------------

// The EXIF orientation (1..8) from an EXIF block as a JPEG's APP1 segment holds it ("Exif\0\0"
// and the TIFF structure), read by libexif. A damaged or missing block, or a value outside 1..8,
// gives 1: the picture is shown as it is stored.
int exifOrientation(const uchar* data, qsizetype size);
// The size a picture of the stored size shows at: width and height swap for orientations 5..8.
QSize orientedSize(QSize stored, int orientation);
// The stored pixels turned so that the picture stands as the orientation says.
QImage applyOrientation(QImage image, int orientation);
// Pixels in the colour space of an embedded ICC profile converted to sRGB. An empty, unreadable or
// sRGB profile leaves the pixels as they are (a picture without a profile is taken as sRGB).
void convertToSRgb(QImage& image, const QByteArray& iccProfile);
// The same for pixels whose colour space Qt's reader has already attached to the image.
void convertToSRgb(QImage& image);

// An open picture file: a plain, non-empty file that can be read. Opening never blocks: the type
// is checked before opening (a FIFO is never opened for reading without O_NONBLOCK) and again on
// the open descriptor, in case the file was swapped in between.
class PictureFile {
public:
    explicit PictureFile(const QString& path);
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    const struct stat& status() const { return m_stat; }
    FILE* stream();
    // Hands the descriptor over to someone who closes it.
    int release();

private:
    QString m_path;
    int m_fd = -1;
    FILE* m_file = nullptr;
    struct stat m_stat {};
};

} // namespace ferlo::pictures
