#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

namespace ferlo {

// A decoded picture: its own size from the file's header, and pixels (QImage::Format_RGB32, or
// Format_ARGB32 for BMPs with alpha) no smaller than what was asked for, unless the picture itself
// is smaller (then its full size). A damaged file that still decodes in part (a JPEG cut off
// after its first rows) comes back with the missing part grey and `partial` set, so that callers
// can tell the user.
struct DecodedPicture {
    QSize ownSize;
    QImage image;
    bool partial = false;
};

// Given the picture's own size, the size in pixels the caller will show or print it at.
// An empty/invalid QSize means "full size".
using WantedSize = std::function<QSize(QSize ownSize)>;

// The picture's own width and height, from the header only (JPEG: no pixels decoded; BMP: Qt's
// reader's size()). Throws ferlo::Error naming the file and the cause.
QSize readPictureSize(const QString& path);

// Reads the header, asks wanted(ownSize), decodes at the smallest libjpeg DCT scale (1/8 .. 8/8)
// whose output is not smaller than the wanted size in either dimension, returns it (not further
// scaled). BMPs decode at full size. Throws ferlo::Error naming the file and the cause.
DecodedPicture loadPicture(const QString& path, const WantedSize& wanted);

// A first look at a picture whose full decode takes long (HEIC and HEIF): the preview the file
// holds (a thumbnail), oriented and colour-managed like the picture and scaled to the wanted
// size even when it is smaller, with the picture's own size. A null image when the format
// decodes quickly anyway, or the file holds no preview of the picture's shape (within 1 %).
// Only for the screen: paper and PDFs take loadPicture. Throws as loadPicture does.
DecodedPicture loadPreview(const QString& path, const WantedSize& wanted);

// What tells one version of a picture file from another: its size, modification time (in
// nanoseconds) and identity on disk. Opens the file as loadPicture does (without blocking) and
// throws the same ferlo::Error when it is missing, unreadable, empty or not a plain file.
struct PictureStamp {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 inode = 0;
    qint64 device = 0;
    friend bool operator==(const PictureStamp&, const PictureStamp&) = default;
};
PictureStamp pictureStamp(const QString& path);

} // namespace ferlo
