#pragma once

#include <QString>
#include <QStringList>
#include <span>

namespace ferlo {

// Which decoder reads a format: our JPEG reader (libjpeg with DCT scaling), our HEIF reader
// (libheif), or one of Qt's image readers (BMP, PNG, GIF, WebP, TIFF).
enum class PictureDecoderKind { Jpeg, Heif, Qt };

// One row of the table in PictureFormats.def.
struct PictureFormat {
    const char* extension; // without the dot, lower case
    PictureDecoderKind decoder;
    const char* qtReader; // the name of Qt's reader, for PictureDecoderKind::Qt
    const char* mimeType;
};

// Every format, in the table's order.
std::span<const PictureFormat> pictureFormats();

// The format of a path by the extension of its file name, in any letter case; null for none.
const PictureFormat* pictureFormatOf(const QString& path);

// Whether the file list lists a file name: something before an extension of the table.
bool isPictureFileName(const QString& name);

// The extensions as a message names them: ".jpg, .jpeg, ... or .heif".
QString pictureExtensionsText();

} // namespace ferlo
