#pragma once

// PNG through libpng, read by us rather than through Qt's reader so that the chunks a picture is
// drawn without cost nothing: a tiny file that declares a text, palette or scale chunk of a
// gigabyte is refused before anything is allocated for it, and libpng's complaints become the
// message instead of lines on standard error.

#include "pictures/PictureDecoder.h"

namespace ferlo::pictures {

// Throw ferlo::Error naming the file and the cause, as readPictureSize and loadPicture do.
QSize readPngSize(const QString& path);
DecodedPicture loadPng(const QString& path, const WantedSize& wanted);
// The thumbnail of the file's EXIF chunk (eXIf) when the picture is over kPreviewFromPixels and
// the thumbnail has its shape, else a null image (see loadPreview).
DecodedPicture loadPngPreview(const QString& path, const WantedSize& wanted);

} // namespace ferlo::pictures
