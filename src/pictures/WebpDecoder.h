#pragma once

// WebP through libwebp directly where Qt's reader would decode the whole picture: Qt's plugin
// has no scaled decoding, while libwebp scales as it decodes (its own area-averaging rescaler,
// row by row), so a picture shown smaller than it is never exists at its own size. Animated
// files (their first frame), and pictures shown at full size, go through Qt's reader as before,
// which also words the message of a damaged file.

#include "pictures/PictureDecoder.h"

#include <optional>

namespace ferlo::pictures {

// The picture decoded at the wanted size, or nothing when this way does not apply and Qt's
// reader should read it. Never throws.
std::optional<DecodedPicture> loadWebpScaled(const QString& path, const WantedSize& wanted);

// A first look at a WebP over kPreviewFromPixels: the JPEG thumbnail of its EXIF chunk when it
// has the picture's shape, coloured by its ICCP chunk; else a null image. Never throws.
DecodedPicture loadWebpPreview(const QString& path, const WantedSize& wanted);

} // namespace ferlo::pictures
