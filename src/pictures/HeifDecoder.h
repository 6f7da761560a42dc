#pragma once

// HEIC and HEIF through libheif (HEVC decoded by libde265). The size comes from the file's boxes,
// with the rotation and mirroring the file asks for already applied; the pixels are the primary
// picture's, or its smallest thumbnail that still covers the wanted size.

#include "pictures/PictureDecoder.h"

namespace ferlo::pictures {

// Throw ferlo::Error naming the file and the cause, as readPictureSize and loadPicture do.
QSize readHeifSize(const QString& path);
DecodedPicture loadHeif(const QString& path, const WantedSize& wanted);
// The file's largest thumbnail of the picture's shape at the wanted size, or a null image.
DecodedPicture loadHeifPreview(const QString& path, const WantedSize& wanted);

} // namespace ferlo::pictures
