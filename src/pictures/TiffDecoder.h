#pragma once

// TIFF through libtiff where Qt's reader would hold the whole picture: an opaque TIFF shown
// smaller than it is has its rows scaled as they arrive, band by band (a strip or a row of
// tiles at a time), so that only the shown size is kept. Every other TIFF (with alpha, shown at
// full size, or one libtiff cannot read band by band) goes through Qt's reader as before, which
// also words the message of a damaged file.

#include "pictures/PictureDecoder.h"

#include <optional>

namespace ferlo::pictures {

// The picture scaled to the wanted size while it is read, or nothing when this way does not
// apply and Qt's reader should read it. Never throws.
std::optional<DecodedPicture> loadTiffRows(const QString& path, const WantedSize& wanted);

// A first look at a TIFF over kPreviewFromPixels: the largest reduced-resolution copy the file
// holds (a later directory marked as such), else the JPEG thumbnail of an EXIF-style second
// directory; turned by the picture's orientation tag, coloured by its profile. A null image when
// there is none of the picture's shape. Never throws.
DecodedPicture loadTiffPreview(const QString& path, const WantedSize& wanted);

} // namespace ferlo::pictures
