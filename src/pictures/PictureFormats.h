#pragma once

#include <QString>

namespace ferlo {

// One row of the table of picture formats (PictureFormats.def): the extension without the dot,
// which decoder reads it (our libjpeg, libpng and libheif readers, or Qt's reader of that name) and
// the MIME type the desktop entry offers the program for.
enum class PictureDecoderKind { Jpeg, Png, Heif, Qt };
struct PictureFormat {
    const char* extension;
    PictureDecoderKind decoder;
    const char* qtReader;
    const char* mimeType;
};

// The format of a path by its file name's extension, in any letter case; null for none.
const PictureFormat* pictureFormatOf(const QString& path);
// Whether the file list lists a file name: something before an extension of the table.
bool isPictureFileName(const QString& name);
// The extensions as a message names them: ".jpg, .jpeg, ... or .heif".
QString pictureExtensionsText();

} // namespace ferlo
