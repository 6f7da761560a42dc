#pragma once

// What reads one picture format: a row of PictureFormats.def names it. Each decoder file defines
// the decoder objects the rows name (`const FormatDecoder jpegDecoder{...};`), so that a new format
// is one row of the table and one file.

#include "pictures/PictureDecoder.h"

namespace ferlo::pictures {

struct FormatDecoder {
    // The picture's own size, from the header (see readPictureSize).
    QSize (*readSize)(const QString& path);
    // A first look the file holds (see loadPreview); null when the format has none.
    DecodedPicture (*loadPreview)(const QString& path, const WantedSize& wanted);
    // The pixels at the wanted size or larger (see loadPicture).
    DecodedPicture (*load)(const QString& path, const WantedSize& wanted);
};

// The decoder objects the rows name.
#define FERLO_PICTURE_FORMAT(extension, decoder, mimeType) extern const FormatDecoder decoder;
#include "pictures/PictureFormats.def"
#undef FERLO_PICTURE_FORMAT

} // namespace ferlo::pictures
