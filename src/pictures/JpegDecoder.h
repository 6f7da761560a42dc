#pragma once

// JPEG through libjpeg-turbo's libjpeg API, called directly. The size comes from the header alone;
// pixels are decoded at the smallest DCT scale n/8 whose output is not smaller than the wanted
// size either way, and come out as RGB whatever the file's colour space (grey, YCbCr, CMYK, YCCK).

#include "pictures/PictureDecoder.h"

namespace ferlo::pictures {

// Throw ferlo::Error naming the file and the cause, as readPictureSize and loadPicture do.
QSize readJpegSize(const QString& path);
DecodedPicture loadJpeg(const QString& path, const WantedSize& wanted);

} // namespace ferlo::pictures
