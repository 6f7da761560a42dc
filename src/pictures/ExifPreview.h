#pragma once

// The first look at a picture whose full decode takes long: a preview the file holds (a HEIF
// thumbnail, the JPEG thumbnail of an EXIF block, a TIFF's reduced copy), turned like the
// picture and scaled to the size it is shown at. A preview of another shape than the picture is
// never used: it would show the picture squeezed, or another picture.

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace ferlo::pictures {

// Pictures with more pixels than this take long enough in PNG, TIFF and WebP to show a preview
// first (HEIC always does).
inline constexpr qint64 kPreviewFromPixels = 4'000'000;

// Whether a preview of `preview`'s size is of the shape of a picture of `picture`'s size: the
// two aspects differ by no more than rounding the preview to whole pixels gives, nor by more
// than 1 %.
bool sameShape(QSize preview, QSize picture);

// The JPEG thumbnail of an EXIF block, decoded as stored, and the block's orientation (1..8).
// The block may begin with "Exif\0\0" (a JPEG's APP1 segment, HEIF's Exif item) or directly with
// the TIFF header (PNG's eXIf chunk, WebP's EXIF chunk). A null image when there is none or it
// cannot be read; never throws.
struct ExifThumbnail {
    QImage image;
    int orientation = 1;
};
ExifThumbnail readExifThumbnail(const QByteArray& block);

// The preview turned by `orientation` (as EXIF numbers it), then scaled to `shown` when its shape
// is the picture's (`picture`, as shown); else a null image.
QImage fitPreview(QImage preview, int orientation, QSize picture, QSize shown);

} // namespace ferlo::pictures
