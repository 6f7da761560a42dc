#pragma once

// Pictures read through Qt's image readers with the format forced (never sniffed): the Windows
// bitmap and GIF (its first frame), and with the image-formats plugins the WebP and TIFF files
// that our own readers of those formats leave to it (TIFF: its first page). Each goes the same way:
// the size first and bounded, then the pixels into an image filled beforehand, converted to RGB32
// (ARGB32 with alpha). What Qt's reader says poorly about a broken file of a format is told from
// that format's own header.

#include "pictures/PictureDecoder.h"

#include <QByteArray>

namespace ferlo::pictures {

// qtFormat is the name of Qt's reader ("bmp"). Both throw ferlo::Error naming the file and the
// cause, as readPictureSize and loadPicture do.
QSize readQtPictureSize(const QString& path, const QByteArray& qtFormat);
// Decodes at full size, except where Qt's reader can scale while decoding (WebP): then at the
// smallest size that covers the wanted one. A TIFF's orientation tag is applied, and an
// embedded ICC profile converted to sRGB.
DecodedPicture loadQtPicture(const QString& path, const QByteArray& qtFormat,
                             const WantedSize& wanted);

} // namespace ferlo::pictures
